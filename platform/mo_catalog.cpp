// Reading compiled message catalogs: a header, then two tables of (length, offset) pairs
// pointing at the original texts and at their translations.
#include "platform/mo_catalog.h"

#include <optional>
#include <string_view>
#include <vector>

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

namespace {

// The printf conversions of a text in order, each as its '*' widths, length and letter
// ("%-8.*lld" gives "*lld"). Flags, widths and precisions take no argument.
std::vector<std::string> printfConversions(std::string_view text)
{
    std::vector<std::string> conversions;
    for (std::size_t at = text.find('%'); at != std::string_view::npos; at = text.find('%', at)) {
        if (++at < text.size() && text[at] == '%') {
            ++at;
            continue;
        }
        std::string conversion;
        while (at < text.size() && std::string_view("-+ #0123456789.*hlLqjzt").find(text[at]) !=
                                       std::string_view::npos) {
            if (std::string_view("0123456789-+ #.").find(text[at]) == std::string_view::npos)
                conversion += text[at];
            ++at;
        }
        // A '%' before anything but a conversion letter ("25%(&2)") is plain text, as "%%" is.
        if (at >= text.size() || std::string_view("diouxXfFeEgGaAcspn").find(text[at]) ==
                                     std::string_view::npos)
            continue;
        conversions.push_back(conversion + text[at++]);
    }
    return conversions;
}

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
    // The texts of a catalog never overlap, so together they fit in the file; entries that
    // point into each other's texts could otherwise make a small file fill the memory.
    std::size_t keptBytes = 0;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::optional<std::string> original = words.text(*originals + std::size_t{8} * i);
        const std::optional<std::string> translation =
            words.text(*translated + std::size_t{8} * i);
        if (original && translation)
            keptBytes += original->size() + translation->size() + 2;
        if (!original || !translation || keptBytes > bytes.size()) {
            translations_.clear();
            return false;
        }
        // A plural entry's key is its singular text; its first form is the translation. A
        // translation that would hand printf other arguments than its text does is not taken.
        const std::string key = original->substr(0, original->find('\0'));
        std::string kept = translation->substr(0, translation->find('\0'));
        if (printfConversions(key) == printfConversions(kept))
            translations_.emplace(key, std::move(kept));
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
