// What the library knows of one puzzle besides its pieces, kept as a short file.
#include "library/entry_info.h"

#include <string_view>

#include "library/key_lines.h"
#include "library/thumbnail.h"
#include "puzzle/limits.h"

namespace {

constexpr std::string_view firstLine = "velmora-entry 1";
constexpr std::int64_t longest = std::int64_t{1} << 40;

const char* kindName(EntryKind kind)
{
    switch (kind) {
    case EntryKind::series:
        return "series";
    case EntryKind::made:
        return "made";
    case EntryKind::file:
        return "file";
    }
    return "series";
}

std::optional<EntryKind> kindFromName(std::string_view name)
{
    for (EntryKind kind : {EntryKind::series, EntryKind::made, EntryKind::file})
        if (name == kindName(kind))
            return kind;
    return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> entryInfoText(const EntryInfo& info)
{
    std::string text(firstLine);
    text += "\nkind ";
    text += kindName(info.kind);
    text += "\nnumber " + std::to_string(info.seriesNumber);
    text += "\nmade " + std::to_string(info.madeFromPicture ? 1 : 0);
    text += "\ntitle " + info.title;
    text += "\npieces " + std::to_string(info.pieces);
    text += "\nplayed " + std::to_string(info.playedSeconds);
    text += "\njoined " + std::to_string(info.joinedPieces);
    text += "\nlast " + std::to_string(info.lastPlayed);
    text += "\nfinished " + std::to_string(info.timesFinished);
    text += "\nbest " + std::to_string(info.bestSeconds);
    text += "\ngame " + std::to_string(info.gameKept ? 1 : 0);
    const std::vector<std::uint8_t> thumbnail =
        info.thumbnail.width > 0 ? thumbnailBytes(info.thumbnail) : std::vector<std::uint8_t>{};
    text += "\nthumbnail " + std::to_string(thumbnail.size()) + "\n";
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.insert(bytes.end(), thumbnail.begin(), thumbnail.end());
    return bytes;
}

std::optional<EntryInfo> parseEntryInfo(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > maxEntryInfoBytes)
        return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, firstLine.size() + 1) != std::string(firstLine) + "\n")
        return std::nullopt;
    KeyLines reader(text.substr(firstLine.size() + 1));
    EntryInfo info;
    const std::optional<std::string_view> kind = reader.value("kind");
    const std::optional<EntryKind> parsedKind = kind ? kindFromName(*kind) : std::nullopt;
    if (!parsedKind)
        return std::nullopt;
    info.kind = *parsedKind;
    const bool series = info.kind == EntryKind::series;
    const auto number = reader.number("number", series ? 2 : 0, series ? 8 : 0);
    const auto made = reader.number("made", 0, info.kind == EntryKind::file ? 1 : 0);
    const auto title = reader.value("title");
    if (!number || !made || !title || title->size() > maxTitleBytes ||
        title->find('\r') != std::string_view::npos)
        return std::nullopt;
    info.seriesNumber = static_cast<int>(*number);
    info.madeFromPicture = *made == 1;
    info.title = std::string(*title);
    const auto pieces = reader.number("pieces", 1, maxPieces);
    if (!pieces)
        return std::nullopt;
    info.pieces = static_cast<int>(*pieces);
    const auto played = reader.number("played", 0, longest);
    const auto joined = reader.number("joined", 0, info.pieces - 1);
    const auto last = reader.number("last", 0, longest);
    const auto finished = reader.number("finished", 0, 1'000'000);
    const auto best = reader.number("best", 0, longest);
    const auto game = reader.number("game", 0, 1);
    const auto thumbnailLength = reader.number("thumbnail", 0, maxThumbnailBytes);
    if (!played || !joined || !last || !finished || !best || !game || !thumbnailLength ||
        reader.rest().size() != static_cast<std::size_t>(*thumbnailLength))
        return std::nullopt;
    if (*thumbnailLength > 0) {
        const std::string_view rest = reader.rest();
        std::optional<RgbImage> thumbnail = parseThumbnail(
            {reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size()});
        if (!thumbnail)
            return std::nullopt;
        info.thumbnail = std::move(*thumbnail);
    }
    info.gameKept = *game == 1;
    info.playedSeconds = *played;
    info.joinedPieces = static_cast<int>(*joined);
    info.lastPlayed = *last;
    info.timesFinished = static_cast<int>(*finished);
    info.bestSeconds = *best;
    return info;
}
