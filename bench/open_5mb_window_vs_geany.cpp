// The whole program started on a generated 5 MB page, against geany, a
// Scintilla-based editor from Debian, started on the same page with line
// wrapping on to match Quillane's default word wrap. Both run in one private
// Xvfb server with openbox; each is timed until its CPU is idle (user plus
// system time unchanged for a second): what the machine spends before the
// page is ready, including any wrapping or colouring it leaves to idle time.
//
// Prints "open_5mb_window_vs_geany: <ratio>" (Quillane's CPU seconds over
// geany's, best of a few runs each; below 1 is ahead); the CPU and wall times
// and the peak resident memory of both go to stderr. Without Xvfb, openbox
// or geany it says so on stderr and prints no ratio.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench_support.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kPageBytes = 5u * 1024 * 1024;
constexpr int kRuns = 3;
constexpr double kIdleSeconds = 1.0;
constexpr double kGiveUpSeconds = 120.0;

struct Usage {
    double cpu = 0;   // user + system seconds until idle
    double wall = 0;  // seconds from the start to the last CPU tick
    long peakKb = 0;  // VmHWM
    bool ok = false;
};

// Starts `argv` with `env` added to this process's environment; its output
// goes to /dev/null.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    ::setpgid(0, 0);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, 0);
    ::dup2(null, 1);
    ::dup2(null, 2);
    for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
}

void Stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(-pid, SIGTERM);
    for (int k = 0; k < 40; ++k) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(-pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// utime + stime of the process in seconds, or -1 once it is gone.
double CpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return -1;
    // The fields after the command name, which is in parentheses.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int k = 3; k <= 15 && fields >> field; ++k) {
        if (k == 3 && field == "Z") return -1;
        if (k == 14) utime = std::stoull(field);
        if (k == 15) stime = std::stoull(field);
    }
    return double(utime + stime) / double(::sysconf(_SC_CLK_TCK));
}

long PeakKb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

Usage RunUntilIdle(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    Usage usage;
    const Clock::time_point start = Clock::now();
    const pid_t pid = Spawn(argv, env);
    double last = -1;
    Clock::time_point lastChange = start;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const double cpu = CpuSeconds(pid);
        const Clock::time_point now = Clock::now();
        if (cpu < 0) break;  // it ended by itself: a failed start
        if (cpu != last) {
            last = cpu;
            lastChange = now;
        } else if (std::chrono::duration<double>(now - lastChange).count() >= kIdleSeconds && cpu > 0) {
            usage.cpu = cpu;
            usage.wall = std::chrono::duration<double>(lastChange - start).count();
            usage.peakKb = PeakKb(pid);
            usage.ok = true;
            break;
        }
        if (std::chrono::duration<double>(now - start).count() > kGiveUpSeconds) break;
    }
    Stop(pid);
    return usage;
}

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
    return false;
}

// A display number no X server uses.
int FreeDisplay() {
    for (int n = 90; n < 200; ++n) {
        const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        if (::access(lock.c_str(), F_OK) != 0 && ::access(socket.c_str(), F_OK) != 0) return n;
    }
    return -1;
}

void Best(Usage& best, const Usage& run) {
    if (!run.ok) return;
    if (!best.ok || run.cpu < best.cpu) best = run;
}

}  // namespace

int main(int, char** argv) {
    for (const char* program : {"Xvfb", "openbox", "geany"}) {
        if (!OnPath(program)) {
            std::fprintf(stderr, "open_5mb_window_vs_geany: %s is not installed; skipped\n", program);
            return 0;
        }
    }
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    const std::string quillane = (self.parent_path().parent_path() / "quillane").string();
    if (::access(quillane.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "open_5mb_window_vs_geany: no program at %s\n", quillane.c_str());
        return 1;
    }
    (void)argv;

    quillane::bench::BenchFolder folder;
    const std::string page = folder.file("page.htm");
    if (folder.path.empty() || !quillane::bench::WriteBytes(page, quillane::bench::MakeTablePage(kPageBytes))) {
        std::fprintf(stderr, "open_5mb_window_vs_geany: cannot write the page\n");
        return 1;
    }
    // Private settings: Quillane's defaults without the start screen and the
    // tip, geany's with line wrapping on.
    const std::string config = folder.file("config");
    const std::string geanyConfig = folder.file("geany");
    std::filesystem::create_directories(config + "/Quillane");
    std::filesystem::create_directories(geanyConfig);
    quillane::bench::WriteBytes(config + "/Quillane/Quillane.ini",
                                "[Miscellaneous]\nMainMenuBox=off\nTipOfTheDay=off\n");
    quillane::bench::WriteBytes(geanyConfig + "/geany.conf", "[geany]\nline_wrapping=true\n");

    const int display = FreeDisplay();
    if (display < 0) {
        std::fprintf(stderr, "open_5mb_window_vs_geany: no free display\n");
        return 1;
    }
    const std::string name = ":" + std::to_string(display);
    const pid_t xvfb = Spawn({"Xvfb", name, "-screen", "0", "1600x1000x24", "-nolisten", "tcp"}, {});
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
    for (int k = 0; k < 100 && ::access(socket.c_str(), F_OK) != 0; ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string displayEnv = "DISPLAY=" + name;
    const pid_t openbox = Spawn({"openbox"}, {displayEnv});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const std::vector<std::string> env = {displayEnv, "XDG_CONFIG_HOME=" + config, "QT_QPA_PLATFORM=xcb",
                                          "HOME=" + folder.path};
    Usage ours, theirs;
    for (int run = 0; run < kRuns; ++run) {
        Best(ours, RunUntilIdle({quillane, page}, env));
        Best(theirs, RunUntilIdle({"geany", "-c", geanyConfig, "-i", page}, env));
    }
    Stop(openbox);
    Stop(xvfb);

    if (!ours.ok || !theirs.ok) {
        std::fprintf(stderr, "open_5mb_window_vs_geany: %s did not come to rest\n", ours.ok ? "geany" : "Quillane");
        return 1;
    }
    std::fprintf(stderr,
                 "5 MB page, best of %d, until idle: Quillane %.2f s CPU, %.2f s wall, peak RSS %ld MB; geany (line "
                 "wrapping on) %.2f s CPU, %.2f s wall, peak RSS %ld MB\n",
                 kRuns, ours.cpu, ours.wall, ours.peakKb / 1024, theirs.cpu, theirs.wall, theirs.peakKb / 1024);
    std::printf("open_5mb_window_vs_geany: %.2f\n", ours.cpu / theirs.cpu);
    return 0;
}
