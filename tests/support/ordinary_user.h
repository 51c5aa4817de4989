// Running a check with an ordinary user's permissions, which bind where root's do not.
#pragma once

#include <filesystem>
#include <functional>

namespace testing_support {

// Runs `check` as an ordinary user and answers whether it passed. When the tests run as root,
// `folder` and everything in it is given to the user and group nobody (65534) and the check
// runs in a child process that has become that user first (its failures are reported on the
// standard error, not through the test framework); otherwise it simply runs here.
bool asOrdinaryUser(const std::filesystem::path& folder, const std::function<bool()>& check);

}  // namespace testing_support
