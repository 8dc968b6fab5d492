#pragma once
#include <string>
#include <vector>

namespace quillane {

// The program's arguments, split between the toolkit and the program. Every
// argument after the program's name is a file to open, also one that looks
// like a toolkit option ("-reverse", "-style"): the toolkit gets the
// program's name alone and takes its settings from the environment.
class CommandLine {
public:
    CommandLine(int argc, char** argv);
    // The toolkit keeps references to these for the whole run.
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    int& toolkitArgc() { return toolkitArgc_; }
    char** toolkitArgv() { return toolkitArgv_; }
    // The files, as the bytes the shell passed.
    const std::vector<std::string>& files() const { return files_; }

private:
    int toolkitArgc_ = 1;
    char* toolkitArgv_[2] = {nullptr, nullptr};
    std::vector<std::string> files_;
};

}  // namespace quillane
