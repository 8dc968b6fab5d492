#pragma once
#include <span>
#include <string>
#include <string_view>

namespace quillane {

enum class FileStatus {
    Ok,
    // The file could not be opened: missing, unreadable or read-only, a
    // folder, an invalid name.
    CannotOpen,
    // Opened, but reading or writing failed (a disk error, a full disk).
    Failed,
};

struct FileReadResult {
    FileStatus status = FileStatus::Ok;
    std::string bytes;
    std::string error;  // the system's text for the error
    bool ok() const { return status == FileStatus::Ok; }
};

struct FileWriteResult {
    FileStatus status = FileStatus::Ok;
    std::string error;  // the system's text for the error
    bool ok() const { return status == FileStatus::Ok; }
};

// The whole content of a file. A folder cannot be opened.
FileReadResult ReadFileBytes(const std::string& path);

// Replaces a file's content so that it is never half written: the bytes go to
// a temporary file in the same folder, which then takes the target's place
// with the target's permissions. A symbolic link stays a link; its target is
// written. A file or folder without any write permission bit is read-only even
// for the superuser. On failure the old file is untouched and no temporary
// file is left. Files that are not regular files (devices, pipes) are written
// in place.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same for content given in pieces, written one after the other, so that
// a caller need not join them into one copy first.
FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces);

}  // namespace quillane
