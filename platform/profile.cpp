// Private-profile (INI) files with the Windows rules for matching, reading and writing.
#include "platform/profile.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "platform/files.h"
#include "platform/folders.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trim(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names match ignoring case (ASCII letters) and surrounding blanks.
bool sameName(const std::string& a, const std::string& b)
{
    const std::string x = trim(a);
    const std::string y = trim(b);
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (asciiLower(x[i]) != asciiLower(y[i]))
            return false;
    return true;
}

// The UTF-8 byte-order mark some editors put at the start of a file.
constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

// Settings files are small; a larger file is not taken for one.
constexpr std::size_t maxProfileBytes = 16 * 1024 * 1024;

// The file's lines without their "\n" or "\r\n" endings and without a leading byte-order
// mark (`hadMark` tells whether there was one); false when it cannot be read (a missing file
// reads as no lines).
bool readLines(const std::string& path, std::vector<std::string>& lines, bool& hadMark)
{
    hadMark = false;
    std::vector<std::uint8_t> bytes;
    const FileReadOutcome outcome = readWholeFile(path, bytes, maxProfileBytes);
    if (outcome != FileReadOutcome::read)
        return outcome == FileReadOutcome::cannotOpen && !pathExists(path);
    std::istringstream file(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lines.empty() && line.starts_with(byteOrderMark)) {
            line.erase(0, sizeof byteOrderMark - 1);
            hadMark = true;
        }
        lines.push_back(line);
    }
    return true;
}

// The section name of a "[name]" line, or false for any other line.
bool sectionHeader(const std::string& line, std::string& name)
{
    const std::string text = trim(line);
    if (text.empty() || text.front() != '[')
        return false;
    const std::size_t close = text.find(']');
    name = text.substr(1, (close == std::string::npos ? text.size() : close) - 1);
    return true;
}

// The key of a "key=value" line (the whole line when it has no "="); false for blank lines and
// ";" comments.
bool entryKey(const std::string& line, std::string& key)
{
    const std::string text = trim(line);
    if (text.empty() || text.front() == ';')
        return false;
    key = line.substr(0, line.find('='));
    return true;
}

// Where section `section` starts (the line after its header) and ends (the next header or the
// end of the file); false when the file has no such section.
bool findSection(const std::vector<std::string>& lines, const std::string& section,
                 std::size_t& begin, std::size_t& end)
{
    std::string name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!sectionHeader(lines[i], name) || !sameName(name, section))
            continue;
        begin = i + 1;
        end = begin;
        while (end < lines.size() && !sectionHeader(lines[end], name))
            ++end;
        return true;
    }
    return false;
}

// The line of `key` in [begin, end), or end when the section lacks it.
std::size_t findKey(const std::vector<std::string>& lines, std::size_t begin, std::size_t end,
                    const std::string& key)
{
    std::string name;
    for (std::size_t i = begin; i < end; ++i)
        if (entryKey(lines[i], name) && sameName(name, key))
            return i;
    return end;
}

std::string cut(std::string text, std::size_t maxChars)
{
    text.resize(std::min(text.size(), maxChars == 0 ? 0 : maxChars - 1));
    return text;
}

// Writes the text to a new file beside `path` and renames it over `path`, so the old file
// stays whole if anything fails.
bool replaceFile(const std::string& path, const std::string& text)
{
    return replaceFileBytes(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                            false) == FileWriteOutcome::written;
}

}  // namespace

std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, std::size_t maxChars,
                              const std::string& path)
{
    // As on Windows, the default loses its trailing blanks.
    std::string fallback = defaultValue;
    while (!fallback.empty() && isBlank(fallback.back()))
        fallback.pop_back();
    std::vector<std::string> lines;
    bool hadMark = false;
    std::size_t begin = 0, end = 0;
    if (!readLines(path, lines, hadMark) || !findSection(lines, section, begin, end))
        return cut(fallback, maxChars);
    const std::size_t line = findKey(lines, begin, end, key);
    if (line == end)
        return cut(fallback, maxChars);
    const std::size_t equals = lines[line].find('=');
    std::string value = equals == std::string::npos ? "" : trim(lines[line].substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return cut(value, maxChars);
}

namespace {

// Sets `key` in `section` of the lines as writeProfileString describes.
void setEntry(std::vector<std::string>& lines, const std::string& section, const std::string& key,
              const std::string& value)
{
    const std::string entry = key + "=" + value;
    std::size_t begin = 0, end = 0;
    if (findSection(lines, section, begin, end)) {
        const std::size_t line = findKey(lines, begin, end, key);
        if (line != end) {
            lines[line] = entry;
        } else {
            // After the section's last non-blank line, before any blank lines that part it
            // from the next section.
            std::size_t at = end;
            while (at > begin && trim(lines[at - 1]).empty())
                --at;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
        }
    } else {
        if (!lines.empty() && !trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
}

}  // namespace

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path)
{
    return writeProfileStrings(section, {{key, value}}, path);
}

bool writeProfileStrings(const std::string& section, const std::vector<ProfileEntry>& entries,
                         const std::string& path)
{
    std::vector<std::string> lines;
    bool hadMark = false;
    if (!readLines(path, lines, hadMark))
        return false;
    for (const ProfileEntry& entry : entries)
        setEntry(lines, section, entry.key, entry.value);
    std::ostringstream text;
    if (hadMark)
        text << byteOrderMark;
    for (const std::string& line : lines)
        text << line << "\r\n";
    return replaceFile(path, text.str());
}
