// Reading compiled message catalogs: a header, then two tables of (length, offset) pairs
// pointing at the original texts and at their translations.
#include "platform/mo_catalog.h"

#include <optional>

namespace {

constexpr std::uint32_t magic = 0x950412de;

// 32-bit words of the file in the byte order its magic number shows.
class Words {
public:
    explicit Words(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool readMagic()
    {
        const std::optional<std::uint32_t> first = at(0);
        if (first == magic)
            return true;
        swapped_ = true;
        return at(0) == magic;
    }

    std::optional<std::uint32_t> at(std::size_t offset) const
    {
        if (offset > bytes_.size() || bytes_.size() - offset < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::size_t index = swapped_ ? offset + i : offset + 3 - i;
            value = (value << 8) | bytes_[index];
        }
        return value;
    }

    // The text the table entry at `entry` points at: its length leaves out the NUL that must
    // close it.
    std::optional<std::string> text(std::size_t entry) const
    {
        const std::optional<std::uint32_t> length = at(entry);
        const std::optional<std::uint32_t> offset = at(entry + 4);
        if (!length || !offset || *offset > bytes_.size() ||
            bytes_.size() - *offset <= *length || bytes_[*offset + *length] != 0)
            return std::nullopt;
        return std::string(reinterpret_cast<const char*>(bytes_.data()) + *offset, *length);
    }

private:
    std::span<const std::uint8_t> bytes_;
    bool swapped_ = false;
};

}  // namespace

bool MoCatalog::load(std::span<const std::uint8_t> bytes)
{
    translations_.clear();
    Words words(bytes);
    if (!words.readMagic())
        return false;
    const std::optional<std::uint32_t> count = words.at(8);
    const std::optional<std::uint32_t> originals = words.at(12);
    const std::optional<std::uint32_t> translated = words.at(16);
    if (!count || !originals || !translated)
        return false;
    // Every text has bytes of its own in a well-formed catalog, so all of them together fit
    // in the file; texts pointing into each other's bytes could unfold a small file into
    // gigabytes.
    std::size_t textBytes = 0;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::optional<std::string> original = words.text(*originals + std::size_t{8} * i);
        const std::optional<std::string> translation =
            words.text(*translated + std::size_t{8} * i);
        if (original && translation)
            textBytes += original->size() + translation->size();
        if (!original || !translation || textBytes > bytes.size()) {
            translations_.clear();
            return false;
        }
        // A plural entry's key is its singular text; its first form is the translation.
        translations_.emplace(original->substr(0, original->find('\0')),
                              translation->substr(0, translation->find('\0')));
    }
    return true;
}

const char* MoCatalog::find(const std::string& text) const
{
    const auto found = translations_.find(text);
    if (found == translations_.end() || found->second.empty())
        return nullptr;
    return found->second.c_str();
}

std::string MoCatalog::language() const
{
    const char* header = find("");
    if (!header)
        return "";
    const std::string text = header;
    const std::string field = "Language: ";
    const std::size_t start = text.find(field);
    if (start == std::string::npos)
        return "";
    const std::size_t end = text.find('\n', start);
    return text.substr(start + field.size(), end == std::string::npos ? std::string::npos
                                                                       : end - start - field.size());
}
