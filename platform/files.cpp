// Reading whole files and replacing files through a new file renamed over the old one.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace {

// The file a write to `path` must replace: the target of a symbolic link, else the path.
bool resolveTarget(const std::string& path, std::string& target, struct stat& info,
                   bool& existed)
{
    target = path;
    existed = lstat(path.c_str(), &info) == 0;
    if (existed && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) == nullptr)
            return false;
        target = resolved;
        existed = stat(target.c_str(), &info) == 0;
    }
    return true;
}

// Opens a new, unused file beside `target`; -1 when none can be made.
int createTemporary(const std::string& target, std::string& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
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
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileReadOutcome readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                              std::size_t maxBytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileReadOutcome::cannotOpen;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        close(fd);
        return FileReadOutcome::failed;
    }
    bytes.resize(static_cast<std::size_t>(info.st_size));
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
    if (existed && (!S_ISREG(info.st_mode) || access(target.c_str(), W_OK) != 0))
        return FileWriteOutcome::cannotCreate;
    std::string temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return FileWriteOutcome::cannotCreate;
    bool ok = !existed || fchmod(fd, info.st_mode & 07777) == 0;
    ok = ok && produce([fd](std::span<const std::uint8_t> bytes) { return writeAll(fd, bytes); });
    ok = ok && (!syncToDisk || fsync(fd) == 0);
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return FileWriteOutcome::failed;
    }
    return FileWriteOutcome::written;
}
