#include "platform/qt/qt_process_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace quillane {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The file a program name stands for: a name with a folder as it is, else the
// first executable file of that name along PATH; "" when there is none.
std::string ProgramFile(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    const char* variable = std::getenv("PATH");
    std::string_view path = variable && *variable ? variable : "/usr/local/bin:/usr/bin:/bin";
    for (;;) {
        const std::size_t colon = path.find(':');
        std::string folder(path.substr(0, colon));
        // An empty entry is the current folder.
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + program;
        if (IsExecutableFile(candidate)) return candidate;
        if (colon == std::string_view::npos) return {};
        path.remove_prefix(colon + 1);
    }
}

// Why a program cannot run, or "" when it looks runnable. Checked first so the
// message names the program instead of a generic start failure.
std::string WhyNotRunnable(const std::string& program, const std::string& file) {
    if (program.empty()) return "No program was given to start.";
    struct stat info;
    if (file.empty() || ::stat(file.c_str(), &info) != 0) return "The program \"" + program + "\" was not found.";
    if (!IsExecutableFile(file)) return "The program \"" + program + "\" is not an executable file.";
    return {};
}

void CloseQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

// Between fork and execve only async-signal-safe calls: the other threads'
// locks are copied in whatever state they were.
[[noreturn]] void ReportAndExit(int report, int status) {
    const int error = errno;
    [[maybe_unused]] ssize_t written = ::write(report, &error, sizeof error);
    ::_exit(status);
}

}  // namespace

LaunchResult QtProcessLauncher::start(const std::string& program, const std::vector<std::string>& arguments) {
    const std::string file = ProgramFile(program);
    if (std::string why = WhyNotRunnable(program, file); !why.empty()) return {false, why};

    // Built before the fork: the child may not allocate.
    std::vector<std::string> words;
    words.reserve(arguments.size() + 1);
    words.push_back(program);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    const int nullInput = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    // The started program's execve closes the write end; a failed one writes
    // its errno there first.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        CloseQuietly(nullInput);
        return {false, "The program \"" + program + "\" could not be started: " + std::strerror(errno)};
    }

    // Started twice removed, in a session of its own, so that the program
    // belongs to no one here and leaves nothing to wait for.
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0) ReportAndExit(report[1], 1);
        if (grandchild > 0) ::_exit(0);
        if (nullInput >= 0) ::dup2(nullInput, STDIN_FILENO);
        struct sigaction standard = {};
        standard.sa_handler = SIG_DFL;
        ::sigaction(SIGPIPE, &standard, nullptr);
        sigset_t none;
        ::sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::execve(file.c_str(), argv.data(), environ);
        ReportAndExit(report[1], 127);
    }
    const int forkError = errno;
    ::close(report[1]);
    CloseQuietly(nullInput);

    int error = child < 0 ? forkError : 0;
    if (child > 0) {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        ssize_t got;
        while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        if (got != static_cast<ssize_t>(sizeof error)) error = 0;
    }
    ::close(report[0]);
    if (error != 0) return {false, "The program \"" + program + "\" could not be started: " + std::strerror(error)};
    return {true, {}};
}

}  // namespace quillane
