// Where Help Topics and Internet Databank lead.
#include "converter/MenuCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace quorvane;

namespace {
struct RecordingOpener : UrlOpener {
    void open(const QString& url) override { opened << url; }
    QStringList opened;
};
void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
}
}  // namespace

TEST(HelpPath, IsTheProgramFolderJoinedWithTheNameAsItIs) {
    EXPECT_EQ(helpFilePath("/opt/Quorvane"), "/opt/Quorvane/zelvik.hlp");
    EXPECT_EQ(helpFilePath("/opt/My Programs/Quorvane"), "/opt/My Programs/Quorvane/zelvik.hlp");
    // A root folder already ends in the separator: it is doubled, as built.
    EXPECT_EQ(helpFilePath("/"), "//zelvik.hlp");
}

TEST(HelpPath, FindsTheFileWhateverItsLetterCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString built = helpFilePath(dir.path());
    // Absent: handed on unchanged, so the viewer can say what is missing.
    EXPECT_EQ(findIgnoringCase(built), built);
    touch(dir.filePath("Zelvik.hlp"));
    touch(dir.filePath("zelvik.hlp.bak"));
    EXPECT_EQ(findIgnoringCase(built), dir.path() + "/Zelvik.hlp");
    // The folder part stays as built, doubled separator included.
    EXPECT_EQ(findIgnoringCase(helpFilePath(dir.path() + "/")), dir.path() + "//Zelvik.hlp");
    // The exact name wins when both spellings are there.
    touch(dir.filePath("zelvik.hlp"));
    EXPECT_EQ(findIgnoringCase(built), built);
    // A folder by that name is not the help file.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir("ZELVIK.HLP"));
    EXPECT_EQ(findIgnoringCase(helpFilePath(other.path())), helpFilePath(other.path()));
}

TEST(Databank, HandsTheMakersRatePageToTheOpener) {
    RecordingOpener opener;
    openDatabank(opener);
    ASSERT_EQ(opener.opened.size(), 1);
    QUrl url(opener.opened.front());
    EXPECT_TRUE(url.isValid() && url.scheme() == "https" && !url.host().isEmpty());
    EXPECT_EQ(url.path(), "/databank");
}
