// One copy per library on Linux: the data folder's lock, and an abstract Unix socket through
// which a later copy asks the first to come to the front.
#include "platform/single_instance.h"

#include <glib-unix.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/gtk/gtk_window.h"
#include "platform/instance_lock.h"
#include "platform/system.h"

namespace {

// How long a later copy waits for the first to answer; the first may still be starting.
constexpr int answerWaitMilliseconds = 10000;
constexpr int connectRetryMilliseconds = 100;
constexpr char answer = '+';

// The socket's name in the abstract namespace (no file to leave behind), per user and data
// folder.
sockaddr_un socketAddress(const std::string& token, socklen_t& length)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = "velmora-" + std::to_string(getuid()) + "-" + token;
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return address;
}

// The peer runs as this user: nobody else's program may bring our window forward, and a later
// copy trusts no other user's socket that took the name.
bool peerIsThisUser(int fd)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == getuid();
}

void bringMainWindowForward()
{
    for (const auto& window : gtkbackend::allWindows())
        if (gtkbackend::isLive(window.get()) && !window->isDialog && window->toplevel) {
            gtk_window_present(GTK_WINDOW(window->toplevel));
            return;
        }
}

// A later copy connected: the main window comes forward and the copy is told so. The answer
// is one byte into an empty socket, so it never blocks.
gboolean answerLaterCopies(gint listener, GIOCondition, gpointer)
{
    for (;;) {
        const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR || errno == ECONNABORTED)
                return G_SOURCE_CONTINUE;
            // Out of descriptors or the like: stop listening rather than wake for ever.
            close(listener);
            return G_SOURCE_REMOVE;
        }
        if (peerIsThisUser(fd)) {
            bringMainWindowForward();
            [[maybe_unused]] const ssize_t sent = send(fd, &answer, 1, MSG_NOSIGNAL);
        }
        close(fd);
    }
}

void listenForLaterCopies(const std::string& token)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    socklen_t length = 0;
    const sockaddr_un address = socketAddress(token, length);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return;
    }
    g_unix_fd_add(fd, G_IO_IN, answerLaterCopies, nullptr);
}

// Connects to the first copy, retrying while it may still be starting; -1 when it never
// listens in time.
int connectToFirstCopy(const std::string& token)
{
    socklen_t length = 0;
    const sockaddr_un address = socketAddress(token, length);
    for (int waited = 0; waited < answerWaitMilliseconds; waited += connectRetryMilliseconds) {
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0)
            return fd;
        close(fd);
        g_usleep(connectRetryMilliseconds * 1000);
    }
    return -1;
}

bool askFirstCopyToComeForward(const std::string& token)
{
    const int fd = connectToFirstCopy(token);
    if (fd < 0)
        return false;
    bool answered = false;
    if (peerIsThisUser(fd)) {
        pollfd waiting{fd, POLLIN, 0};
        char reply = 0;
        answered = poll(&waiting, 1, answerWaitMilliseconds) == 1 && recv(fd, &reply, 1, 0) == 1 &&
                   reply == answer;
    }
    close(fd);
    return answered;
}

}  // namespace

InstanceClaim claimSingleInstance()
{
    return claimInstance(userDataFolder(), listenForLaterCopies, askFirstCopyToComeForward);
}
