// Game records: a played game recorded and installed over its puzzle built afresh comes back
// pixel for pixel and byte for byte; damaged records are refused without touching the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "board/drawing_order.h"
#include "board/group_placement.h"
#include "board/play.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "library/checksum.h"
#include "library/game_record.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/encodings.h"
#include "savegame/layout.h"
#include "savegame/writer.h"
#include "tests/support/game_invariants.h"
#include "tests/support/puzzle_fixture.h"
#include "tests/support/state_snapshot.h"
#ifndef _WIN32
#include "tests/support/made_puzzle.h"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

// Joins the w x h block of home cells from (column, row) where its first piece lies, turned
// as that piece is.
void joinBlock(int column, int row, int w, int h)
{
    GroupMatrix block{};
    for (int c = column; c < column + w; ++c)
        for (int r = row; r < row + h; ++r)
            block[c][r] = 1;
    const int pivot = row * getColumns() + column;
    for (int c = column; c < column + w; ++c)
        for (int r = row; r < row + h; ++r) {
            std::memcpy(groupCells(r * getColumns() + c), block, sizeof block);
            setPieceRotation(getPieceRotation(pivot), r * getColumns() + c);
        }
    placeGroup(pieceRect(column, row).left, pieceRect(column, row).top, pivot);
}

// A game played for 75 seconds: a block joined and turned, a piece moved, the order reversed;
// with the values only an opened play file brings.
void playALittle()
{
    setSpareHeaderValue(300);
    setSpareFileByte(7);
    setPieceSpare(9, 3);
    cellFlag(2, 1) = 500;
    joinBlock(0, 0, 2, 2);
    turnGroup(300, 250, 0);
    placeGroup(-20, 700, getPieceCount() - 1);
    reverseDrawingOrder();
    headless::setTickCount(200000 + 75000);
}

void pickUpTopPiece()
{
    const int top = getPieceCount() - 1;
    const PieceRect box = pieceRect(zOrderColumn(top), zOrderRow(top));
    leftPress((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    mouseMove(box.left + 40, box.top + 90);
    ASSERT_EQ(getPieceHeld(), 1);
}

class GameRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        startEmbeddedGame();
        headless::setTimeOfDay(1700000000);
        headless::setTickCount(200000);
    }
    void TearDown() override { resetGameState(); }
};

struct PuzzleCase {
    const char* name;
    std::function<bool()> build;
};

TEST_F(GameRecord, APlayedGameComesBackOverItsPuzzleBuiltAfresh)
{
    std::vector<PuzzleCase> cases{{"embedded", [] {
                                       buildPuzzle();
                                       return getPictureDib() != nullptr;
                                   }}};
#ifndef _WIN32
    const Bytes made = makeMadePuzzle(VELMORA_PICTURE_DIR "/169-ancient-city.jpg", 8, 6, 20, 20);
    cases.push_back({"made", [&made] { return buildPuzzleFrom(made); }});
#endif
    for (const PuzzleCase& puzzle : cases) {
        SCOPED_TRACE(puzzle.name);
        headless::setTimeOfDay(1700000000);
        headless::setTickCount(200000);
        ASSERT_TRUE(puzzle.build());
        playALittle();
        const GameRecordExtras extras{{75, {123, 45}}, true};
        const Bytes record = gameRecordBytes(extras);
        EXPECT_LT(record.size(), 64u + 16u * getPieceCount());
        const Bytes saved = playFileBytes();
        paintBoard();
        const std::vector<std::uint32_t> pixels = boardSurface().pixels;

        // Built again at another time: scattered and shuffled otherwise, a piece in hand.
        headless::setTimeOfDay(1800000000);
        setSpareFileByte(0);
        ASSERT_TRUE(puzzle.build());
        ASSERT_NE(playFileBytes(), saved);
        pickUpTopPiece();
        headless::clearEvents();

        const auto installed = installGameRecord(record);
        ASSERT_TRUE(installed.has_value());
        EXPECT_EQ(installed->view.percent, 75);
        EXPECT_EQ(installed->view.scroll.x, 123);
        EXPECT_EQ(installed->view.scroll.y, 45);
        EXPECT_TRUE(installed->previewShown);
        EXPECT_EQ(getPieceHeld(), 0);
        EXPECT_NE(std::find(headless::events().begin(), headless::events().end(), "confine none"),
                  headless::events().end());
        EXPECT_EQ(describeFaults(puzzleStateFaults()), "");
        EXPECT_TRUE(playFileBytes() == saved);
        paintBoard();
        EXPECT_TRUE(boardSurface().pixels == pixels);
        // The play time counts on from the recorded 75 seconds.
        headless::setTickCount(200000 + 75000 + 5000);
        EXPECT_EQ(getBigEndian32(&playStateBytes()[playfile::elapsedSecondsAt]), 80u);
    }
}

