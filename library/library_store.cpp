// The library on disk: entry folders and their files, the current puzzle's pointer, the list.
#include "library/library_store.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "library/key_lines.h"
#include "library/library_folder.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "puzzle/state.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* currentFileName = "current";
// More entries than any player keeps; a folder beyond it is not listed whole.
constexpr std::size_t mostEntries = 100000;

std::string entryFilePath(const std::string& name, const char* file)
{
    return entryFolder(name) + "/" + file;
}

bool writeWhole(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return replaceFileBytes(path, bytes, true) == FileWriteOutcome::written;
}

// FNV-1a, 64 bits: the same bytes always give the same name.
std::uint64_t fingerprint(std::span<const std::uint8_t> bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

bool allHexDigits(std::string_view text)
{
    return text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

}  // namespace

const char* sourceFileName(EntryKind kind)
{
    return kind == EntryKind::file ? "puzzle.jps" : "puzzle.jzt";
}

std::string seriesEntryName(int number)
{
    return "series-" + std::to_string(number);
}

std::string sourceEntryName(EntryKind kind, std::span<const std::uint8_t> source)
{
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx",
                  static_cast<unsigned long long>(fingerprint(source)));
    return std::string(kind == EntryKind::file ? "file-" : "made-") + digits;
}

int seriesNumberOfEntry(const std::string& name)
{
    for (int number = firstSeriesPuzzleNumber; number <= lastSeriesPuzzleNumber; ++number)
        if (name == seriesEntryName(number))
            return number;
    return 0;
}

bool isEntryName(const std::string& name)
{
    if (seriesNumberOfEntry(name) != 0)
        return true;
    const std::string_view text(name);
    return text.size() == 21 && (text.starts_with("made-") || text.starts_with("file-")) &&
           allHexDigits(text.substr(5));
}

bool writeEntryFile(const std::string& name, const char* file,
                    std::span<const std::uint8_t> bytes)
{
    std::error_code ignored;
    fs::create_directories(pathFromUtf8(entryFolder(name)), ignored);
    return writeWhole(entryFilePath(name, file), bytes);
}

std::optional<std::vector<std::uint8_t>> readEntryFile(const std::string& name, const char* file,
                                                       std::size_t maxBytes)
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(entryFilePath(name, file), bytes, maxBytes) != FileReadOutcome::read)
        return std::nullopt;
    return bytes;
}

bool entryFileExists(const std::string& name, const char* file)
{
    std::error_code ignored;
    return fs::is_regular_file(pathFromUtf8(entryFilePath(name, file)), ignored);
}

void removeEntryFile(const std::string& name, const char* file)
{
    std::error_code ignored;
    fs::remove(pathFromUtf8(entryFilePath(name, file)), ignored);
}

bool removeEntryFolder(const std::string& name)
{
    std::error_code error;
    fs::remove_all(pathFromUtf8(entryFolder(name)), error);
    return !error;
}

std::optional<EntryInfo> readEntryInfo(const std::string& name)
{
    const auto bytes = readEntryFile(name, infoFileName, maxEntryInfoBytes);
    std::optional<EntryInfo> info = bytes ? parseEntryInfo(*bytes) : std::nullopt;
    // An info of another kind than its folder's name says is not this entry's.
    const std::string_view text(name);
    const bool fits =
        info && (info->kind == EntryKind::series
                     ? info->seriesNumber == seriesNumberOfEntry(name)
                     : text.starts_with(info->kind == EntryKind::made ? "made-" : "file-"));
    return fits ? info : std::nullopt;
}

std::optional<EntryInfo> entryInfoOrFresh(const std::string& name)
{
    if (std::optional<EntryInfo> info = readEntryInfo(name))
        return info;
    if (const int number = seriesNumberOfEntry(name))
        return EntryInfo{EntryKind::series, number};
    const EntryKind kind = name.starts_with("made-") ? EntryKind::made : EntryKind::file;
    if (isEntryName(name) && entryFileExists(name, sourceFileName(kind)))
        return EntryInfo{kind};
    return std::nullopt;
}

std::vector<std::string> entryNames()
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entries(pathFromUtf8(libraryFolder()), error);
    for (; !error && entries != fs::directory_iterator() && names.size() < mostEntries;
         entries.increment(error)) {
        const std::string name = utf8FromPath(entries->path().filename());
        if (isEntryName(name))
            names.push_back(name);
    }
    return names;
}

bool writeCurrentPuzzle(const CurrentPuzzle& current)
{
    std::error_code ignored;
    fs::create_directories(pathFromUtf8(libraryFolder()), ignored);
    const std::string text =
        "current " + current.entry + "\nseries " + std::to_string(current.seriesNumber) + "\n";
    return writeWhole(libraryFolder() + "/" + currentFileName,
                      {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::optional<CurrentPuzzle> readCurrentPuzzle()
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(libraryFolder() + "/" + currentFileName, bytes, 128) !=
        FileReadOutcome::read)
        return std::nullopt;
    KeyLines lines({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    const std::optional<std::string_view> entry = lines.value("current");
    const std::optional<std::int64_t> series =
        lines.number("series", firstSeriesPuzzleNumber, lastSeriesPuzzleNumber);
    if (!entry || !series || !lines.rest().empty() || !isEntryName(std::string(*entry)))
        return std::nullopt;
    return CurrentPuzzle{std::string(*entry), static_cast<int>(*series)};
}
