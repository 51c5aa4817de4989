// Reading the library's small text files: lines of "key value", in the order they were written.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

class KeyLines {
public:
    explicit KeyLines(std::string_view text) : rest_(text) {}

    // The value after `key` on the next line; nullopt when the line is not that key's.
    std::optional<std::string_view> value(std::string_view key);

    // A whole number within low..high after `key`, written only as the writer writes it: no
    // sign, no leading zero.
    std::optional<std::int64_t> number(std::string_view key, std::int64_t low, std::int64_t high);

    // What follows the lines read.
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};
