// Platform logic: contrast and the colours chosen with it (on the windows: qtest_window); the
// printer system's worker; the country lists' order and names in the user's language; which rate
// table a program folder's program uses.
#include "data/LocalNames.h"
#include "platform/Contrast.h"
#include "platform/CountryListModel.h"
#include "platform/Language.h"
#include "platform/ProgramFolder.h"
#include "platform/SerialWorker.h"
#include "support/TempRates.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <future>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

using namespace quorvane;
using namespace std::chrono_literals;

TEST(Contrast, RatiosAndChoices) {
    const Rgb grey{192, 192, 192}, mid{118, 118, 118};
    EXPECT_NEAR(contrastRatio(kWhiteRgb, kBlackRgb), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(kBlackRgb, grey), 11.54, 0.01);
    EXPECT_NEAR(contrastRatio(mid, kWhiteRgb), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(Rgb{0, 128, 0}, Rgb{192, 0, 0}), 1.26, 0.01);
    // Light desktops keep their colour, dark ones get black.
    const Rgb navy{0, 0, 128}, darkGrey{100, 100, 100};
    for (auto [text, shown] : {std::pair{navy, navy}, {kWhiteRgb, kBlackRgb}, {darkGrey, kBlackRgb}})
        EXPECT_EQ(readableOn(text, grey), shown);
    for (Rgb back : {grey, kBlackRgb, kWhiteRgb, Rgb{18, 96, 138}, mid}) {
        EXPECT_GE(contrastRatio(focusMarkOn(back), back), kMarkContrast);
        EXPECT_GE(contrastRatio(readableTint(Rgb{128, 0, 0}, back), back), kTextContrast);
    }
    // The dark red title keeps its own colour where it reads, and stays a red where it is tinted.
    EXPECT_EQ(readableTint(Rgb{128, 0, 0}, grey), (Rgb{128, 0, 0}));
    const Rgb onDark = readableTint(Rgb{128, 0, 0}, Rgb{53, 53, 53});
    EXPECT_GT(onDark.r, onDark.g);
}

// A waiter gives up at its deadline and work given up on while queued never runs; stopping breaks
// the blocked task off, joins the thread and refuses later work.
// The language is chosen as gettext chooses: LANGUAGE's list first, but never in the C locale.
TEST(Language, FollowsTheMessagesSettings) {
    struct Case {
        const char *all, *messages, *lang, *language, *expect;
    } cases[] = {
        {nullptr, nullptr, "de_DE.UTF-8", nullptr, "de"},      {nullptr, nullptr, "fr_CA", nullptr, "fr"},
        {nullptr, "en_US.UTF-8", "de_DE.UTF-8", nullptr, "en"}, {"es_ES.UTF-8", "de_DE", "fr_FR", nullptr, "es"},
        {nullptr, nullptr, "de_DE.UTF-8", "pt:fr:de", "fr"},   {nullptr, nullptr, "C.UTF-8", "de", "en"},
        {nullptr, nullptr, "pt_BR.UTF-8", nullptr, "en"},      {nullptr, nullptr, nullptr, nullptr, "en"},
        {nullptr, nullptr, "sr_RS@latin", "es@x:", "es"},
    };
    for (const Case& c : cases) {
        const std::string got = uiLanguage([&](const char* name) -> const char* {
            const std::string n = name;
            return n == "LC_ALL" ? c.all : n == "LC_MESSAGES" ? c.messages : n == "LANG" ? c.lang : c.language;
        });
        EXPECT_EQ(got, c.expect) << (c.lang ? c.lang : "") << " " << (c.language ? c.language : "");
    }
}

