// The GResource bundle linked into the program; back ends answer findResource from it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The bytes of /velmora/<type>/<number>, or an empty span when the bundle lacks it.
std::span<const std::uint8_t> bundleResource(std::string_view type, int number);
