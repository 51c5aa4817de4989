// Reading the library's small text files: lines of "key value", in the order they were written.
#include "library/key_lines.h"

#include <charconv>
#include <string>

std::optional<std::string_view> KeyLines::value(std::string_view key)
{
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
    if (line.size() < key.size() + 1 || line.substr(0, key.size()) != key ||
        line[key.size()] != ' ')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

std::optional<std::int64_t> KeyLines::number(std::string_view key, std::int64_t low,
                                             std::int64_t high)
{
    const std::optional<std::string_view> text = value(key);
    if (!text || text->empty())
        return std::nullopt;
    std::int64_t result = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), result);
    if (error != std::errc{} || end != text->data() + text->size() || result < low ||
        result > high || *text != std::to_string(result))
        return std::nullopt;
    return result;
}
