// One copy per library in the test back end: the real lock; with no windows of another
// process to bring forward, a second copy is told the first cannot be reached.
#include "platform/single_instance.h"

#include "platform/instance_lock.h"
#include "platform/system.h"

namespace {

void listenForNobody(const std::string&) {}

bool firstCopyUnreachable(const std::string&)
{
    return false;
}

}  // namespace

InstanceClaim claimSingleInstance()
{
    return claimInstance(userDataFolder(), listenForNobody, firstCopyUnreachable);
}
