#pragma once
// The launcher of the system-information tool and its registry reader, over a
// small registry interface and a process starter so that both can be faked.
#include "converter/Interfaces.h"

#include <QtGlobal>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace quorvane {

using RegKey = std::uint32_t;  // a key handle, root or opened

inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;
// Query and set values, create and enumerate subkeys, notify, create link, read control.
inline constexpr std::uint32_t kKeyAccessMask = 0x2003Fu;
inline constexpr long kRegSuccess = 0;
inline constexpr std::uint32_t kRegSz = 1;     // string value
inline constexpr std::uint32_t kRegDword = 4;  // 32-bit number
inline constexpr std::uint32_t kValueBufferSize = 1024;

inline constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoValue = "PATH";
inline constexpr const char* kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoLocationValue = "MSINFO";
inline constexpr const char* kSysInfoProgram = "\\MSINFO32.EXE";
inline constexpr const char* kSysInfoUnavailable =
    QT_TRANSLATE_NOOP("SysInfo", "System Information Is Unavailable At This Time");

// The system configuration store, as the three registry calls see it. Each call
// returns kRegSuccess or an error code.
class Registry {
public:
    virtual ~Registry() = default;
    virtual long openKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& opened) = 0;
    // Reads the value into data (size bytes on entry); sets type and the bytes written.
    virtual long queryValue(RegKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                            std::uint32_t& size) = 0;
    virtual long closeKey(RegKey key) = 0;
};

// Files and programs the launcher needs.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // An ordinary file (not hidden, not a system file, not a folder) is at path.
    virtual bool ordinaryFileExists(const std::string& path) const = 0;
    // Starts path as a program without waiting for it; false when it did not start.
    virtual bool start(const std::string& path) = 0;
};

// A value that cannot be taken as text (zero length): a run-time failure.
class SysInfoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads one value as text into KeyVal; true when it was read. Throws SysInfoError
// for a zero-length value, after closing the key.
bool GetKeyValue(Registry& reg, RegKey& KeyRoot, std::string& KeyName, std::string& SubKeyRef, std::string& KeyVal);

// Finds the tool through the two lookups and starts it; every failure ends in the
// one message through ui.
void StartSysInfo(Registry& reg, ProcessStarter& starter, UiServices& ui);

}  // namespace quorvane
