#pragma once
// The registry as this desktop answers it: there is no registry, so the tool's
// path comes from the desktop's own system-information program found on PATH.
#include "about/SysInfo.h"

#include <string>
#include <vector>

namespace quorvane {

class LinuxRegistry : public Registry {
public:
    // The programs looked for, in order of preference.
    static std::vector<std::string> defaultTools();

    // pathList is a PATH-style list of folders; by default the environment's PATH.
    LinuxRegistry();
    LinuxRegistry(std::string pathList, std::vector<std::string> tools);

    long openKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& opened) override;
    long queryValue(RegKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(RegKey key) override;

    // The first tool found on the list of folders, or empty.
    std::string findTool() const;

private:
    std::string pathList_;
    std::vector<std::string> tools_;
    std::string openedPath_;  // the tool found when the key was opened
};

}  // namespace quorvane
