// Play files: the encodings, the layout, a golden file, round trips, and files that must be
// refused without touching the game; saves that fail without harming the old file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "board/group_layout.h"
#include "platform/dib_format.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/encodings.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/writer.h"
#include "tests/support/ordinary_user.h"
#include "tests/support/puzzle_fixture.h"
#include "tests/support/synthetic_puzzle.h"

namespace {

namespace fs = std::filesystem;
using testing_support::asOrdinaryUser;
using Bytes = std::vector<std::uint8_t>;

Bytes encoded(void (*put)(std::uint8_t*, int), int value, int size = 2)
{
    Bytes out(static_cast<std::size_t>(size), 0xAA);
    put(out.data(), value);
    return out;
}

TEST(PlayFileEncodings, EdgeValues)
{
    EXPECT_EQ(encoded(putBase255PairHighFirst, 999), (Bytes{3, 234}));
    EXPECT_EQ(encoded(putBase255Pair, 999), (Bytes{234, 3}));
    EXPECT_EQ(encoded(putOffsetPair, -1000), (Bytes{0, 0}));
    EXPECT_EQ(encoded(putOffsetPair, -1), (Bytes{234, 3}));
    EXPECT_EQ(encoded(putBase255Pair, -1), (Bytes{0xFF, 0x00}));
    EXPECT_EQ(encoded(putBase255Pair, 255), (Bytes{0, 1}));
    EXPECT_EQ(encoded(putSlotByte, 300, 4), (Bytes{44, 0, 0, 0}));
    Bytes seconds(4);
    putBigEndian32(seconds.data(), 0x01020384u);
    EXPECT_EQ(seconds, (Bytes{1, 2, 3, 0x84}));
    EXPECT_EQ(getBigEndian32(seconds.data()), 0x01020384u);

    for (int value : {0, 254, 255, 999, 65279}) {
        EXPECT_EQ(getBase255Pair(encoded(putBase255Pair, value).data()), value);
        EXPECT_EQ(getBase255PairHighFirst(encoded(putBase255PairHighFirst, value).data()), value);
    }
    for (int value : {-1000, -1, 0, 64279})
        EXPECT_EQ(getOffsetPair(encoded(putOffsetPair, value).data()), value);
    // Below -1000 the pair cannot carry the value.
    EXPECT_NE(getOffsetPair(encoded(putOffsetPair, -1200).data()), -1200);
}

TEST(PlayFileLayout, BlocksFollowOneAnotherAndEmbeddedFilesHaveTheirSize)
{
    using namespace playfile;
    EXPECT_EQ(cellBlockOffset, headerOffset + headerSize);
    EXPECT_EQ(cellBlockSize, 41u * 26u * cellRecordSize);
    EXPECT_EQ(rectBlockOffset, cellBlockOffset + cellBlockSize);
    EXPECT_EQ(rectBlockSize, 41u * 26u * rectRecordSize);
    EXPECT_EQ(groupMasksOffset, rectBlockOffset + rectBlockSize);
    EXPECT_EQ(groupRecordSize, 41u * 26u);
    EXPECT_EQ(orderColumnsOffset, groupMasksOffset + groupRecordCount * groupRecordSize);
    EXPECT_EQ(orderRowsOffset, orderColumnsOffset + orderBlockSize);
    EXPECT_EQ(stepsColumnOffset, orderRowsOffset + orderBlockSize);
    EXPECT_EQ(stepsRowOffset, stepsColumnOffset + stepsBlockSize);
    EXPECT_EQ(imageBlocksOffset, stepsRowOffset + stepsBlockSize);

    const Geometry portrait{3, 4, 40, 80, 2, 2};
    EXPECT_EQ(imageBlockSize(portrait, 0), 739254u);
    EXPECT_EQ(imageBlockSize(portrait, 1), 1440054u);
    EXPECT_EQ(imageBlockSize(portrait, 4), 1440054u);
    EXPECT_EQ(imageBlockSize(portrait, 5), 480062u);
    EXPECT_EQ(fileLength(portrait), 8084880u);
    EXPECT_EQ(fileLength({4, 3, 40, 80, 2, 2}), 8084880u);
    EXPECT_EQ(imageBlockSize({3, 4, 40, 80, 1, 1}, 0), 440u * 560u + 1078u);
    EXPECT_EQ(imageBlockSize({3, 4, 40, 80, 1, 1}, 2), 600u * 800u + 1078u);
}

std::uint64_t fnv1a(const Bytes& bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t byte : bytes)
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// Everything a failed read must leave alone: the file the game would write now, and the
// values and blocks a file does not show.
struct GameSnapshot {
    Bytes file;
    std::uint32_t startTick;
    int elapsedSeconds, pieceHeld, buildInProgress, puzzleNumber, pieceSize;
    std::uint8_t* blocks[6];
    std::vector<int> order;

