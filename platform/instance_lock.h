// A lock that marks one running copy of the game per data folder. The system releases it when
// the process ends, however it ends, so a crash never leaves a lock behind.
#pragma once

#include <string>

#include "platform/single_instance.h"

enum class InstanceLock {
    taken,          // this process holds it now
    heldElsewhere,  // another running copy holds it
    unavailable,    // no lock can be had here (a folder that cannot be made, no lock service)
};

// Takes the lock of `folder` for the rest of this process's life. Taking it again in the same
// process answers taken.
InstanceLock takeInstanceLock(const std::string& folder);

// A short name for the folder, the same in every process of the user: it names the lock and
// the way a later copy reaches the first.
std::string instanceToken(const std::string& folder);

// The back ends' claim: takes the folder's lock and starts answering later copies through
// `listen`, or, when another copy holds it, asks that copy to come forward through
// `askFirstCopy`.
InstanceClaim claimInstance(const std::string& folder, void (*listen)(const std::string& token),
                            bool (*askFirstCopy)(const std::string& token));
