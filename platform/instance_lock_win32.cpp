// The running copy's lock on Windows: a named mutex of the folder, which the system destroys
// when the last process holding it ends.
#include "platform/instance_lock.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

HANDLE heldLock = nullptr;

}  // namespace

InstanceLock takeInstanceLock(const std::string& folder)
{
    if (heldLock)
        return InstanceLock::taken;
    const std::string name = "Local\\VELMORA-" + instanceToken(folder);
    const std::wstring wideName(name.begin(), name.end());
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wideName.c_str());
    if (!mutex)
        return GetLastError() == ERROR_ACCESS_DENIED ? InstanceLock::heldElsewhere
                                                     : InstanceLock::unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return InstanceLock::heldElsewhere;
    }
    heldLock = mutex;
    return InstanceLock::taken;
}
