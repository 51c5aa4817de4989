// Looks resources up in the program's own resource section, where the resource script put them
// under their numbers: bitmaps as the system's bitmap type, the rest under their type's name.
#include "platform/resource_bundle.h"

#include <windows.h>

#include <string>

std::span<const std::uint8_t> bundleResource(std::string_view type, int number)
{
    const std::wstring typeName(type.begin(), type.end());
    const wchar_t* resourceType = type == "BITMAP" ? MAKEINTRESOURCEW(2) : typeName.c_str();
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(number), resourceType);
    if (found == nullptr)
        return {};
    // A module's resources stay mapped while it runs: nothing to release.
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(nullptr, found)};
}
