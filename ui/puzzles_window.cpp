// The Puzzles window: the kept puzzles as thumbnails, continued, started over or removed.
#include "ui/puzzles_window.h"

#include <algorithm>
#include <cstdio>

#include "platform/language.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "ui/puzzles_window_size.h"
#include "ui/shortened_name.h"

namespace {

constexpr int puzzlesDialogId = 142;
constexpr int gridId = 1401;
constexpr int startOverId = 1402;
constexpr int removeId = 1403;
constexpr std::uintptr_t IDOK = 1;
constexpr std::uintptr_t IDCANCEL = 2;
constexpr int titleCells = 22;
constexpr int barHeight = 6;

constexpr const char* windowCaption = "パズル一覧";
constexpr const char* untitledText = "（無題）";
constexpr const char* piecesText = "%d ピース";
constexpr const char* bestTimeText = "★ %s";
constexpr const char* removeQuestionText =
    "「%s」を削除しますか？ 残していたゲームと記録も消えます";
constexpr const char* startOverQuestionText =
    "「%s」を最初から始めますか？ 残していたゲームは消えます";
constexpr const char* notRemovedText = "パズルを削除できませんでした";

struct WindowState {
    std::vector<PuzzleListing> listings;
    std::string selected;
    const std::function<bool(const std::string&)>* remove = nullptr;
    std::optional<PuzzleChoice> choice;
};
WindowState state;

// "1:02:03" or "12:34".
std::string clockText(std::int64_t seconds)
{
    const long long hours = seconds / 3600;
    const long long minutes = seconds / 60 % 60;
    const long long rest = seconds % 60;
    char text[32];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", hours, minutes, rest);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", minutes, rest);
    return text;
}

std::string displayTitle(const PuzzleListing& listing)
{
    return listing.title.empty() ? translate(untitledText) : listing.title;
}

// The title, then the size, the share joined and the best time, those it has, as one line.
std::string captionOf(const PuzzleListing& listing)
{
    std::vector<std::string> facts;
    if (listing.pieces > 0) {
        char pieces[64];
        std::snprintf(pieces, sizeof pieces, translate(piecesText), listing.pieces);
        facts.push_back(pieces);
    }
    if (listing.inProgress)
        facts.push_back(std::to_string(listing.percentJoined) + "%");
    if (listing.timesFinished > 0)
        facts.push_back(translateWith(bestTimeText, clockText(listing.bestSeconds)));
    std::string caption = shortenedInMiddle(displayTitle(listing), titleCells) + "\n";
    for (std::size_t i = 0; i < facts.size(); ++i)
        caption += (i > 0 ? " · " : "") + facts[i];
    return caption;
}

// Paints the rows top..bottom-1 between left and right-1 in one colour.
void fillImage(RgbImage& image, int left, int top, int right, int bottom, Colour colour)
{
    const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(colour & 0xFF),
                                 static_cast<std::uint8_t>((colour >> 8) & 0xFF),
                                 static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* pixel = &image.rgb[(static_cast<std::size_t>(y) * image.width + left) * 3];
        for (int x = left; x < right; ++x, pixel += 3)
            std::copy(rgb, rgb + 3, pixel);
    }
}

// Every item's picture before its thumbnail and progress: a dark field over an empty bar.
const RgbImage& emptyItemPicture()
{
    static const RgbImage empty = [] {
        constexpr int width = thumbnailGridPictureWidth;
        constexpr int height = thumbnailGridPictureHeight;
        RgbImage picture{width, height, std::vector<std::uint8_t>(width * height * 3)};
        fillImage(picture, 0, 0, width, height - barHeight, makeColour(0x30, 0x30, 0x30));
        fillImage(picture, 0, height - barHeight, width, height, makeColour(0x70, 0x70, 0x70));
        return picture;
    }();
    return empty;
}

// The thumbnail centred above a bar: the share joined in green, or all gold once finished.
RgbImage itemPicture(const PuzzleListing& listing)
{
    RgbImage picture = emptyItemPicture();
    const int width = picture.width;
    const int height = picture.height;
    const RgbImage& thumbnail = listing.thumbnail;
    const int areaHeight = height - barHeight - 2;
    const int shownWidth = std::min(thumbnail.width, width);
    const int shownHeight = std::min(thumbnail.height, areaHeight);
    const int left = (width - shownWidth) / 2;
    const int top = (areaHeight - shownHeight) / 2;
    for (int y = 0; y < shownHeight; ++y)
        std::copy_n(&thumbnail.rgb[static_cast<std::size_t>(y) * thumbnail.width * 3],
                    shownWidth * 3,
                    &picture.rgb[(static_cast<std::size_t>(top + y) * width + left) * 3]);
    const int barTop = height - barHeight;
    if (listing.inProgress) {
        const int filled = (width - 2) * std::clamp(listing.percentJoined, 0, 100) / 100;
        fillImage(picture, 1, barTop + 1, 1 + filled, height - 1, makeColour(0x40, 0xC0, 0x50));
    } else if (listing.timesFinished > 0) {
        fillImage(picture, 1, barTop + 1, width - 1, height - 1, makeColour(0xE8, 0xB8, 0x30));
    }
    return picture;
}

