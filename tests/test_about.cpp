// The about window's logic (the hidden key sequence, arming, centring, the marquee) and
// System Info: the tool's path read from the registry, or found on the desktop, and started.
#include "about/AboutLogic.h"
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "about/SysInfo.h"
#include "support/Fakes.h"
#include "support/TempRates.h"

#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace quorvane;

TEST(AboutLogic, KeySequenceNeedsBothFlagsAndThreeLettersInARow) {
    constexpr int kKeyX = 88, kKeyShift = 0x01000020;
    const ArmingFlags none{}, onlyA{true, false}, armed{true, true};
    struct Case { ArmingFlags flags; std::vector<int> keys; int credits; std::string buffer; };
    const Case cases[] = {
        {none, {kKeyL, kKeyE, kKeyA}, 0, ""},
        {onlyA, {kKeyL, kKeyE, kKeyA}, 0, ""},
        {armed, {kKeyL, kKeyL, kKeyE, kKeyA}, 1, "LEA"},  // only the last three count
        {armed, {kKeyL, kKeyE, kKeyX, kKeyA}, 0, "A"},    // another key empties the buffer
        {armed, {kKeyL, kKeyShift, kKeyE, kKeyA}, 0, "EA"},
    };
    for (const Case& c : cases) {
        KeySequence seq;
        int credits = 0;
        for (int k : c.keys) credits += seq.keyDown(k, c.flags);
        EXPECT_EQ(credits, c.credits) << c.buffer;
        EXPECT_EQ(seq.buffer(), c.buffer);
    }
}

TEST(AboutLogic, ArmingZoneBoundsAreStrictAndFlagsNeverClear) {
    ArmingFlags f;
    struct Move { double x, y; bool a, b; };
    for (Move m : {Move{60, 10, false, false}, {0, 10, false, false}, {10, 0, true, false}, {30, 60, true, false},
                   {59.5, 0.5, true, true}, {100, 100, true, true}}) {
        iconMouseMove(m.x, m.y, f);
        EXPECT_EQ(std::pair(f.a, f.b), std::pair(m.a, m.b)) << m.x << "," << m.y;
    }
}

TEST(AboutLogic, CentringRoundsHalvesToEvenThenTruncatesAndVersionHasNoLeadingZeros) {
    struct Case { double screen, window; int left; };
    for (Case c : {Case{11520, 3630, 3945}, {1000.5, 0, 500}, {1001.5, 0, 501}, {1003, 0, 501}, {100, 103, -1}})
        EXPECT_EQ(centredPosition(c.screen, c.window), c.left) << c.screen;  // -1: toward zero, not down
    EXPECT_EQ(versionLabel(2, 5, 13), "Version 2.5.13");
}

TEST(AboutLogic, MarqueeResetsStrictlyPastItsWidth) {
    Marquee first(21840);
    EXPECT_EQ(first.left(), 435);
    first.tick();
    EXPECT_EQ(first.left(), 410);

    Marquee edge(100, 0);  // Left + Width = 0 after four ticks: the reset comes on the fifth
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(edge.tick());
    EXPECT_EQ(edge.left(), -100);
    EXPECT_TRUE(edge.tick());
    EXPECT_EQ(edge.left(), 4230);
}

namespace {

struct Value { std::uint32_t type; std::string bytes; bool failQuery = false; };
using Keys = std::map<std::string, std::map<std::string, Value>>;

// Records the keys opened and closed.
class FakeRegistry : public Registry {
public:
    Keys keys;
    std::vector<std::string> opened;
    int closed = 0;

    long openKey(RegKey root, const std::string& subKey, std::uint32_t, RegKey& out) override {
        opened.push_back(subKey);
        if (root != kHKeyLocalMachine || !keys.count(subKey)) return 2;
        return out = static_cast<RegKey>(opened.size()), kRegSuccess;
    }
    long queryValue(RegKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        auto& values = keys.at(opened.at(key - 1));
        auto it = values.find(name);
        if (it == values.end() || it->second.failQuery) return 2;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), data);
        size = static_cast<std::uint32_t>(it->second.bytes.size());
        return type = it->second.type, kRegSuccess;
    }
    long closeKey(RegKey) override { return ++closed, kRegSuccess; }
};

class FakeStarter : public ProcessStarter {
public:
    std::set<std::string> files, hidden;  // ordinary files, and files that are not (hidden, system): both start
    std::vector<std::string> started;
    bool ordinaryFileExists(const std::string& p) const override { return files.count(p) > 0; }
    bool start(const std::string& p) override { return (files.count(p) || hidden.count(p)) && (started.push_back(p), true); }
};

const std::string kMsg = "System Information Is Unavailable At This Time";
std::string z(const char* s) { return std::string(s) + '\0'; }

}  // namespace

