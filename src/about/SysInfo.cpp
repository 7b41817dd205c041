#include "about/SysInfo.h"
#include "platform/Translations.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quorvane {

bool GetKeyValue(Registry& reg, RegKey& KeyRoot, std::string& KeyName, std::string& SubKeyRef, std::string& KeyVal) {
    RegKey key = 0;
    if (reg.openKey(KeyRoot, KeyName, kKeyAccessMask, key) != kRegSuccess) {
        KeyVal.clear();
        return false;
    }

    std::vector<unsigned char> buffer(kValueBufferSize, 0);
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (reg.queryValue(key, SubKeyRef, type, buffer.data(), size) != kRegSuccess) {
        KeyVal.clear();
        reg.closeKey(key);
        return false;
    }

    // A store that claims more than the buffer holds must not make us read past it.
    const std::size_t n = std::min<std::size_t>(size, kValueBufferSize);
    if (n == 0) {
        reg.closeKey(key);
        throw SysInfoError("the value " + SubKeyRef + " is empty");
    }
    std::string text(reinterpret_cast<const char*>(buffer.data()), n);
    if (text.back() == '\0') text.pop_back();

    if (type == kRegSz) {
        KeyVal = text;
    } else if (type == kRegDword) {
        std::uint32_t bits = static_cast<std::uint32_t>(buffer[0]) | static_cast<std::uint32_t>(buffer[1]) << 8 |
                             static_cast<std::uint32_t>(buffer[2]) << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
        std::int32_t value;
        std::memcpy(&value, &bits, sizeof value);
        KeyVal = std::to_string(value);
    }
    reg.closeKey(key);
    return true;
}

void StartSysInfo(Registry& reg, ProcessStarter& starter, UiServices& ui) {
    try {
        RegKey root = kHKeyLocalMachine;
        std::string keyName = kSysInfoKey, valueName = kSysInfoValue, path;
        if (!GetKeyValue(reg, root, keyName, valueName, path)) {
            std::string locKey = kSysInfoLocationKey, locValue = kSysInfoLocationValue, folder;
            if (!GetKeyValue(reg, root, locKey, locValue, folder)) throw SysInfoError("no location");
            // The folder is used as read: only the separator of the file name is added.
            path = folder + kSysInfoProgram;
            if (!starter.ordinaryFileExists(path)) throw SysInfoError("no program file");
        }
        if (!starter.start(path)) throw SysInfoError("cannot start " + path);
        return;
    } catch (const std::exception&) {
    }
    ui.message(trs("SysInfo", kSysInfoUnavailable));
}

}  // namespace quorvane
