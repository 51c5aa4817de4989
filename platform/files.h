// Whole files read into memory and files replaced safely: CreateFile, ReadFile, WriteFile and
// MoveFileEx(MOVEFILE_REPLACE_EXISTING) as the game needs them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The longest path the platform accepts, terminating NUL included (MAX_PATH's role).
constexpr std::size_t maxPathChars = 4096;

enum class FileReadOutcome {
    read,        // `bytes` holds the whole file
    cannotOpen,  // the file could not be opened for reading
    failed,      // not a regular file, not read whole, or longer than maxBytes
};

// Reads the whole file into `bytes`. A file longer than maxBytes, anything but a regular file
// (a pipe, a device, a folder), or one the memory cannot hold, is not read: `failed`.
// Makes `bytes` `size` long; false (and `bytes` empty) when the memory cannot hold them.
bool resizeWithinMemory(std::vector<std::uint8_t>& bytes, std::size_t size);

FileReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes);

enum class FileWriteOutcome {
    written,       // the file now holds exactly what was written
    cannotCreate,  // the file could not be created, or an existing one is not writable
    failed,        // a transfer, a sync or the rename failed; only a failed folder sync comes
                   // after the new file took the old one's place
};

// Passes one transfer to the file; false when it could not be written whole.
using FileTransfer = std::function<bool(std::span<const std::uint8_t>)>;

// Writes a new file beside `path` through `produce`, which hands every transfer to the given
// FileTransfer and answers whether all of them succeeded; then flushes it (to the disk when
// `syncToDisk`) and renames it over `path`, and with `syncToDisk` syncs the folder so that the
// rename lasts too. An existing file keeps its permissions; a read-only one (write permission
// for no one, or not for us) is refused; a symbolic link keeps pointing where it
// did and its target is replaced. On any failure before the rename the new file is removed and
// the old one stays as it was.
FileWriteOutcome replaceFileContents(const std::string& path,
                                     const std::function<bool(const FileTransfer&)>& produce,
                                     bool syncToDisk);

// replaceFileContents with `bytes` as the whole file.
inline FileWriteOutcome replaceFileBytes(const std::string& path,
                                         std::span<const std::uint8_t> bytes, bool syncToDisk)
{
    return replaceFileContents(
        path, [bytes](const FileTransfer& transfer) { return transfer(bytes); }, syncToDisk);
}
