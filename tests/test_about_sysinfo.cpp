// Reading the tool's path from the registry and starting it.
#include "about/LinuxRegistry.h"
#include "about/QtProcessStarter.h"
#include "about/SysInfo.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <map>

using namespace quorvane;
using quorvane::test::FakeUi;

namespace {

struct Value {
    std::uint32_t type;
    std::string bytes;
    bool failQuery = false;
};

class FakeRegistry : public Registry {
public:
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;  // key names, in order
    std::vector<std::uint32_t> masks, querySizes;
    std::vector<RegKey> closed;
    bool bufferWasZero = true;

    long openKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& out) override {
        opened.push_back(subKey);
        masks.push_back(access);
        if (root != kHKeyLocalMachine || !keys.count(subKey)) return 2;
        out = static_cast<RegKey>(opened.size());
        handles[out] = subKey;
        return kRegSuccess;
    }
    long queryValue(RegKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        querySizes.push_back(size);
        for (std::uint32_t i = 0; i < size; ++i) bufferWasZero = bufferWasZero && data[i] == 0;
        auto& values = keys.at(handles.at(key));
        auto it = values.find(name);
        if (it == values.end() || it->second.failQuery) return 2;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), data);
        size = static_cast<std::uint32_t>(it->second.bytes.size());
        type = it->second.type;
        return kRegSuccess;
    }
    long closeKey(RegKey key) override {
        closed.push_back(key);
        return kRegSuccess;
    }

private:
    std::map<RegKey, std::string> handles;
};

class FakeStarter : public ProcessStarter {
public:
    std::set<std::string> files;  // ordinary files that exist; only these start
    std::vector<std::string> started;
    bool ordinaryFileExists(const std::string& p) const override { return files.count(p) > 0; }
    bool start(const std::string& p) override {
        if (!files.count(p)) return false;
        started.push_back(p);
        return true;
    }
};

const std::string kMsg = "System Information Is Unavailable At This Time";

struct SysInfoTest : ::testing::Test {
    void SetUp() override { std::setlocale(LC_ALL, "en_US.UTF-8"); }
    FakeRegistry reg;
    FakeStarter starter;
    FakeUi ui;
    std::string read(const std::string& key, const std::string& name, std::string val = "kept", bool* ok = nullptr) {
        RegKey root = kHKeyLocalMachine;
        std::string k = key, n = name;
        bool r = GetKeyValue(reg, root, k, n, val);
        if (ok) *ok = r;
        return val;
    }
};

}  // namespace

TEST_F(SysInfoTest, GetKeyValueTakesTextAndNumbersAsTheRegistryGivesThem) {
    reg.keys["K"] = {{"sz", {1, std::string("C:\\tool.exe\0", 12)}},
                     {"raw", {1, "abc"}},
                     {"inner", {1, std::string("a\0b", 3)}},
                     {"neg", {4, std::string("\xfe\xff\xff\xff", 4)}},
                     {"big", {4, std::string("\x00\x00\x00\x80", 4)}},
                     {"bin", {3, "xyz"}},
                     {"bad", {1, "x", true}}};
    bool ok = false;
    EXPECT_EQ(read("K", "sz", "", &ok), "C:\\tool.exe");
    EXPECT_TRUE(ok);
    EXPECT_EQ(read("K", "raw"), "abc");  // no trailing zero: all n bytes
    EXPECT_EQ(read("K", "inner"), std::string("a\0b", 3));
    EXPECT_EQ(read("K", "neg"), "-2");
    EXPECT_EQ(read("K", "big"), "-2147483648");
    EXPECT_EQ(read("K", "bin", "kept", &ok), "kept");
    EXPECT_TRUE(ok);
    EXPECT_EQ(reg.closed.size(), 6u);

    EXPECT_EQ(read("K", "bad", "kept", &ok), "");  // query fails: emptied, key closed
    EXPECT_FALSE(ok);
    EXPECT_EQ(reg.closed.size(), 7u);
    EXPECT_EQ(read("missing", "x", "kept", &ok), "");  // open fails: nothing to close
    EXPECT_FALSE(ok);
    EXPECT_EQ(reg.closed.size(), 7u);

    for (auto m : reg.masks) EXPECT_EQ(m, 0x2003Fu);
    for (auto s : reg.querySizes) EXPECT_EQ(s, 1024u);
    EXPECT_TRUE(reg.bufferWasZero);
}

TEST_F(SysInfoTest, StartSysInfoTriesBothLookupsAndReportsEveryFailureOnce) {
    // The tool's own path: started unchanged, the folder key never read.
    reg.keys[kSysInfoKey] = {{"PATH", {1, std::string("/opt/tool\0", 10)}}};
    starter.files = {"/opt/tool"};
    StartSysInfo(reg, starter, ui);
    EXPECT_EQ(starter.started, std::vector<std::string>{"/opt/tool"});
    EXPECT_EQ(reg.opened, std::vector<std::string>{kSysInfoKey});
    EXPECT_TRUE(ui.messages.empty());

    // The path names nothing that starts: the message, and no second lookup.
    reg.opened.clear();
    starter.files.clear();
    StartSysInfo(reg, starter, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kMsg);
    EXPECT_EQ(ui.messages[0].title, "");
    EXPECT_EQ(reg.opened.size(), 1u);

    // An empty string value is an empty path, which cannot start.
    reg.keys[kSysInfoKey]["PATH"] = {1, std::string("\0", 1)};
    StartSysInfo(reg, starter, ui);
    EXPECT_EQ(ui.messages.size(), 2u);

    // A zero-length value: the key is closed and nothing else is looked up.
    reg.opened.clear();
    reg.closed.clear();
    reg.keys[kSysInfoKey]["PATH"] = {1, ""};
    StartSysInfo(reg, starter, ui);
    EXPECT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(reg.opened.size(), 1u);
    EXPECT_EQ(reg.closed.size(), 1u);

    // Only the folder: its program file, the folder used as read.
    reg.keys.erase(kSysInfoKey);
    reg.keys[kSysInfoLocationKey] = {{"MSINFO", {1, std::string("C:\\Tools\0", 9)}}};
    starter.files = {"C:\\Tools\\MSINFO32.EXE"};
    StartSysInfo(reg, starter, ui);
    EXPECT_EQ(starter.started.back(), "C:\\Tools\\MSINFO32.EXE");
    EXPECT_EQ(ui.messages.size(), 3u);

    starter.files.clear();  // the folder without the program file
    StartSysInfo(reg, starter, ui);
    reg.keys.clear();  // neither key
    StartSysInfo(reg, starter, ui);
    EXPECT_EQ(ui.messages.size(), 5u);
    for (const auto& m : ui.messages) EXPECT_EQ(m.text, kMsg);
}

TEST_F(SysInfoTest, DesktopLookupFindsTheToolOnPathAndStartsItForReal) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString marker = dir.filePath("ran");
    const QString tool = dir.filePath("hardinfo");
    {
        QFile f(tool);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    const std::string folders = "/nonexistent:" + dir.path().toStdString();

    // Nothing installed: the first lookup fails and the second has no counterpart.
    LinuxRegistry none(folders, {"no-such-monitor"});
    QtProcessStarter real;
    StartSysInfo(none, real, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, kMsg);

    LinuxRegistry found(folders, LinuxRegistry::defaultTools());
    EXPECT_EQ(found.findTool(), tool.toStdString());
    StartSysInfo(found, real, ui);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));

    // A file that is not executable is no tool.
    QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(found.findTool(), "");
    EXPECT_FALSE(real.start(""));
    EXPECT_FALSE(real.start(dir.filePath("absent").toStdString()));
}