    static GameSnapshot take()
    {
        GameSnapshot s{playFileBytes(), getStartTick(), getElapsedSeconds(), getPieceHeld(),
                       getBuildInProgress(), getPuzzleNumber(), getPieceSize(),
                       {getPictureDib(), getPieceSheet1(), getPieceSheet2(), getPieceSheet3(),
                        getPieceSheet4(), getPieceMask()},
                       {}};
        for (int p = 0; p < pieceTableSize; ++p) {
            s.order.push_back(zOrderColumn(p));
            s.order.push_back(zOrderRow(p));
        }
        return s;
    }
    bool operator==(const GameSnapshot&) const = default;
};

class PlayFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        startHeadlessGame();
        headless::setTimeOfDay(1700000000);
        headless::setTickCount(123456);
    }
    void TearDown() override { resetGameState(); }

    void buildMade(const SyntheticPuzzle& puzzle)
    {
        headless::overrideResource("JZT", 164, makePuzzleResource(puzzle));
        setPuzzleNumber(2);
        buildPuzzle();
        ASSERT_NE(getPictureDib(), nullptr);
    }

    // A played game: a few pieces turned and moved, two joined, some time gone by.
    void playALittle()
    {
        setPieceRotation(getPieceRotation(0) % 4 + 1, 0);
        pieceRect(0, 0) = {-1000, -1, -1000 + getPieceSize(), -1 + getPieceSize()};
        groupCells(1)[2][0] = 1;
        groupCells(2)[1][0] = 1;
        setPieceRotation(getPieceRotation(1), 2);
        const PieceRect pivot = pieceRect(1, 0);
        const Point joined = groupLayout(pivot.left, pivot.top, 1, 2, 0);
        pieceRect(2, 0) = {joined.x, joined.y, joined.x + getPieceSize(),
                           joined.y + getPieceSize()};
        std::swap(zLevel(0, 0), zLevel(1, 1));
        rebuildZOrderList();
        headless::setTickCount(123456 + 75000);
    }
};

