#include "editor/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <span>
#include <vector>

namespace quillane {

namespace {

constexpr int kMaxLinkHops = 40;            // as the kernel allows
constexpr std::size_t kTempBaseLength = 64;  // keeps the temporary name short

std::string ErrorText(int error) { return std::strerror(error); }

FileWriteResult WriteFailure(FileStatus status, int error) { return {status, ErrorText(error)}; }

// A path the system would read differently from the text: an embedded NUL
// would silently cut it short.
bool IsUsablePath(const std::string& path) { return !path.empty() && path.find('\0') == std::string::npos; }

std::string FolderPart(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool HasWriteBit(mode_t mode) { return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0; }

// Follows symbolic links to the file they finally name, which need not exist
// yet. False on a link loop or an unreadable link.
bool ResolveLinks(std::string& path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        ssize_t n = readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        path = target.starts_with('/') ? target : FolderPart(path) + target;
    }
    return false;
}

bool WriteAll(int fd, std::span<const std::string_view> pieces, int& error) {
    for (std::string_view bytes : pieces) {
        while (!bytes.empty()) {
            ssize_t n = write(fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                error = errno;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    return true;
}

// Errors that say the disk rather than the name or the permissions failed.
bool IsResourceError(int error) {
    return error == ENOSPC || error == EDQUOT || error == EIO || error == EMFILE || error == ENFILE ||
           error == ENOMEM;
}

FileStatus OpenFailureStatus(int error) { return IsResourceError(error) ? FileStatus::Failed : FileStatus::CannotOpen; }

// Devices and pipes cannot be replaced; they get the bytes directly. A pipe
// without a reader is refused instead of blocking.
FileWriteResult WriteInPlace(const std::string& path, std::span<const std::string_view> pieces) {
    int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return WriteFailure(OpenFailureStatus(errno), errno);
    int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int error = 0;
    bool written = WriteAll(fd, pieces, error);
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) return WriteFailure(FileStatus::Failed, error);
    return {};
}

mode_t CurrentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

FileReadResult ReadFileBytes(const std::string& path) {
    FileReadResult result;
    if (!IsUsablePath(path)) return {FileStatus::CannotOpen, {}, ErrorText(ENOENT)};
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {FileStatus::CannotOpen, {}, ErrorText(errno)};
    struct stat st {};
    std::size_t expected = 0;
    if (fstat(fd, &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            close(fd);
            return {FileStatus::CannotOpen, {}, ErrorText(EISDIR)};
        }
        if (S_ISREG(st.st_mode) && st.st_size > 0) expected = static_cast<std::size_t>(st.st_size);
    }
    auto failed = [&](int error) {
        close(fd);
        return FileReadResult{FileStatus::Failed, {}, ErrorText(error)};
    };
    // A regular file is read straight into the result; whatever its size
    // said, reading goes on to the end (the file may have grown) and stops
    // early when it has shrunk.
    result.bytes.resize(expected);
    std::size_t filled = 0;
    bool atEnd = false;
    while (filled < expected) {
        ssize_t n = read(fd, result.bytes.data() + filled, expected - filled);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(errno);
        }
        if (n == 0) {
            atEnd = true;
            break;
        }
        filled += static_cast<std::size_t>(n);
    }
    result.bytes.resize(filled);
    char buffer[65536];
    while (!atEnd) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(errno);
        }
        if (n == 0) break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return result;
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFileAtomically(path, std::span<const std::string_view>(&bytes, 1));
}

FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces) {
    if (!IsUsablePath(path) || path.ends_with('/')) return WriteFailure(FileStatus::CannotOpen, EINVAL);
    std::string target = path;
    if (!ResolveLinks(target)) return WriteFailure(FileStatus::CannotOpen, ELOOP);

    struct stat st {};
    bool exists = stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return WriteFailure(FileStatus::CannotOpen, errno);
    if (exists) {
        if (S_ISDIR(st.st_mode)) return WriteFailure(FileStatus::CannotOpen, EISDIR);
        if (!S_ISREG(st.st_mode)) return WriteInPlace(target, pieces);
        // access() grants the superuser everything; the permission bits say
        // what the owner meant.
        if (access(target.c_str(), W_OK) != 0) return WriteFailure(FileStatus::CannotOpen, errno);
        if (!HasWriteBit(st.st_mode)) return WriteFailure(FileStatus::CannotOpen, EACCES);
    }

    std::string folder = FolderPart(target);
    struct stat folderStat {};
    if (stat(folder.empty() ? "." : folder.c_str(), &folderStat) != 0)
        return WriteFailure(FileStatus::CannotOpen, errno);
    if (!S_ISDIR(folderStat.st_mode)) return WriteFailure(FileStatus::CannotOpen, ENOTDIR);
    if (!HasWriteBit(folderStat.st_mode)) return WriteFailure(FileStatus::CannotOpen, EACCES);

    std::string base = target.substr(folder.size()).substr(0, kTempBaseLength);
    std::string temp = folder + "." + base + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return WriteFailure(OpenFailureStatus(errno), errno);

    int error = 0;
    bool ok = WriteAll(fd, pieces, error);
    if (ok && fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) {
        mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
        if (exists) {
            // Keeping owner and group works only where the system allows it;
            // otherwise the file stays ours, which loses nothing.
            [[maybe_unused]] int kept = fchown(fd, st.st_uid, st.st_gid);
        }
        if (fchmod(fd, mode) != 0) {
            ok = false;
            error = errno;
        }
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        return WriteFailure(FileStatus::Failed, error);
    }
    // The new name must survive a crash as well as the content.
    int dirFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return {};
}

}  // namespace quillane
