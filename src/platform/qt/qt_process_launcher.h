#pragma once
#include "platform/process_launcher.h"

namespace quillane {

// Starts programs detached, with the program and its arguments handed to
// execve exactly as given: a file name that is not UTF-8 reaches the program
// byte for byte, which no conversion through QString would keep.
class QtProcessLauncher : public ProcessLauncher {
public:
    LaunchResult start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace quillane
