#pragma once
// Paths no document can come from, made in a test's folder: a pipe, a socket,
// a sparse file far larger than memory.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>

#include "temp_folder.h"

namespace quillane::testing {

inline std::string MakePipe(const TempFolder& dir, const std::string& name) {
    std::string path = dir.path(name);
    mkfifo(path.c_str(), 0644);
    return path;
}

// A socket file that stays while the returned descriptor is open.
inline std::string MakeSocket(const TempFolder& dir, const std::string& name, int& fd) {
    std::string path = dir.path(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    fd = socket(AF_UNIX, SOCK_STREAM, 0);
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return path;
}

inline std::string MakeSparseFile(const TempFolder& dir, const std::string& name, std::uintmax_t bytes) {
    std::string path = dir.write(name, "");
    std::filesystem::resize_file(path, bytes);
    return path;
}

inline constexpr std::uintmax_t kHundredGigabytes = std::uintmax_t{100} << 30;

// Lets go of anyone who waits to read a pipe: a program that opens the pipe
// and waits for a writer then reads an empty file and fails its test instead
// of hanging it.
class PipeReleaser {
public:
    explicit PipeReleaser(std::string path)
        : path_(std::move(path)), thread_([this] {
              while (!stop_) {
                  int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
              }
          }) {}
    ~PipeReleaser() {
        stop_ = true;
        thread_.join();
    }
    PipeReleaser(const PipeReleaser&) = delete;
    PipeReleaser& operator=(const PipeReleaser&) = delete;

private:
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace quillane::testing