// Where a record's fields lie (see the format at the top of library/game_record.cpp).
constexpr std::size_t piecesAt = 34;
std::size_t pieceField(int k, std::size_t field)
{
    return piecesAt + 16 * static_cast<std::size_t>(k) + field;
}

void put16(Bytes& record, std::size_t at, int value)
{
    record[at] = static_cast<std::uint8_t>(value);
    record[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& record, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        record[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void sumAgain(Bytes& record)
{
    const std::size_t body = record.size() - 4;
    put32(record, body, crc32Of(std::span(record).first(body)));
}

TEST_F(GameRecord, DamagedRecordsAreRefusedAndLeaveTheGameAlone)
{
    playALittle();
    const Bytes good = gameRecordBytes({{50, {10, 20}}, false});
    // Pieces 0, 1, 3 and 4 are joined, 0 first; piece 5 is alone.
    ASSERT_EQ(good[pieceField(4, 5)], 0);
    buildPuzzle();
    const Bytes before = snapshotGameState();
    const Bytes file = playFileBytes();

    struct Damage {
        const char* what;
        std::function<void(Bytes&)> change;
        bool summedAgain = true;
    };
    const std::vector<Damage> damages{
        {"empty", [](Bytes& r) { r.clear(); }, false},
        {"header only", [](Bytes& r) { r.resize(38); }, false},
        {"one byte long", [](Bytes& r) { r.push_back(0); }},
        {"a piece short", [](Bytes& r) { r.resize(r.size() - 16); }},
        {"checksum", [](Bytes& r) { r[pieceField(2, 0)] ^= 1; }, false},
        {"magic", [](Bytes& r) { r[0] = 'v'; }},
        {"version 2", [](Bytes& r) { put16(r, 8, 2); }},
        {"columns", [](Bytes& r) { r[10] = 4; }},
        {"core", [](Bytes& r) { r[12] = 41; }},
        {"picture format", [](Bytes& r) { r[14] = 1; }},
        {"spare header value", [](Bytes& r) { put16(r, 20, 65280); }},
        {"preview 2", [](Bytes& r) { r[23] = 2; }},
        {"view percent 1001", [](Bytes& r) { put16(r, 24, 1001); }},
        {"scroll x", [](Bytes& r) { put32(r, 26, 1000001); }},
        {"scroll y", [](Bytes& r) { put32(r, 30, 0xFFFFFFFFu); }},
        {"left", [](Bytes& r) { put16(r, pieceField(5, 0), 65280); }},
        {"top", [](Bytes& r) { put16(r, pieceField(5, 2), 65535); }},
        {"rotation 0", [](Bytes& r) { r[pieceField(5, 4)] = 0; }},
        {"rotation 5", [](Bytes& r) { r[pieceField(5, 4)] = 5; }},
        {"first member after the piece", [](Bytes& r) { put16(r, pieceField(5, 5), 6); }},
        {"first member not its own first", [](Bytes& r) { put16(r, pieceField(5, 5), 1); }},
        {"level beyond the pieces", [](Bytes& r) { put16(r, pieceField(5, 7), 12); }},
        {"slot piece", [](Bytes& r) { put16(r, pieceField(5, 9), 65280); }},
        {"cell shuffle", [](Bytes& r) { put16(r, pieceField(5, 12), 65280); }},
        {"cell flag", [](Bytes& r) { put16(r, pieceField(5, 14), 65535); }},
        // Within every range, against the rules of the board.
        {"a repeated level",
         [](Bytes& r) { std::memcpy(&r[pieceField(5, 7)], &r[pieceField(6, 7)], 2); }},
        {"a group turned two ways",
         [](Bytes& r) { r[pieceField(4, 4)] = static_cast<std::uint8_t>(r[pieceField(4, 4)] % 4 + 1); }},
        {"a member beside its place", [](Bytes& r) { ++r[pieceField(3, 0)]; }},
        {"a piece joined far from its group", [](Bytes& r) { put16(r, pieceField(5, 5), 0); }},
    };
    for (const Damage& damage : damages) {
        Bytes record = good;
        damage.change(record);
        if (damage.summedAgain && record.size() >= 38)
            sumAgain(record);
        EXPECT_FALSE(installGameRecord(record).has_value()) << damage.what;
        EXPECT_TRUE(snapshotGameState() == before) << damage.what << " touched the game";
    }
    EXPECT_TRUE(playFileBytes() == file);
    // The damage alone refused them: summed again, the record as made installs.
    Bytes resummed = good;
    sumAgain(resummed);
    EXPECT_TRUE(installGameRecord(resummed).has_value());
}

}  // namespace
