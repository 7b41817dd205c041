#include "about/LinuxRegistry.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace quorvane {

namespace {
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;
constexpr RegKey kToolKey = 1;
}  // namespace

std::vector<std::string> LinuxRegistry::defaultTools() {
    return {"gnome-system-monitor", "kinfocenter", "hardinfo2", "hardinfo"};
}

LinuxRegistry::LinuxRegistry() : LinuxRegistry(std::getenv("PATH") ? std::getenv("PATH") : "", defaultTools()) {}

LinuxRegistry::LinuxRegistry(std::string pathList, std::vector<std::string> tools)
    : pathList_(std::move(pathList)), tools_(std::move(tools)) {}

std::string LinuxRegistry::findTool() const {
    for (const std::string& tool : tools_) {
        std::istringstream folders(pathList_);
        std::string folder;
        while (std::getline(folders, folder, ':')) {
            // An empty entry would mean the current folder: never start programs from there.
            if (folder.empty() || folder.front() != '/') continue;
            std::filesystem::path candidate = std::filesystem::path(folder) / tool;
            std::error_code ec;
            if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), X_OK) == 0)
                return candidate.string();
        }
    }
    return {};
}

long LinuxRegistry::openKey(RegKey root, const std::string& subKey, std::uint32_t, RegKey& opened) {
    // Only the tool's own key has a counterpart here; the folder key has none.
    if (root != kHKeyLocalMachine || subKey != kSysInfoKey) return kErrorFileNotFound;
    openedPath_ = findTool();
    if (openedPath_.empty()) return kErrorFileNotFound;
    opened = kToolKey;
    return kRegSuccess;
}

long LinuxRegistry::queryValue(RegKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                               std::uint32_t& size) {
    if (key != kToolKey) return kErrorInvalidHandle;
    if (valueName != kSysInfoValue) return kErrorFileNotFound;
    const std::size_t needed = openedPath_.size() + 1;  // with its terminating zero, as the registry stores it
    if (needed > size) {
        size = static_cast<std::uint32_t>(needed);
        return kErrorMoreData;
    }
    std::memcpy(data, openedPath_.c_str(), needed);
    size = static_cast<std::uint32_t>(needed);
    type = kRegSz;
    return kRegSuccess;
}

long LinuxRegistry::closeKey(RegKey key) {
    if (key != kToolKey) return kErrorInvalidHandle;
    openedPath_.clear();
    return kRegSuccess;
}

}  // namespace quorvane