TEST(SysInfo, GetKeyValueTakesTextAndNumbersAsTheRegistryGivesThem) {
    FakeRegistry reg;
    reg.keys["K"] = {{"sz", {1, z("C:\\tool.exe")}}, {"raw", {1, "abc"}}, {"inner", {1, std::string("a\0b", 3)}},
                     {"neg", {4, std::string("\xfe\xff\xff\xff", 4)}}, {"num", {4, std::string("\x01\x02\0\0", 4)}},
                     {"bin", {3, "xyz"}}, {"bad", {1, "x", true}}};
    struct Case { const char *key, *name; std::string want; bool ok; int closed; };
    const Case cases[] = {
        {"K", "sz", "C:\\tool.exe", true, 1}, {"K", "raw", "abc", true, 2},  // no trailing zero: all n bytes
        {"K", "inner", std::string("a\0b", 3), true, 3}, {"K", "neg", "-2", true, 4}, {"K", "num", "513", true, 5},
        {"K", "bin", "kept", true, 6},   // other types leave KeyVal alone
        {"K", "bad", "", false, 7},      // query fails: emptied, key closed
        {"missing", "x", "", false, 7},  // open fails: nothing to close
    };
    for (const Case& c : cases) {
        RegKey root = kHKeyLocalMachine;
        std::string k = c.key, n = c.name, val = "kept";
        EXPECT_EQ(GetKeyValue(reg, root, k, n, val), c.ok) << c.name;
        EXPECT_EQ(val, c.want) << c.name;
        EXPECT_EQ(reg.closed, c.closed) << c.name;
    }
}

TEST(SysInfo, StartSysInfoTriesBothLookupsAndReportsEveryFailureOnce) {
    const std::string loc = kSysInfoLocationKey, exe = "C:\\Tools\\MSINFO32.EXE";
    const Keys path = {{kSysInfoKey, {{"PATH", {1, z("/opt/tool")}}}}};
    const Keys folder = {{loc, {{"MSINFO", {1, z("C:\\Tools")}}}}};
    struct Case {
        const char* what; Keys keys; std::set<std::string> files; std::string started; size_t lookups; int closed;
        std::set<std::string> hidden = {};  // files that would start but are no ordinary files
    };
    const Case cases[] = {  // started empty: the message instead
        {"own path, unchanged", path, {"/opt/tool"}, "/opt/tool", 1, 1},
        {"path that does not start", path, {}, "", 1, 1},
        {"empty path", {{kSysInfoKey, {{"PATH", {1, z("")}}}}}, {}, "", 1, 1},
        {"zero-length value", {{kSysInfoKey, {{"PATH", {1, ""}}}}, {loc, {{"MSINFO", {1, z("/x")}}}}}, {}, "", 1, 1},
        {"folder as read", folder, {exe}, exe, 2, 1},
        {"folder without program", folder, {"C:\\Tools"}, "", 2, 1},
        {"neither key", {}, {}, "", 2, 0},
        {"folder program that is no ordinary file", folder, {}, "", 2, 1, {exe}},
    };
    for (const Case& c : cases) {
        FakeRegistry reg;
        FakeStarter starter;
        test::FakeUi ui;
        reg.keys = c.keys, starter.files = c.files, starter.hidden = c.hidden;
        StartSysInfo(reg, starter, ui);
        EXPECT_EQ(starter.started, c.started.empty() ? std::vector<std::string>{} : std::vector{c.started}) << c.what;
        EXPECT_EQ(reg.opened.size(), c.lookups) << c.what;
        EXPECT_EQ(reg.closed, c.closed) << c.what;
        ASSERT_EQ(ui.messages.size(), c.started.empty() ? 1u : 0u) << c.what;
        for (const auto& m : ui.messages) EXPECT_EQ(m.text + "|" + m.title, kMsg + "|");
    }
}

TEST(SysInfo, DesktopLookupFindsTheToolOnPathAndStartsItForReal) {
    QTemporaryDir dir;
    const QString marker = dir.filePath("ran"), tool = dir.filePath("hardinfo");
    ASSERT_TRUE(test::writeFile(tool, QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8(), true));
    const std::string folders = "/nonexistent:" + dir.path().toStdString();
    test::FakeUi ui;
    QtProcessStarter real;
    LinuxRegistry none(folders, {"no-such-monitor"}), found(folders, LinuxRegistry::defaultTools());
    StartSysInfo(none, real, ui);  // the folder key has no counterpart either
    EXPECT_EQ(found.findTool(), tool.toStdString());
    StartSysInfo(found, real, ui);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));
    // A relative or empty PATH entry names the current folder, which may be anybody's: never searched.
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const std::string up = "../" + QDir(dir.path()).dirName().toStdString();
    for (const std::string& list : {std::string("."), std::string(), std::string("::"), std::string("./"), up})
        EXPECT_EQ(LinuxRegistry(list, {"hardinfo"}).findTool(), "") << list;
    QDir::setCurrent(here);
    QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // not executable: no tool
    EXPECT_EQ(found.findTool(), "");
    EXPECT_FALSE(real.start(""));
    EXPECT_FALSE(real.start(dir.filePath("absent").toStdString()));
}
