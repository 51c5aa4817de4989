// Resources from the linked bundle, with the replacements and absences tests arrange.
#include "platform/resources.h"

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/resource_bundle.h"

using headless::backEnd;

std::span<const std::uint8_t> findResource(std::string_view type, int number)
{
    const headless::ResourceKey key{std::string(type), number};
    if (backEnd().hiddenResources.contains(key))
        return {};
    auto replaced = backEnd().resourceOverrides.find(key);
    if (replaced != backEnd().resourceOverrides.end())
        return replaced->second;
    return bundleResource(type, number);
}

namespace headless {

void overrideResource(const std::string& type, int number, std::vector<std::uint8_t> bytes)
{
    backEnd().hiddenResources.erase({type, number});
    backEnd().resourceOverrides[{type, number}] = std::move(bytes);
}

void hideResource(const std::string& type, int number)
{
    backEnd().resourceOverrides.erase({type, number});
    backEnd().hiddenResources.insert({type, number});
}

}  // namespace headless
