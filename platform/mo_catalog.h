// A compiled message catalog (.mo file) read into memory: the texts and their translations.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>

class MoCatalog {
public:
    // Reads the catalog's bytes, in either byte order; false (and an empty catalog) when they
    // are not a whole, well-formed catalog.
    bool load(std::span<const std::uint8_t> bytes);

    // The translation of `text`, or nullptr when the catalog has none (or an empty one).
    const char* find(const std::string& text) const;

    // The "Language: " field of the catalog's header ("" when it has none).
    std::string language() const;

private:
    std::unordered_map<std::string, std::string> translations_;
};
