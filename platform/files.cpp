// Reading whole files and replacing files through a new file renamed over the old one.
#include "platform/files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/file_calls.h"

namespace {

// The file a write to `path` must replace: the target of a symbolic link, else the path.
// False when the name cannot be a file: too long, a link loop, a folder that is not there or
// may not be looked into.
bool resolveTarget(const std::string& path, std::string& target, struct stat& info,
                   bool& existed)
{
    target = path;
    existed = lstat(path.c_str(), &info) == 0;
    if (!existed && errno != ENOENT)
        return false;
    if (existed && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) == nullptr)
            return false;
        target = resolved;
        existed = stat(target.c_str(), &info) == 0;
    }
    return true;
}

// The folder part of `path`, with its slash: empty for a bare name.
std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Opens a new, unused file in the folder of `target`. Its short name of its own leaves a
// target whose name is as long as the system allows replaceable. -1 when none can be made.
int createTemporary(const std::string& target, std::string& temporary)
{
    const std::string prefix = folderOf(target) + ".velmora-" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = prefix + std::to_string(attempt) + ".tmp";
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = fileCalls().write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename that put `target` in place last across a crash. A file system that cannot
// sync a folder (EINVAL) keeps its entries by other means.
bool syncFolderOf(const std::string& target)
{
    const std::string folder = folderOf(target);
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = fileCalls().fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

// A file that no one may write, whoever asks: its owner has taken every write permission.
bool readOnly(const struct stat& info, const std::string& path)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace

FileCalls& fileCalls()
{
    static FileCalls calls{::write, ::fsync, ::rename};
    return calls;
}

FileReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes)
{
    // Without waiting: a pipe would otherwise hold the game until someone writes into it.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileReadOutcome::cannotOpen;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        close(fd);
        return FileReadOutcome::failed;
    }
    if (!resizeWithinMemory(bytes, static_cast<std::size_t>(info.st_size))) {
        close(fd);
        return FileReadOutcome::failed;
    }
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    // A file that grew while it was read is not taken whole either.
    std::uint8_t extra = 0;
    ok = ok && read(fd, &extra, 1) == 0;
    close(fd);
    return ok ? FileReadOutcome::read : FileReadOutcome::failed;
}

FileWriteOutcome replaceFileContents(const std::string& path,
                                     const std::function<bool(const FileTransfer&)>& produce,
                                     bool syncToDisk)
{
    std::string target;
    struct stat info;
    bool existed = false;
    if (!resolveTarget(path, target, info, existed))
        return FileWriteOutcome::cannotCreate;
    // A file that may not be written is not replaced behind the owner's back.
    if (existed && (!S_ISREG(info.st_mode) || readOnly(info, target)))
        return FileWriteOutcome::cannotCreate;
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return FileWriteOutcome::cannotCreate;
    bool ok = !existed || fchmod(fd, info.st_mode & 07777) == 0;
    ok = ok && produce([fd](std::span<const std::uint8_t> bytes) { return writeAll(fd, bytes); });
    ok = ok && (!syncToDisk || fileCalls().fsync(fd) == 0);
    ok = close(fd) == 0 && ok;
    if (!ok || fileCalls().rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return FileWriteOutcome::failed;
    }
    if (syncToDisk && !syncFolderOf(target))
        return FileWriteOutcome::failed;
    return FileWriteOutcome::written;
}
