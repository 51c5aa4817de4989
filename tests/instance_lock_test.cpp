// The running copy's lock: held by another live process it is refused; that process killed
// outright, the lock is free again; a folder that cannot hold it is told apart.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/instance_lock.h"

namespace {

struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velmora-lock-" + std::to_string(getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

// A child process that takes the lock, says so through a pipe and waits to be killed.
pid_t childHoldingLock(const std::string& folder)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        const char answer = takeInstanceLock(folder) == InstanceLock::taken ? '+' : '-';
        [[maybe_unused]] const ssize_t sent = write(ready[1], &answer, 1);
        pause();
        _exit(0);
    }
    char answer = 0;
    [[maybe_unused]] const ssize_t got = read(ready[0], &answer, 1);
    close(ready[0]);
    close(ready[1]);
    return answer == '+' ? child : -1;
}

}  // namespace

// One process can hold one lock, so the answers are checked in the order a player meets them.
TEST(InstanceLock, AnswersForAFolderThatCannotHoldItAnotherCopyAndAKilledCopy)
{
    ScratchFolder scratch;
    std::ofstream(scratch.path / "file") << "not a folder";
    EXPECT_EQ(takeInstanceLock((scratch.path / "file" / "velmora").string()),
              InstanceLock::unavailable);

    const std::string folder = (scratch.path / "data").string();
    const pid_t child = childHoldingLock(folder);
    ASSERT_GT(child, 0);
    EXPECT_EQ(takeInstanceLock(folder), InstanceLock::heldElsewhere);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(takeInstanceLock(folder), InstanceLock::taken);
    EXPECT_EQ(takeInstanceLock(folder), InstanceLock::taken);
}

TEST(InstanceLock, EachFolderHasItsOwnName)
{
    EXPECT_EQ(instanceToken("/home/a/.local/share/velmora"),
              instanceToken("/home/a/.local/share/velmora"));
    EXPECT_NE(instanceToken("/home/a/.local/share/velmora"),
              instanceToken("/home/b/.local/share/velmora"));
}
