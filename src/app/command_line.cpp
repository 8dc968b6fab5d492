#include "app/command_line.h"

namespace quillane {

namespace {
// For a program started with no arguments at all, not even its name.
char kProgramName[] = "quillane";
}  // namespace

CommandLine::CommandLine(int argc, char** argv) {
    toolkitArgv_[0] = argc > 0 && argv[0] ? argv[0] : kProgramName;
    for (int i = 1; i < argc; ++i) files_.emplace_back(argv[i]);
}

}  // namespace quillane