TEST_F(PlayFile, GoldenFileOfAFixedBuild)
{
    buildMade({});
    setPuzzleTag(0x5A);
    setSpareFileByte(7);
    setPreviewShown(1);
    playALittle();
    const Bytes file = playFileBytes();
    ASSERT_EQ(file.size(), 8084880u);
    // Spot checks that explain a failing hash.
    EXPECT_EQ((Bytes(file.begin(), file.begin() + 28)),
              (Bytes{3, 0, 0, 0, 4, 0, 0, 0, 40, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 2,
                     0, 0, 0}));
    EXPECT_EQ(getBigEndian32(&file[playfile::elapsedSecondsAt]), 75u);
    EXPECT_EQ(file[playfile::puzzleTagAt], 0x5A);
    EXPECT_EQ(file[playfile::previewShownAt], 1);
    EXPECT_EQ(file[playfile::spareFileByteAt], 7);
    EXPECT_EQ(file[playfile::rectBlockOffset], 0);      // left -1000
    EXPECT_EQ(file[playfile::rectBlockOffset + 4], 234);  // top -1: 234, 3
    EXPECT_EQ(file[playfile::rectBlockOffset + 5], 3);
    EXPECT_EQ((Bytes(file.begin() + playfile::stepsColumnOffset,
                     file.begin() + playfile::imageBlocksOffset)),
              (Bytes{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0,  //
                     0xFF, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    // A 3 x 4 puzzle fills only the first records of each block; the rest is 0.
    const auto zeroFrom = [&file](std::size_t from, std::size_t to) {
        return std::all_of(file.begin() + from, file.begin() + to, [](auto b) { return b == 0; });
    };
    EXPECT_TRUE(zeroFrom(playfile::cellBlockOffset + 144, playfile::rectBlockOffset));
    EXPECT_TRUE(zeroFrom(playfile::rectBlockOffset + 192, playfile::groupMasksOffset));
    EXPECT_TRUE(zeroFrom(playfile::groupMasksOffset + 12, playfile::groupMasksOffset + 1066));
    EXPECT_TRUE(zeroFrom(4374, playfile::headerSize));
    EXPECT_EQ(file[playfile::imageBlocksOffset], 'B');
    EXPECT_EQ(fnv1a(file), 0x8e78e7587916caddull) << std::hex << fnv1a(file);
}

TEST_F(PlayFile, EmbeddedGameComesBackWhole)
{
    startEmbeddedGame();
    headless::setTickCount(123456);
    setStartTick(100000);
    setElapsedSeconds(40);
    playALittle();
    const Bytes saved = playFileBytes();
    ASSERT_EQ(saved.size(), 8084880u);
    std::vector<PieceRect> rects;
    for (int k = 0; k < getPieceCount(); ++k)
        rects.push_back(pieceRect(k % getColumns(), k / getColumns()));

    headless::setTimeOfDay(1800000000);
    setPuzzleNumber(5);
    buildPuzzle();
    ASSERT_NE(playFileBytes(), saved);
    headless::setTickCount(500000);
    ASSERT_TRUE(loadPlayFileBytes(saved));
    EXPECT_EQ(getStartTick(), 500000u);
    EXPECT_EQ(getElapsedSeconds(), 40 + 198 - 100);
    EXPECT_EQ(getPuzzleNumber(), 5);
    EXPECT_EQ(getPieceSize(), 200);
    for (int k = 0; k < getPieceCount(); ++k) {
        const PieceRect& rect = pieceRect(k % getColumns(), k / getColumns());
        EXPECT_EQ(rect.left, rects[k].left);
        EXPECT_EQ(rect.bottom, rects[k].bottom);
    }
    for (int p = 0; p < getPieceCount(); ++p)
        EXPECT_EQ(zLevel(zOrderColumn(p), zOrderRow(p)), p);
    // Written again at once, the file is the same byte for byte.
    EXPECT_EQ(playFileBytes(), saved);
}

TEST_F(PlayFile, PlayTimeCountsWholeSecondsOfEachTick)
{
    buildMade({});
    setElapsedSeconds(40);
    setStartTick(100900);
    headless::setTickCount(101100);  // 0.2 s later, across a whole second of the count
    EXPECT_EQ(getBigEndian32(&playFileBytes()[playfile::elapsedSecondsAt]), 41u);
}

// A game of four pieces in a row, of `core` + 2 x 80 pixels, with a plain picture, made in the
// state directly: no embedded puzzle beyond the limits can be built. Four columns keep the
// picture's and the sheets' rows whole 4-byte words, as the play file needs.
Bytes rowOfFourGame(int core)
{
    testing_support::buildSyntheticPuzzle({4, 1, core, 80});
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::uint8_t* picture = allocateImageBlock(bitmapInfoHeaderSize + rowBytes * height, true);
    writeInfoHeader(picture, width, height, 24, static_cast<std::uint32_t>(rowBytes * height));
    setPictureDib(picture);
    setPictureBits(picture + bitmapInfoHeaderSize);
    setPictureFormat(2);
    return playFileBytes();
}

TEST_F(PlayFile, PiecesOnePixelBeyondTheLargestAreRefused)
{
    const Bytes largest = rowOfFourGame(40);
    const Bytes tooLarge = rowOfFourGame(41);
    buildMade({});
    EXPECT_FALSE(loadPlayFileBytes(tooLarge));
    EXPECT_EQ(getColumns(), 3);
    // The same game with 200-pixel pieces is taken: only the size refuses the other.
    EXPECT_TRUE(loadPlayFileBytes(largest));
    EXPECT_EQ(getColumns(), 4);
}

TEST_F(PlayFile, MadePuzzleOfTenByEightComesBackWhole)
{
    SyntheticPuzzle puzzle;
    puzzle.columns = 10;
    puzzle.rows = 8;
    puzzle.core = 20;
    puzzle.margin = 20;
    buildMade(puzzle);
    playALittle();
    const Bytes saved = playFileBytes();
    EXPECT_EQ(saved.size(), playfile::fileLength({10, 8, 20, 20, 2, 2}));
    buildMade({});
    ASSERT_TRUE(loadPlayFileBytes(saved));
    EXPECT_EQ(getColumns(), 10);
    EXPECT_EQ(getRows(), 8);
    EXPECT_EQ(getPieceSize(), 60);
    EXPECT_EQ(getPictureBits(), getPictureDib() + 40);
    EXPECT_EQ(getPieceMaskBits(), getPieceMask() + 48);
    // The 3 x 4 build's file headers stay; the sizes they state are not this puzzle's.
    headless::setTickCount(123456 + 75000);
    const Bytes again = playFileBytes();
    ASSERT_EQ(again.size(), saved.size());
    EXPECT_EQ(Bytes(again.begin(), again.begin() + playfile::imageBlocksOffset),
              Bytes(saved.begin(), saved.begin() + playfile::imageBlocksOffset));
}

class HostileFile : public PlayFile {
protected:
    void SetUp() override
    {
        PlayFile::SetUp();
        buildMade({});
        playALittle();
        good = playFileBytes();
        before = GameSnapshot::take();
    }

    // The file is refused, and nothing of the game changed.
    void expectRefused(const Bytes& file, const std::string& what)
    {
        EXPECT_FALSE(loadPlayFileBytes(file)) << what;
        EXPECT_TRUE(GameSnapshot::take() == before) << what << " touched the game";
    }

    Bytes changed(std::size_t at, std::uint8_t value) const
    {
        Bytes file = good;
        file[at] = value;
        return file;
    }

    Bytes good;
    GameSnapshot before;
};

TEST_F(HostileFile, EveryTruncationAndAnExtraByteAreRefused)
{
    std::vector<std::size_t> lengths = {0,
                                        100,
                                        playfile::headerSize - 1,
                                        playfile::cellBlockOffset,
                                        10000,
                                        playfile::rectBlockOffset,
                                        playfile::groupMasksOffset,
                                        500000,
                                        playfile::orderColumnsOffset,
                                        playfile::orderRowsOffset,
                                        playfile::stepsColumnOffset,
                                        playfile::stepsRowOffset,
                                        playfile::imageBlocksOffset,
                                        playfile::imageBlocksOffset + 7};
    std::size_t offset = playfile::imageBlocksOffset;
    const playfile::Geometry geometry = playfile::currentGeometry();
    for (int index = 0; index < playfile::imageBlockCount; ++index) {
        lengths.push_back(offset + playfile::imageBlockSize(geometry, index) / 2);
        offset += playfile::imageBlockSize(geometry, index);
        lengths.push_back(offset - 1);
        if (index < 5)
            lengths.push_back(offset);
    }
    for (std::size_t length : lengths)
        expectRefused(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)),
                      "a file cut at " + std::to_string(length));
    Bytes longer = good;
    longer.push_back(0);
    expectRefused(longer, "a file one byte too long");
}

TEST_F(HostileFile, HeadersOutsideTheGamesLimitsAreRefused)
{
    expectRefused(changed(playfile::columnsAt, 0), "columns 0");
    expectRefused(changed(playfile::columnsAt, 42), "columns 42");
    expectRefused(changed(playfile::rowsAt, 27), "rows 27");
    Bytes tooMany = changed(playfile::columnsAt, 41);
    tooMany[playfile::rowsAt] = 25;
    expectRefused(tooMany, "1025 pieces");
    expectRefused(changed(playfile::pieceCoreAt, 0), "no core");
    expectRefused(changed(playfile::pieceMarginAt, 81), "pieces of 202 pixels");
    expectRefused(changed(playfile::pictureFormatAt, 3), "picture format 3");
    expectRefused(changed(playfile::sheetFormatAt, 0), "sheet format 0");
}

TEST_F(HostileFile, BoardStatesThatBreakTheGamesRulesAreRefused)
{
    const std::size_t rotationOf3 = playfile::pieceEntriesAt + 4 * 3 + 2;
    expectRefused(changed(rotationOf3, 5), "rotation 5");
    expectRefused(changed(playfile::pieceEntriesAt + 2, 0), "rotation 0");
    // Pieces 1 and 2 are joined: they must turn alike.
    const std::size_t rotationOf1 = playfile::pieceEntriesAt + 4 * 1 + 2;
    expectRefused(changed(rotationOf1, good[rotationOf1] % 4 + 1), "a group turned two ways");

    const std::size_t levelOf = playfile::cellBlockOffset + 8;
    Bytes repeated = good;
    repeated[levelOf + 12 * 5] = repeated[levelOf + 12 * 6];
    repeated[levelOf + 12 * 5 + 1] = repeated[levelOf + 12 * 6 + 1];
    expectRefused(repeated, "a repeated drawing level");
    expectRefused(changed(levelOf + 12 * 5, 12), "a drawing level beyond the pieces");

    const auto groupByte = [](int k, int m) {
        return playfile::groupMasksOffset + playfile::groupRecordSize * k + m;
    };
    expectRefused(changed(groupByte(4, 4), 0), "a group without its own piece");
    expectRefused(changed(groupByte(1, 5), 1), "members that disagree about their group");
    expectRefused(changed(groupByte(0, 1), 1), "a group its members do not share");

    // Found by fuzzing: a member must lie at its place in the group, on either axis.
    const std::size_t cornerOf2 = playfile::rectBlockOffset + playfile::rectRecordSize * 2;
    expectRefused(changed(cornerOf2, static_cast<std::uint8_t>(good[cornerOf2] ^ 1)),
                  "a member beside its place in the group");
    expectRefused(changed(cornerOf2 + 4, static_cast<std::uint8_t>(good[cornerOf2 + 4] ^ 1)),
                  "a member above or below its place in the group");
}

TEST_F(HostileFile, ImagesThatDoNotMatchTheGeometryAreRefused)
{
    const playfile::Geometry geometry = playfile::currentGeometry();
    const auto infoOf = [&geometry](int index) {
        std::size_t offset = playfile::imageBlocksOffset;
        for (int i = 0; i < index; ++i)
            offset += playfile::imageBlockSize(geometry, i);
        return offset + 14;
    };
    expectRefused(changed(infoOf(0) + 14, 8), "an 8-bit picture in a 24-bit file");
    expectRefused(changed(infoOf(3) + 4, 0x59), "a sheet of the wrong width");
    expectRefused(changed(infoOf(5) + 8, 0x21), "a mask of the wrong height");
    expectRefused(changed(infoOf(5) + 14, 4), "a 4-bit mask");
    expectRefused(changed(infoOf(2) + 16, 1), "a compressed sheet");
    expectRefused(changed(infoOf(1) + 33, 1), "a colour table that pushes the rows out");
    Bytes topDown = good;
    std::memset(&topDown[infoOf(4) + 8], 0xFF, 4);
    expectRefused(topDown, "a top-down sheet");
}

TEST_F(HostileFile, AStatePartMustBeWholeAndOfThePuzzleInPlay)
{
    const Bytes state(good.begin(), good.begin() + playfile::imageBlocksOffset);
    const auto expectStateRefused = [this](Bytes part, std::size_t at, int value,
                                           const std::string& what) {
        if (at < part.size())
            part[at] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(loadPlayStateBytes(part)) << what;
        EXPECT_TRUE(GameSnapshot::take() == before) << what << " touched the game";
    };
    expectStateRefused(Bytes(state.begin(), state.end() - 1), 0, 3, "a state part cut short");
    expectStateRefused(good, 0, 3, "a whole play file");
    expectStateRefused(state, playfile::columnsAt, 4, "four columns");
    expectStateRefused(state, playfile::pieceMarginAt, 70, "another margin");
    expectStateRefused(state, playfile::pictureFormatAt, 1, "another picture format");
    expectStateRefused(state, playfile::pieceEntriesAt + 4 * 3 + 2, 5, "rotation 5");
    // The same state over the same puzzle built afresh is taken, the images in play kept.
    buildMade({});
    ASSERT_TRUE(loadPlayStateBytes(state));
    EXPECT_TRUE(playFileBytes() == good);
}

TEST_F(HostileFile, FieldsTheGameNeverUsesAreCarriedUnchecked)
{
    Bytes file = good;
    file[playfile::pieceEntriesAt + 1] = 254;                   // slotPiece
    file[playfile::pieceEntriesAt + 4 * 500 + 2] = 9;          // beyond the last piece
    file[playfile::cellBlockOffset] = 200;                       // cellShuffle
    file[playfile::previewShownAt] = 1;
    file[5000] = 0x77;                                          // spare header bytes
    file[playfile::groupMasksOffset + 1066 * 900] = 1;          // record beyond the pieces
    file[playfile::orderColumnsOffset] = 250;                   // rebuilt from the levels
    file[playfile::imageBlocksOffset] = 'X';                    // file headers are not read
    ASSERT_TRUE(loadPlayFileBytes(file));
    EXPECT_EQ(getSlotPiece(0), getBase255PairHighFirst(&file[playfile::pieceEntriesAt]));
    EXPECT_EQ(getPieceRotation(500), 9);
    EXPECT_EQ(getPreviewShown(), 0);
    EXPECT_LT(zOrderColumn(0), getColumns());
    EXPECT_EQ(pictureFileHeader()[0], 'B');
}

// Saves through the same path as the save command.
FileWriteOutcome save(const std::string& path)
{
    return replaceFileContents(path, writePlayFile, true);
}

class FailingSave : public PlayFile {
protected:
    void SetUp() override
    {
        PlayFile::SetUp();
        buildMade({});
        folder = fs::temp_directory_path() /
                 ("velmora-save-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        fs::remove_all(folder);
        PlayFile::TearDown();
    }

    static std::string text(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::size_t entries(const fs::path& dir)
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir), fs::directory_iterator{}));
    }

    fs::path folder;
};

