// The library's puzzles in the order the Puzzles window lists them, and their removal.
#include "library/listing.h"

#include <algorithm>

#include "library/library_store.h"
#include "library/puzzle_title.h"
#include "library/switching.h"
#include "library/thumbnail.h"
#include "platform/surface.h"
#include "puzzle/construction.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"

namespace {

// A series puzzle as its resource shows it, with what the library kept of its games.
std::optional<ListedEntry> seriesEntry(int number)
{
    const std::string name = seriesEntryName(number);
    const std::optional<PuzzleResource> resource =
        readPuzzleResource(seriesPuzzleResource(number), 0);
    if (!resource)
        return std::nullopt;
    ListedEntry entry{name, readEntryInfo(name).value_or(EntryInfo{EntryKind::series, number})};
    entry.info.title = titleOfPuzzleHeader(resource->header);
    entry.info.pieces = resource->columns * resource->rows;
    const std::uint8_t* info = resource->pictureImage.data();
    const int cellStep = resource->pieceCore + resource->pieceMargin;
    entry.thumbnail = thumbnailOfDib(info, info + dibPixelOffset(info),
                                     cellStep * resource->columns + resource->pieceMargin,
                                     cellStep * resource->rows + resource->pieceMargin);
    entry.hasGame = entryFileExists(name, gameFileName);
    return entry;
}

std::optional<ListedEntry> keptEntry(const std::string& name)
{
    std::optional<EntryInfo> info = readEntryInfo(name);
    if (!info || info->kind == EntryKind::series)
        return std::nullopt;
    ListedEntry entry{name, std::move(*info)};
    if (const auto bytes = readEntryFile(name, thumbnailFileName, maxThumbnailFileBytes))
        entry.thumbnail = parseThumbnailFile(*bytes).value_or(RgbImage{});
    entry.hasGame = entryFileExists(name, gameFileName);
    return entry;
}

}  // namespace

std::vector<ListedEntry> listEntries()
{
    std::vector<ListedEntry> entries;
    for (int number = firstSeriesPuzzleNumber; number <= lastSeriesPuzzleNumber; ++number)
        if (std::optional<ListedEntry> entry = seriesEntry(number))
            entries.push_back(std::move(*entry));
    const std::size_t seriesCount = entries.size();
    for (const std::string& name : entryNames())
        if (std::optional<ListedEntry> entry = keptEntry(name))
            entries.push_back(std::move(*entry));
    std::sort(entries.begin() + static_cast<std::ptrdiff_t>(seriesCount), entries.end(),
              [](const ListedEntry& a, const ListedEntry& b) {
                  return a.info.lastPlayed != b.info.lastPlayed
                             ? a.info.lastPlayed > b.info.lastPlayed
                             : a.name < b.name;
              });
    return entries;
}

bool removeEntry(const std::string& name)
{
    if (name == entryInPlay() || !isEntryName(name) || seriesNumberOfEntry(name) != 0)
        return false;
    return removeEntryFolder(name);
}
