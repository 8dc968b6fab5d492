#pragma once
#include "platform/process_launcher.h"

namespace quillane {

// Starts programs detached with QProcess, from the argument vector.
class QtProcessLauncher : public ProcessLauncher {
public:
    LaunchResult start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace quillane
