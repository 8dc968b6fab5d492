#pragma once
#include <string>
#include <vector>

namespace quillane {

struct LaunchResult {
    bool started = false;
    std::string error;  // why it did not start
};

// Starts a program detached, from an argument vector: no shell ever sees the
// arguments, so spaces, quotes and ';' arrive intact.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace quillane