TEST_F(FailingSave, AWrittenFileReadsBackAndReplacesTheOldOne)
{
    const fs::path path = folder / "game.jps";
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(save(path), FileWriteOutcome::written);
    Bytes read;
    ASSERT_EQ(readWholeFile(path, read, playfile::maxFileLength), FileReadOutcome::read);
    EXPECT_EQ(read, playFileBytes());
    EXPECT_TRUE(loadPlayFileBytes(read));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(folder), 1u);
}

TEST_F(FailingSave, AFolderThatCannotBeWrittenLeavesNothing)
{
    // A path below a regular file can never be created, even by root.
    std::ofstream(folder / "plain") << "x";
    EXPECT_EQ(save(folder / "plain" / "game.jps"), FileWriteOutcome::cannotCreate);
    EXPECT_EQ(save(folder / "missing" / "game.jps"), FileWriteOutcome::cannotCreate);
    EXPECT_EQ(entries(folder), 1u);
    EXPECT_EQ(text(folder / "plain"), "x");
}

TEST_F(FailingSave, AReadOnlyFileOrFolderIsLeftAlone)
{
    const fs::path path = folder / "game.jps";
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_TRUE(
        asOrdinaryUser(folder, [&] { return save(path) == FileWriteOutcome::cannotCreate; }));
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(asOrdinaryUser(
        folder, [&] { return save(folder / "other.jps") == FileWriteOutcome::cannotCreate; }));
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(text(path), "old");
    EXPECT_EQ(entries(folder), 1u);
}

