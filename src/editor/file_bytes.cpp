#include "editor/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <span>
#include <string>
#include <vector>

namespace quillane {

namespace {

constexpr int kMaxLinkHops = 40;            // as the kernel allows
constexpr std::size_t kTempBaseLength = 64;  // keeps the temporary name short
constexpr std::size_t kReadChunk = 65536;      // one read past a file's stated size

std::string ErrorText(int error) { return std::strerror(error); }

constexpr const char* kNotARegularFile = "Not a regular file (a pipe, socket or device)";

std::string TooLargeText(std::size_t maxBytes) {
    return ErrorText(EFBIG) + " (the largest document is " + std::to_string(maxBytes >> 20) + " MB)";
}

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


std::size_t TotalSize(std::span<const std::string_view> pieces) {
    std::size_t total = 0;
    for (std::string_view piece : pieces) total += piece.size();
    return total;
}

// Makes sure the disk holds length bytes for the file before any is written:
// 0, or the error (a full disk, the file size limit). Where the file system
// cannot reserve space, the growth past the old end is written as zeros.
int Reserve(int fd, off_t oldSize, off_t length) {
    if (length <= 0 || fallocate(fd, 0, 0, length) == 0) return 0;
    if (errno != EOPNOTSUPP) return errno;
    static const char zeros[kReadChunk] = {};
    for (off_t at = oldSize; at < length;) {
        ssize_t n = pwrite(fd, zeros, static_cast<std::size_t>(std::min<off_t>(length - at, sizeof zeros)), at);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        at += n;
    }
    return 0;
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The file itself gets the bytes: its links, owner, permissions and extended
// attributes stay as they are. Reserving the new length first makes a full
// disk or a file size limit fail before an old byte is overwritten; only a
// failure of the disk itself during the write can leave the file half new.
FileWriteResult WriteInPlace(const std::string& path, const struct stat& expected,
                             std::span<const std::string_view> pieces) {
    int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return WriteFailure(OpenFailureStatus(errno), errno);
    auto failed = [fd](FileStatus status, int error) {
        close(fd);
        return WriteFailure(status, error);
    };
    struct stat st {};
    if (fstat(fd, &st) != 0) return failed(FileStatus::Failed, errno);
    // Replaced by something else since it was looked at.
    if (!S_ISREG(st.st_mode) || !SameFile(st, expected)) return failed(FileStatus::CannotOpen, EAGAIN);

    const std::size_t size = TotalSize(pieces);
    if (size > static_cast<std::size_t>(std::numeric_limits<off_t>::max())) return failed(FileStatus::Failed, EFBIG);
    const off_t length = static_cast<off_t>(size);
    if (int error = Reserve(fd, st.st_size, length); error != 0) {
        // A reservation that failed part-way may have lengthened the file.
        if (st.st_size < length && ftruncate(fd, st.st_size) != 0) error = errno;
        return failed(FileStatus::Failed, error);
    }
    int error = 0;
    if (!WriteAll(fd, pieces, error)) return failed(FileStatus::Failed, error);
    if (ftruncate(fd, length) != 0 || fsync(fd) != 0) return failed(FileStatus::Failed, errno);
    if (close(fd) != 0) return WriteFailure(FileStatus::Failed, errno);
    return {};
}

mode_t CurrentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

}  // namespace

std::size_t MaxDocumentBytes() {
    constexpr std::size_t kCeiling = std::size_t{512} << 20;
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return kCeiling;
    return std::min(kCeiling, static_cast<std::size_t>(pages) / 8 * static_cast<std::size_t>(pageSize));
}

FileReadResult ReadFileBytes(const std::string& path) { return ReadFileBytes(path, MaxDocumentBytes()); }

FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    if (!IsUsablePath(path)) return {FileStatus::CannotOpen, {}, ErrorText(ENOENT)};
    const FileReadResult tooLarge{FileStatus::Failed, {}, TooLargeText(maxBytes)};
    const FileReadResult notAFile{FileStatus::Failed, {}, kNotARegularFile};
    // Looked at before it is opened: opening a pipe waits for a writer, and
    // opening a device can act on it.
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return {FileStatus::CannotOpen, {}, ErrorText(errno)};
    if (S_ISDIR(st.st_mode)) return {FileStatus::CannotOpen, {}, ErrorText(EISDIR)};
    if (!S_ISREG(st.st_mode)) return notAFile;
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxBytes) return tooLarge;

    // Should it have become a pipe since, opening does not wait.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {FileStatus::CannotOpen, {}, ErrorText(errno)};
    auto refused = [fd](FileReadResult result) {
        close(fd);
        return result;
    };
    if (fstat(fd, &st) != 0) return refused({FileStatus::Failed, {}, ErrorText(errno)});
    if (S_ISDIR(st.st_mode)) return refused({FileStatus::CannotOpen, {}, ErrorText(EISDIR)});
    if (!S_ISREG(st.st_mode)) return refused(notAFile);
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxBytes) return refused(tooLarge);
    const std::size_t expected = static_cast<std::size_t>(st.st_size);

    FileReadResult result;
    try {
        // Read straight into the result; whatever its size said, reading goes
        // on to the end (the file may have grown, a file of the system's own
        // folders says 0) and stops early when it has shrunk.
        result.bytes.resize(expected);
        std::size_t filled = 0;
        bool atEnd = false;
        while (filled < expected) {
            ssize_t n = read(fd, result.bytes.data() + filled, expected - filled);
            if (n < 0) {
                if (errno == EINTR) continue;
                return refused({FileStatus::Failed, {}, ErrorText(errno)});
            }
            if (n == 0) {
                atEnd = true;
                break;
            }
            filled += static_cast<std::size_t>(n);
        }
        result.bytes.resize(filled);
        char buffer[kReadChunk];
        while (!atEnd) {
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                return refused({FileStatus::Failed, {}, ErrorText(errno)});
            }
            if (n == 0) break;
            if (static_cast<std::size_t>(n) > maxBytes - result.bytes.size()) return refused(tooLarge);
            result.bytes.append(buffer, static_cast<std::size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        return refused({FileStatus::Failed, {}, ErrorText(ENOMEM)});
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
        if (!S_ISREG(st.st_mode)) return {FileStatus::CannotOpen, kNotARegularFile};
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
    const bool folderWritable =
        HasWriteBit(folderStat.st_mode) && access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
    // A new file in the target's place would lose what the old one had.
    if (exists && (!folderWritable || st.st_nlink > 1 || st.st_uid != geteuid()))
        return WriteInPlace(target, st, pieces);
    if (!folderWritable) return WriteFailure(FileStatus::CannotOpen, EACCES);

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
            // The file is ours; its group is kept where the system allows it.
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
