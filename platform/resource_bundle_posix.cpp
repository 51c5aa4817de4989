// Looks resources up in the GResource bundle that the build links into the program.
#include "platform/resource_bundle.h"

#include <gio/gio.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

struct BytesRelease {
    void operator()(GBytes* bytes) const { g_bytes_unref(bytes); }
};

}  // namespace

std::span<const std::uint8_t> bundleResource(std::string_view type, int number)
{
    // Looked-up bytes stay alive for the whole run, as a module's resources do, and are
    // given back at exit.
    static std::map<std::pair<std::string, int>, std::unique_ptr<GBytes, BytesRelease>> cache;
    auto key = std::make_pair(std::string(type), number);
    auto found = cache.find(key);
    if (found == cache.end()) {
        const std::string path = "/velmora/" + key.first + "/" + std::to_string(number);
        GBytes* bytes =
            g_resources_lookup_data(path.c_str(), G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
        found = cache.emplace(key, std::unique_ptr<GBytes, BytesRelease>(bytes)).first;
    }
    if (!found->second)
        return {};
    gsize size = 0;
    const void* data = g_bytes_get_data(found->second.get(), &size);
    return {static_cast<const std::uint8_t*>(data), size};
}
