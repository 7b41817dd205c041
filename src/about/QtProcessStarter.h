#pragma once
// Starting the system-information tool with Qt: directly, never through a shell.
#include "about/SysInfo.h"

namespace quorvane {

class QtProcessStarter : public ProcessStarter {
public:
    bool ordinaryFileExists(const std::string& path) const override;
    bool start(const std::string& path) override;
};

}  // namespace quorvane
