// The resources built into the program (a GResource bundle on Linux, the program's own resource
// section on Windows); back ends answer findResource from it.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The bytes of the resource of that type and number, or an empty span when the program lacks
// it. "BITMAP" is a packed DIB; "WAVE", "JZT" and (on Linux) "CURSOR" and "ICON" are the bytes
// of the files they were made from.
std::span<const std::uint8_t> bundleResource(std::string_view type, int number);