int selectedIndex(Window* dialog)
{
    const int index = thumbnailGridSelection(dialog, gridId);
    return index >= 0 && index < static_cast<int>(state.listings.size()) ? index : -1;
}

// 削除 is offered only while a puzzle the player may remove is selected.
void offerRemoval(Window* dialog)
{
    const int index = selectedIndex(dialog);
    enableDlgItem(dialog, removeId, index >= 0 && state.listings[index].removable);
}

void showListings(Window* dialog, int select)
{
    const std::vector<ThumbnailGridItem> items = puzzleGridItems(state.listings);
    setThumbnailGridItems(dialog, gridId, items);
    if (!state.listings.empty())
        selectThumbnailGridItem(dialog, gridId,
                                std::clamp(select, 0, static_cast<int>(state.listings.size()) - 1));
    offerRemoval(dialog);
}

void choose(Window* dialog, bool startOver)
{
    const int index = selectedIndex(dialog);
    if (index < 0)
        return;
    const PuzzleListing& listing = state.listings[index];
    if (startOver && listing.inProgress &&
        !askYesNo(dialog, windowCaption,
                  translateWith(startOverQuestionText, displayTitle(listing)).c_str()))
        return;
    state.choice = PuzzleChoice{listing.key, startOver};
    endDialog(dialog, 1);
}

void removeSelected(Window* dialog)
{
    const int index = selectedIndex(dialog);
    if (index < 0)
        return;
    const PuzzleListing& listing = state.listings[index];
    if (!listing.removable)
        return;
    if (!askYesNo(dialog, windowCaption,
                  translateWith(removeQuestionText, displayTitle(listing)).c_str()))
        return;
    if (!(*state.remove)(listing.key)) {
        messageBox(dialog, notRemovedText);
        return;
    }
    state.listings.erase(state.listings.begin() + index);
    showListings(dialog, index);
}

std::intptr_t puzzlesDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                std::intptr_t)
{
    if (message == WM_DESTROY) {
        keepPuzzlesWindowSize(dialog);
        return 1;
    }
    if (message == WM_INITDIALOG) {
        placePuzzlesWindow(dialog, getMainWindow());
        const auto found = std::find_if(state.listings.begin(), state.listings.end(),
                                        [](const PuzzleListing& listing) {
                                            return listing.key == state.selected;
                                        });
        showListings(dialog, static_cast<int>(found - state.listings.begin()));
        return 1;
    }
    if (message != WM_COMMAND)
        return 0;
    const unsigned code = static_cast<unsigned>((wParam >> 16) & 0xFFFF);
    switch (wParam & 0xFFFF) {
    case gridId:
        if (code == TGN_SELCHANGE)
            offerRemoval(dialog);
        else if (code == TGN_ACTIVATE)
            choose(dialog, false);
        else if (code == TGN_DELETE)
            removeSelected(dialog);
        return 1;
    case IDOK:
        choose(dialog, false);
        return 1;
    case startOverId:
        choose(dialog, true);
        return 1;
    case removeId:
        removeSelected(dialog);
        return 1;
    case IDCANCEL:
        endDialog(dialog, 0);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

std::vector<ThumbnailGridItem> puzzleGridItems(const std::vector<PuzzleListing>& listings)
{
    std::vector<ThumbnailGridItem> items;
    items.reserve(listings.size());
    for (const PuzzleListing& listing : listings)
        items.push_back({itemPicture(listing), captionOf(listing)});
    return items;
}

std::optional<PuzzleChoice> askForPuzzle(std::vector<PuzzleListing> listings,
                                         const std::string& selected,
                                         const std::function<bool(const std::string&)>& remove)
{
    state = {std::move(listings), selected, &remove, std::nullopt};
    runModalDialog(puzzlesDialogId, getMainWindow(), puzzlesDialogProc, 0);
    std::optional<PuzzleChoice> choice = std::move(state.choice);
    state = {};
    return choice;
}
