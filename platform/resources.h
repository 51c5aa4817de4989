// The program's embedded resources, addressed by type and number.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// FindResource + LoadResource + SizeofResource: the resource's bytes, or an empty span when
// the program has no such resource. Types: "JZT", "WAVE", "CURSOR", "ICON", "BITMAP".
std::span<const std::uint8_t> findResource(std::string_view type, int number);
