// Where Help Topics leads: the program folder joined with the name, found whatever its letter case.
#include "converter/MenuCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvane;

TEST(HelpPath, JoinsTheFolderAsItIsAndFindsTheFileWhateverItsLetterCase) {
    EXPECT_EQ(helpFilePath("/opt/Quorvane"), "/opt/Quorvane/zelvik.hlp");
    EXPECT_EQ(helpFilePath("/"), "//zelvik.hlp");  // a root folder's separator is doubled, as built

    QTemporaryDir dir, other;
    ASSERT_TRUE(dir.isValid() && other.isValid());
    const QString built = helpFilePath(dir.path());
    ASSERT_TRUE(QFile(dir.filePath("zelvik.hlp.bak")).open(QIODevice::WriteOnly));
    EXPECT_EQ(findIgnoringCase(built), built);  // absent: handed on unchanged, for the viewer to report
    ASSERT_TRUE(QFile(dir.filePath("Zelvik.hlp")).open(QIODevice::WriteOnly));
    EXPECT_EQ(findIgnoringCase(built), dir.path() + "/Zelvik.hlp");
    EXPECT_EQ(findIgnoringCase(helpFilePath(dir.path() + "/")), dir.path() + "//Zelvik.hlp");  // folder part kept
    ASSERT_TRUE(QFile(built).open(QIODevice::WriteOnly));
    EXPECT_EQ(findIgnoringCase(built), built);  // the exact name wins
    ASSERT_TRUE(QDir(other.path()).mkdir("ZELVIK.HLP"));  // a folder is not the help file
    EXPECT_EQ(findIgnoringCase(helpFilePath(other.path())), helpFilePath(other.path()));
}
