// A forked child that drops root's privileges before a permission check.
#include "tests/support/ordinary_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace testing_support {

namespace {

constexpr uid_t nobody = 65534;

}  // namespace

bool asOrdinaryUser(const std::filesystem::path& folder, const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    if (lchown(folder.c_str(), nobody, nobody) != 0)
        return false;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (lchown(entry.path().c_str(), nobody, nobody) != 0)
            return false;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0 ||
            access(folder.c_str(), X_OK) != 0) {
            std::fprintf(stderr, "user %u cannot reach %s\n", nobody, folder.c_str());
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace testing_support
