// Reading whole files and replacing files through a new file moved over the old one, with the
// Windows file calls on UTF-16 paths.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/utf16.h"

namespace {

// Closes the handle when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close()
    {
        const bool closed = !valid() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// Creates a new, unused file beside `target`.
HANDLE createTemporary(const std::wstring& target, std::wstring& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(attempt);
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

FileReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes)
{
    FileHandle file(CreateFileW(utf8ToUtf16(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return FileReadOutcome::cannotOpen;
    LARGE_INTEGER size;
    if (GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
        static_cast<std::uint64_t>(size.QuadPart) > maxBytes)
        return FileReadOutcome::failed;
    if (!resizeWithinMemory(bytes, static_cast<std::size_t>(size.QuadPart)))
        return FileReadOutcome::failed;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0)
            return FileReadOutcome::failed;
        done += read;
    }
    // A file that grew while it was read is not taken whole either.
    std::uint8_t extra = 0;
    DWORD read = 0;
    if (!ReadFile(file.get(), &extra, 1, &read, nullptr) || read != 0)
        return FileReadOutcome::failed;
    return FileReadOutcome::read;
}

FileWriteOutcome replaceFileContents(const std::string& path,
                                     const std::function<bool(const FileTransfer&)>& produce,
                                     bool syncToDisk)
{
    const std::wstring target = utf8ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    // A folder or a read-only file is not replaced behind the owner's back.
    if (existed && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return FileWriteOutcome::cannotCreate;
    std::wstring temporary;
    FileHandle file(createTemporary(target, temporary));
    if (!file.valid())
        return FileWriteOutcome::cannotCreate;
    bool ok = produce([&file](std::span<const std::uint8_t> bytes) {
        return writeAll(file.get(), bytes);
    });
    ok = ok && (!syncToDisk || FlushFileBuffers(file.get()) != 0);
    ok = file.close() && ok;
    if (!ok || !MoveFileExW(temporary.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return FileWriteOutcome::failed;
    }
    return FileWriteOutcome::written;
}