TEST_F(FailingSave, AFullDeviceKeepsTheOldFile)
{
    const fs::path device = folder / "small";
    fs::create_directories(device);
    if (mount("tmpfs", device.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "no small tmpfs can be mounted here: " << std::strerror(errno);
    std::ofstream(device / "game.jps") << "old";
    const FileWriteOutcome outcome = save(device / "game.jps");
    const std::string kept = text(device / "game.jps");
    const std::size_t left = entries(device);
    umount(device.c_str());
    EXPECT_EQ(outcome, FileWriteOutcome::failed);
    EXPECT_EQ(kept, "old");
    EXPECT_EQ(left, 1u);
}

TEST_F(FailingSave, AWriteCutShortKeepsTheOldFile)
{
    // A file size limit stops the write partway, for root too.
    const fs::path path = folder / "game.jps";
    std::ofstream(path) << "old";
    rlimit previous;
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = 1 << 20;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const FileWriteOutcome outcome = save(path);
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(outcome, FileWriteOutcome::failed);
    EXPECT_EQ(text(path), "old");
    EXPECT_EQ(entries(folder), 1u);
}

TEST_F(FailingSave, NothingToSaveWithoutAPuzzle)
{
    releaseImageBlocks();
    EXPECT_EQ(save(folder / "game.jps"), FileWriteOutcome::failed);
    EXPECT_EQ(entries(folder), 0u);
}

}  // namespace
