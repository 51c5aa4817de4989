// The library's puzzles in the order the Puzzles window lists them, and their removal.
#include "library/listing.h"

#include <algorithm>

#include "library/library_store.h"
#include "library/switching.h"
#include "library/thumbnail.h"
#include "platform/surface.h"
#include "puzzle/construction.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/puzzle_title.h"
#include "puzzle/state.h"

namespace {

// What a series puzzle's resource shows of it: read once, since the resources never change.
struct SeriesLook {
    bool readable = false;
    std::string title;
    int pieces = 0;
    RgbImage thumbnail;
};

const SeriesLook& seriesLook(int number)
{
    static SeriesLook looks[lastSeriesPuzzleNumber + 1];
    static bool made[lastSeriesPuzzleNumber + 1] = {};
    SeriesLook& look = looks[number];
    if (made[number])
        return look;
    made[number] = true;
    const std::optional<PuzzleResource> resource =
        readPuzzleResource(seriesPuzzleResource(number), 0);
    if (!resource)
        return look;
    look.readable = true;
    look.title = titleOfPuzzleHeader(resource->header);
    look.pieces = resource->columns * resource->rows;
    const std::uint8_t* info = resource->pictureImage.data();
    const int cellStep = resource->pieceCore + resource->pieceMargin;
    look.thumbnail = thumbnailOfDib(info, info + dibPixelOffset(info),
                                    cellStep * resource->columns + resource->pieceMargin,
                                    cellStep * resource->rows + resource->pieceMargin);
    return look;
}

// A series puzzle as its resource shows it, with what the library kept of its games.
std::optional<ListedEntry> seriesEntry(int number)
{
    const SeriesLook& look = seriesLook(number);
    if (!look.readable)
        return std::nullopt;
    const std::string name = seriesEntryName(number);
    ListedEntry entry{name, readEntryInfo(name).value_or(EntryInfo{EntryKind::series, number})};
    entry.info.title = look.title;
    entry.info.pieces = look.pieces;
    entry.info.thumbnail = look.thumbnail;
    return entry;
}

std::optional<ListedEntry> keptEntry(const std::string& name)
{
    std::optional<EntryInfo> info = entryInfoOrFresh(name);
    if (!info || info->kind == EntryKind::series)
        return std::nullopt;
    return ListedEntry{name, std::move(*info)};
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
