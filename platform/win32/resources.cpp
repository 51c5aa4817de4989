// The program's resources come from its own resource section.
#include "platform/resource_bundle.h"
#include "platform/resources.h"

std::span<const std::uint8_t> findResource(std::string_view type, int number)
{
    return bundleResource(type, number);
}