TEST(SerialWorker, DeadlinesAndStop) {
    std::promise<void> unblock;
    std::shared_future<void> gate = unblock.get_future().share();
    bool lateDelivery = true, skippedRan = false, queuedRan = false;
    SerialWorker w;
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 10s, [](Handoff<int>& h) { h.deliver(7); }), 7);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 20ms, [&](Handoff<int>& h) {
                  gate.wait();
                  lateDelivery = h.deliver(1);
              }),
              std::nullopt);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now(), [&](Handoff<int>&) { skippedRan = true; }), std::nullopt);
    w.post([&] { queuedRan = true; });
    w.stop([&, once = true]() mutable {
        if (std::exchange(once, false)) unblock.set_value();
    });
    EXPECT_FALSE(lateDelivery);  // the task ended before stop returned, and learnt its waiter had gone
    EXPECT_FALSE(skippedRan);
    EXPECT_FALSE(queuedRan);
    EXPECT_EQ(runWithDeadline<int>(w, SteadyClock::now() + 1h, [](Handoff<int>& h) { h.deliver(3); }), std::nullopt);
}

TEST(ProgramFolder, InstalledFolderTableIsNeverWrittenAndAnUnusableUserTableIsLeftAlone) {
    test::TempRates program, home;
    const std::string shipped = program.make("Zed,1 Z,Zed,ZZZ,7\n", "Zelvik.MDB", "2026-10-30"), before = test::bytes(shipped);
    const QString marker = program.dir.filePath(kInstalledMarkerName), user = home.dir.filePath(kRateTableName);
    // A copy whose marker names the folder it came from is the user's own.
    ASSERT_TRUE(test::writeFile(marker, "/usr/lib/quorvane\n"));
    EXPECT_EQ(chooseRateFolder(program.folder(), home.folder()).folder, program.folder());
    // Installed (root owns what it installs, so the marker decides): the user's copy, even for root.
    ASSERT_TRUE(test::writeFile(marker, program.folder().toUtf8() + "\n"));
    RateFolder installed = chooseRateFolder(program.folder(), home.folder());
    EXPECT_EQ(installed.folder, home.folder());
    EXPECT_EQ(test::TempRates::storedRateIn(user.toStdString(), "Zed"), 7);
    // Nor is a table used that the user cannot write: a folder of their own, read-only. Root
    // writes any, so as root a child process tries it as nobody.
    QFile::remove(marker), QFile::remove(user);
    QFile::setPermissions(program.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(QString::fromStdString(shipped), QFileDevice::ReadOwner);
    auto goesToOwnCopy = [&] { return chooseRateFolder(program.folder(), home.folder()).folder == home.folder(); };
    if (::geteuid() != 0) {
        EXPECT_TRUE(goesToOwnCopy());
    } else if (const passwd* nobody = ::getpwnam("nobody")) {
        for (const std::string& path : {program.folder().toStdString(), home.folder().toStdString(), shipped})
            ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << path;
        const pid_t child = ::fork();
        if (child == 0) ::_exit(::setgid(nobody->pw_gid) == 0 && ::setuid(nobody->pw_uid) == 0 && goesToOwnCopy() ? 0 : 1);
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }

    struct Case { const char* what; std::function<bool()> make; };
    for (const Case& c : std::initializer_list<Case>{
             {"it is empty", [&] { return test::writeFile(user, {}); }},
             {"it is not a file", [&] { return QDir().mkpath(user); }},
             {"which does not exist", [&] { return QFile::link(home.dir.filePath("gone"), user); }},
             {"file is not a database", [&] { return test::writeFile(user, QByteArray(4096, 'x')); }}}) {
        QDir(user).removeRecursively(), QFile::remove(user);
        ASSERT_TRUE(c.make()) << c.what;
        const QFileInfo made(user);
        RateFolder r = chooseRateFolder(program.folder(), home.folder());
        EXPECT_TRUE(r.readOnly) << c.what;
        EXPECT_NE(r.folder, program.folder()) << c.what;
        EXPECT_TRUE(r.problem.contains(user + " cannot be used")) << r.problem.toStdString();
        EXPECT_TRUE(r.problem.contains(c.what)) << r.problem.toStdString();
        EXPECT_EQ(test::TempRates::storedRateIn((r.folder + "/Zelvik.MDB").toStdString(), "Zed"), 7) << c.what;
        EXPECT_EQ(QFileInfo(user).size(), made.size()) << c.what;
        EXPECT_EQ(QFileInfo(user).isSymLink(), made.isSymLink()) << c.what;
    }
    EXPECT_EQ(test::bytes(shipped), before);
}

// In the user's collation whatever order the table keeps (sorted, then a merge's
// names appended), each row giving back the bytes the table holds.
TEST(CountryListModel, ShowsTableNamesInDisplayOrder) {
    using Names = std::vector<std::string>;
    for (const auto& [table, shown] :
         {std::pair<Names, Names>{{"Chad", "Peru", "Zambia", "Benin", "Yemen", "Aruba"},
                                  {"Aruba", "Benin", "Chad", "Peru", "Yemen", "Zambia"}},
          {{"\xc3\x89gypte", "Chad", "\xffOdd", "chad", "Bhutan"}, {"Bhutan", "chad", "Chad", "\xc3\x89gypte", "\xffOdd"}}}) {
        CountryListModel model(table);
        ASSERT_EQ(model.rowCount(), static_cast<int>(shown.size()));
        for (int r = 0; r < model.rowCount(); ++r)
            EXPECT_EQ(model.index(r).data(CountryListModel::kStoredNameRole).toByteArray().toStdString(), shown[r]);
    }
    // Type-ahead: the first letters of a name whatever their accents, else of a word within one, from a row on,
    // in the order Åland, Federación Rusa, Macao, México, Ruanda.
    CountryListModel model({"Macao", "M\xc3\xa9xico", "Ruanda", "Federaci\xc3\xb3n Rusa", "\xc3\x85land"});
    for (auto [typed, from, found] : {std::tuple{"mexi", 0, 3}, {"Ru", 0, 4}, {"rusa", 0, 1}, {"aLa", 3, 0}, {"M", 4, 2},
                                      {"zz", 0, -1}}) {
        const QModelIndexList hit = model.match(model.index(from), Qt::DisplayRole, QString(typed));
        EXPECT_EQ(hit.isEmpty() ? -1 : hit[0].row(), found) << typed;
    }
}

namespace {
// A gettext catalogue of msgid/msgstr pairs in either byte order.
QByteArray catalogue(const std::vector<std::pair<std::string, std::string>>& pairs, bool bigEndian) {
    QByteArray head, text;
    auto put = [&](quint32 v) {
        for (int i = 0; i < 4; ++i) head += char(bigEndian ? v >> (24 - 8 * i) : v >> (8 * i));
    };
    const quint32 n = static_cast<quint32>(pairs.size()), strings = 28 + 16 * n;
    for (quint32 v : {0x950412deu, 0u, n, 28u, 28 + 8 * n, 0u, 0u}) put(v);
    for (int column = 0; column < 2; ++column)
        for (const auto& p : pairs) {
            const std::string& s = column ? p.second : p.first;
            put(static_cast<quint32>(s.size())), put(strings + static_cast<quint32>(text.size()));
            text += QByteArray::fromStdString(s) + '\0';
        }
    return head + text;
}
}  // namespace

// iso-codes' names through catalogues of either byte order; whatever has no translation, and
// whatever a damaged catalogue holds, shows as stored; English reads nothing.
TEST(LocalNames, TranslatesWhatIsoCodesKnowsAndKeepsTheRest) {
    QTemporaryDir iso;
    const std::string json = iso.path().toStdString(), locale = json + "/locale";
    ASSERT_TRUE(test::writeFile(iso.filePath("iso_3166-1.json"),
                                R"({"3166-1":[{"alpha_2":"DE","name":"Germany"},{"alpha_2":"FR","name":"France"},)"
                                R"({"alpha_2":"TW","name":"Taiwan, Province of China","common_name":"Taiwan"},)"
                                R"({"alpha_2":"ZW","name":"Zimbabwe"}]})"));
    ASSERT_TRUE(test::writeFile(iso.filePath("iso_4217.json"), R"({"4217":[{"alpha_3":"USD","name":"US Dollar"}]})"));
    const QByteArray countries = catalogue({{"", "Content-Type: text/plain"}, {"Germany", "Deutschland"},
                                            {"Taiwan", "Taiwan (Insel)"}, {"Zimbabwe", "Simbabwe"}}, false);
    const std::pair<const char*, QByteArray> catalogues[] = {
        {"xx", countries}, {"en", countries}, {"yy", catalogue({{"Germany", "Alemania"}}, true)},
        {"cut", countries.chopped(9)}, {"far", countries.left(32) + "\xff\xff\xff\x7f" + countries.mid(36)},
        {"many", countries.left(8) + "\xff\xff\xff\xff" + countries.mid(12)}, {"none", "\xde\x12\x04"}};
    for (const auto& [lang, bytes] : catalogues) {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(locale + "/" + lang + "/LC_MESSAGES")));
        ASSERT_TRUE(test::writeFile(QString::fromStdString(locale + "/" + lang + "/LC_MESSAGES/iso_3166-1.mo"), bytes));
    }
    ASSERT_TRUE(test::writeFile(QString::fromStdString(locale + "/xx/LC_MESSAGES/iso_4217.mo"),
                                catalogue({{"US Dollar", "US-Dollar"}}, false)));
    const RateRecord germany{"Germany", "c", "Euro", "EUR", 0.9, "DE"}, france{"France", "c", "Euro", "EUR", 0.9, "FR"},
        taiwan{"Taiwan", "c", "New Taiwan Dollar", "TWD", 30, "TW"}, kosovo{"Kosovo", "c", "Euro", "EUR", 0.9, "XK"},
        zimbabwe{"Zimbabwe (US Dollar)", "1 US Dollar = 100 Cents", "US Dollar", "USD", 1, "ZW"}, nameless{"Zimbabwe", "c", "Gold", "USD", 1};
    const struct { const char* lang; RateRecord row; const char* country; const char* currency; } cases[] = {
        {"xx", germany, "Deutschland", "Euro"}, {"xx", zimbabwe, "Simbabwe (US-Dollar)", "US-Dollar"},
        {"xx", taiwan, "Taiwan (Insel)", "New Taiwan Dollar"}, {"xx", france, "France", "Euro"},
        {"xx", kosovo, "Kosovo", "Euro"}, {"xx", nameless, "Zimbabwe", "US-Dollar"}, {"yy", germany, "Alemania", "Euro"},
        {"yy", zimbabwe, "Zimbabwe (US Dollar)", "US Dollar"}, {"en", zimbabwe, "Zimbabwe (US Dollar)", "US Dollar"},
        {"cut", germany, "Germany", "Euro"}, {"far", germany, "Germany", "Euro"}, {"many", germany, "Germany", "Euro"},
        {"none", germany, "Germany", "Euro"}, {"zz", germany, "Germany", "Euro"}};
    for (const auto& c : cases) {
        const LocalNames names(c.lang, json, locale);
        EXPECT_EQ(names.country(c.row), c.country) << c.lang;
        EXPECT_EQ(names.currency(c.row), c.currency) << c.lang;
        EXPECT_EQ(names.asStored(), std::string(c.lang) != "xx" && std::string(c.lang) != "yy") << c.lang;
    }
    // The unit information names the currency as the label beside it does.
    const LocalNames xx("xx", json, locale), yy("yy", json, locale);
    const RateRecord whole{"Panama", "1 US Dollar, no minor unit", "US Dollar", "USD", 1, "PA"};
    EXPECT_EQ(xx.unit(zimbabwe), "1 US-Dollar = 100 Cents");
    EXPECT_EQ(xx.unit(whole), "1 US-Dollar, no minor unit");  // the words come from the program's translation
    EXPECT_EQ(yy.unit(zimbabwe), "1 US Dollar = 100 Cents");
    EXPECT_EQ(xx.unit(germany), "c");
    // The system's own catalogues, where iso-codes is installed.
    if (QFile::exists("/usr/share/locale/de/LC_MESSAGES/iso_3166-1.mo")) {
        EXPECT_EQ(LocalNames("de").country(zimbabwe), "Simbabwe (US-Dollar)");
    }
}
