// The game in progress as a compact record of its own, kept beside its puzzle and installed
// over the same puzzle built afresh.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "view/view.h"

// What a record keeps beside the board.
struct GameRecordExtras {
    KeptView view;              // zoom percent (0 = whole board) and scroll
    bool previewShown = false;  // the preview window was open
};

// The record of the game in play (a puzzle is in play): where every piece lies, how it is
// turned, its group and drawing level, the time played and the extras. Empty when memory ran
// out.
std::vector<std::uint8_t> gameRecordBytes(const GameRecordExtras& extras);

// Installs a record over the puzzle now built: answers its extras, or nullopt (the game
// untouched) for anything but an intact record of this version made for this geometry. A
// carried group is put down; the play time counts on from the recorded seconds.
std::optional<GameRecordExtras> installGameRecord(std::span<const std::uint8_t> bytes);
