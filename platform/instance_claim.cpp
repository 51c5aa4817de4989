// Claiming the data folder for one running copy: the lock's name, and what each answer of the
// lock means for the copy that asks.
#include "platform/instance_lock.h"

#include <cstdint>
#include <cstdio>

std::string instanceToken(const std::string& folder)
{
    // FNV-1a over the path's bytes: stable across processes and builds.
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : folder) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

InstanceClaim claimInstance(const std::string& folder, void (*listen)(const std::string& token),
                            bool (*askFirstCopy)(const std::string& token))
{
    switch (takeInstanceLock(folder)) {
    case InstanceLock::taken:
        listen(instanceToken(folder));
        return InstanceClaim::sole;
    case InstanceLock::heldElsewhere:
        return askFirstCopy(instanceToken(folder)) ? InstanceClaim::handedOver
                                                   : InstanceClaim::unreachable;
    case InstanceLock::unavailable:
        break;
    }
    // Where no lock can be had (a data folder that cannot be made), the game plays as it always
    // did; the library tells the player when it cannot be written.
    return InstanceClaim::sole;
}
