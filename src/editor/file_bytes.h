#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quillane {

enum class FileStatus {
    Ok,
    // The file could not be opened: missing, unreadable or read-only, a
    // folder, an invalid name; for writing also anything but a regular file.
    CannotOpen,
    // Reading or writing failed (a disk error, a full disk), or the file is
    // there but is not read: too large, or a pipe, socket or device.
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

// The largest file read as a document: 512 MiB, or an eighth of the physical
// memory where that is less. The editor keeps at most 2 GiB, and a file's text
// can grow threefold on the way in (a windows-1252 byte becomes up to three
// bytes of UTF-8, a UNIX line end two bytes); while a page opens it is held
// several times over (the bytes, the decoded text, the editor's text and its
// styles), so a larger one would end in the system running out of memory.
std::size_t MaxDocumentBytes();

// The whole content of a regular file of at most maxBytes bytes. A folder
// cannot be opened. Pipes, sockets and devices are refused without waiting
// for a writer or acting on the device, and so is a file past maxBytes, also
// one that gives more than its size said (nothing is read without a bound).
FileReadResult ReadFileBytes(const std::string& path, std::size_t maxBytes);
// The same, bounded by MaxDocumentBytes().
FileReadResult ReadFileBytes(const std::string& path);

// Replaces a file's content so that it is never half written: the bytes go to
// a temporary file in the same folder, which then takes the target's place
// with the target's permissions. A symbolic link stays a link; its target is
// written. A file or folder without any write permission bit is read-only even
// for the superuser. On failure the old file is untouched and no temporary
// file is left.
// Where a new file in the folder would lose something, the file is written in
// place instead: a folder that cannot be written (a file in it can), a file
// with more than one hard link (the links stay one file) and a file of another
// owner (it keeps its owner). The space is reserved first, so that a full disk
// or a file size limit fails before any old byte changes.
// Anything but a regular file (a pipe, a device) cannot be opened.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);
// The same for content given in pieces, written one after the other, so that
// a caller need not join them into one copy first.
FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::string_view> pieces);

}  // namespace quillane
