// The running copy's lock on Linux: flock on a file in the data folder, released by the kernel
// with the process.
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/paths.h"

namespace {

int heldLock = -1;

}  // namespace

InstanceLock takeInstanceLock(const std::string& folder)
{
    if (heldLock >= 0)
        return InstanceLock::taken;
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(folder), ignored);
    const std::string path = folder + "/instance.lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0)
        return InstanceLock::unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        heldLock = fd;
        return InstanceLock::taken;
    }
    const int error = errno;
    close(fd);
    return error == EWOULDBLOCK ? InstanceLock::heldElsewhere : InstanceLock::unavailable;
}
