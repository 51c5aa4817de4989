// The system calls that replacing a file makes, gathered in one table so that a test can watch
// their order or make one of them fail.
#pragma once

#include <sys/types.h>

#include <cstddef>

struct FileCalls {
    ssize_t (*write)(int fd, const void* bytes, std::size_t count);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The table replaceFileContents calls through; it starts with the system's own calls.
FileCalls& fileCalls();
