// Writes the seed inputs of every fuzz target from real content: tiny puzzles carrying the
// header of the first embedded puzzle, the settings file of a first run, DIB headers of the
// embedded images, the message lines of the embedded puzzles, small message catalogs in both
// byte orders, the series texts of a kept game, pictures of many shapes and game records.
// Usage: fuzz_seeds FOLDER (makes FOLDER/<target>/ for each target)
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "board/group_layout.h"
#include "fuzz/fuzz_support.h"
#include "library/game_record.h"
#include "platform/dib_format.h"
#include "platform/headless/headless.h"
#include "platform/resource_bundle.h"
#include "puzzle/construction.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"
#include "library/entry_info.h"
#include "savegame/series.h"
#include "savegame/writer.h"
#include "settings/settings.h"
#include "tests/support/puzzle_fixture.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void writeSeed(const fs::path& folder, const std::string& name, const Bytes& bytes)
{
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes embeddedPuzzle(int number)
{
    const auto bytes = bundleResource("JZT", number);
    return Bytes(bytes.begin(), bytes.end());
}

// A made puzzle whose header text (message lines, tag) is the embedded puzzle's.
Bytes withEmbeddedText(const SyntheticPuzzle& geometry)
{
    Bytes made = makePuzzleResource(geometry);
    const Bytes embedded = embeddedPuzzle(164);
    std::memcpy(made.data() + 20, embedded.data() + 20, 334);
    return made;
}

void constructionSeeds(const fs::path& folder)
{
    writeSeed(folder, "one-piece", withEmbeddedText({1, 1, 4, 2, 6}));
    writeSeed(folder, "two-by-one", withEmbeddedText({2, 1, 4, 4, 6}));
    writeSeed(folder, "five-by-three-padded", withEmbeddedText({5, 3, 2, 1, 0}));
    writeSeed(folder, "four-by-two", withEmbeddedText({4, 2, 6, 4, 6}));
}

void settingsSeeds(const fs::path& folder)
{
    char pattern[] = "/tmp/velmora-seeds-XXXXXX";
    const fs::path scratch = mkdtemp(pattern);
    headless::reset();
    headless::setModulePath((scratch / "velmora").string());
    buildSettingsPath();
    writeStartUpSettings();
    std::ifstream in(getSettingsPath(), std::ios::binary);
    const Bytes firstRun{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    writeSeed(folder, "first-run", firstRun);
    const std::string others = "[Quorin_Section]\nrpleft=120\nrptop=-5\nrpright=300\n"
                               "rpbottom=400\ngspath=/home/player/puzzle.jps\n"
                               "gopath=/home/player/puzzle.jps\n\n[Other]\nRed  =9\n";
    Bytes withOthers = firstRun;
    withOthers.insert(withOthers.end(), others.begin(), others.end());
    writeSeed(folder, "first-run-and-preview", withOthers);
    fs::remove_all(scratch);
}

// Eight 32-bit drawing values and the 16-bit raster choice, then the image.
Bytes dibSeed(const Bytes& image, std::initializer_list<int> values, int choice)
{
    Bytes seed;
    for (const int value : values)
        for (int shift = 0; shift < 32; shift += 8)
            seed.push_back(static_cast<std::uint8_t>(value >> shift));
    seed.push_back(static_cast<std::uint8_t>(choice));
    seed.push_back(static_cast<std::uint8_t>(choice >> 8));
    seed.insert(seed.end(), image.begin(), image.end());
    return seed;
}

void dibSeeds(const fs::path& folder)
{
    const Bytes puzzle = embeddedPuzzle(164);
    const auto parts = readPuzzleResource(puzzle, 0);
    if (!parts)
        return;
    // The embedded picture and label, cut after a few rows of pixels.
    Bytes picture(parts->pictureImage.begin(), parts->pictureImage.begin() + 40 + 3 * 64);
    Bytes label(parts->labelImage.begin(), parts->labelImage.begin() + 40 + 64 + 64);
    writeSeed(folder, "picture-one-to-one", dibSeed(picture, {0, 0, 37, 23, 3, 5, 37, 23}, 0));
    writeSeed(folder, "picture-stretched", dibSeed(picture, {-4, 2, 50, 11, 0, 0, 440, 560}, 0x100));
    writeSeed(folder, "label-mirrored", dibSeed(label, {30, 0, -30, 20, 10, 7, 20, 20}, 2));
    // A silhouette strip: 1 bit a pixel, top-down, two colours.
    Bytes mask(48 + 4 * 16, 0xA5);
    writeInfoHeader(mask.data(), 32, -16, 1, 64);
    const std::uint8_t palette[8] = {255, 255, 255, 0, 0, 0, 0, 0};
    std::memcpy(mask.data() + 40, palette, sizeof palette);
    writeSeed(folder, "mask-or", dibSeed(mask, {1, 1, 32, 16, 3, 0, 32, 16}, 1));
    Bytes eightBit(40 + 1024 + 8 * 8, 0x3C);
    writeInfoHeader(eightBit.data(), 8, 8, 8, 64, 0);
    writeSeed(folder, "eight-bit-shrunk", dibSeed(eightBit, {0, 0, 3, 3, 1, 1, 6, 6}, 0x100));
}

void textSeeds(const fs::path& folder)
{
    for (int number = 164; number <= 170; ++number) {
        const Bytes puzzle = embeddedPuzzle(number);
        if (puzzle.size() < 353)
            continue;
        // The title line: the third message line of the header.
        const auto* line = puzzle.data() + 20 + 2 * 111;
        writeSeed(folder, "message-" + std::to_string(number), Bytes(line, line + 111));
    }
    const std::string shown = "ファイルの読み込みに失敗しました";
    writeSeed(folder, "utf8-message", Bytes(shown.begin(), shown.end()));
}

// The play file of a freshly built tiny puzzle.
Bytes builtPlayFile(const SyntheticPuzzle& geometry)
{
    startFuzzGame();
    headless::overrideResource("JZT", 164, withEmbeddedText(geometry));
    buildPuzzle();
    fuzzRequire(getColumns() == geometry.columns && getRows() == geometry.rows,
                "a seed puzzle did not build");
    return playFileBytes();
}

// Pieces 0 and 1 joined, both turned a quarter, 1 laid beside 0 as a join leaves it.
void joinFirstTwoPieces()
{
    setPieceRotation(2, 0);
    setPieceRotation(2, 1);
    const PieceRect pivot = pieceRect(0, 0);
    const Point at = groupLayout(pivot.left, pivot.top, 0, 1, 0);
    pieceRect(1, 0) = {at.x, at.y, at.x + getPieceSize(), at.y + getPieceSize()};
    groupCells(0)[1][0] = 1;
    groupCells(1)[0][0] = 1;
}

// Play files are over a megabyte even for one piece, so the seeds are the smallest puzzles.
void playFileSeeds(const fs::path& folder)
{
    writeSeed(folder, "one-piece", builtPlayFile({1, 1, 4, 2, 6}));
    writeSeed(folder, "three-by-two", builtPlayFile({3, 2, 4, 4, 0}));
    builtPlayFile({2, 3, 4, 4, 6});
    joinFirstTwoPieces();
    writeSeed(folder, "two-by-three-joined", playFileBytes());
}

// The first byte asks the target to sum the record again (1) or not (0).
Bytes recordSeed(std::uint8_t sumAgain, const Bytes& record)
{
    Bytes seed{sumAgain};
    seed.insert(seed.end(), record.begin(), record.end());
    return seed;
}

// Records of the target's puzzle as built and with two pieces joined, and damaged ones: a
// wrong checksum, a version to come, a group turned two ways, a record cut short.
void gameRecordSeeds(const fs::path& folder)
{
    startFuzzGame();
    buildGameRecordPuzzle();
    const Bytes fresh = gameRecordBytes({});
    writeSeed(folder, "fresh", recordSeed(0, fresh));
    joinFirstTwoPieces();
    const Bytes joined = gameRecordBytes({{50, {10, 20}}, true});
    writeSeed(folder, "joined", recordSeed(0, joined));
    Bytes damaged = joined;
    damaged[40] ^= 1;
    writeSeed(folder, "wrong-checksum", recordSeed(0, damaged));
    damaged = joined;
    damaged[8] = 2;
    writeSeed(folder, "version-2", recordSeed(1, damaged));
    damaged = joined;
    damaged[34 + 16 + 4] = 1;  // piece 1 unturned, piece 0 a quarter turned
    writeSeed(folder, "group-turned-two-ways", recordSeed(1, damaged));
    writeSeed(folder, "cut-short", recordSeed(1, Bytes(joined.begin(), joined.end() - 16)));
}

// A message catalog of the entries (plural forms joined by NUL), its words in either order.
Bytes catalogSeed(const std::vector<std::pair<std::string, std::string>>& entries, bool bigEndian)
{
    Bytes bytes;
    const auto word = [&](std::size_t value) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (bigEndian ? 24 - 8 * i : 8 * i)));
    };
    const std::size_t count = entries.size();
    const std::size_t text = 28 + 16 * count;
    for (const std::size_t value : {std::size_t{0x950412de}, std::size_t{0}, count, std::size_t{28},
                                    28 + 8 * count, std::size_t{0}, std::size_t{0}})
        word(value);
    std::string texts;
    for (const bool translated : {false, true})
        for (const auto& entry : entries) {
            const std::string& item = translated ? entry.second : entry.first;
            word(item.size());
            word(text + texts.size());
            texts += item + '\0';
        }
    bytes.insert(bytes.end(), texts.begin(), texts.end());
    return bytes;
}

void catalogSeeds(const fs::path& folder)
{
    const std::vector<std::pair<std::string, std::string>> entries{
        {"", "Project-Id-Version: velmora\nLanguage: en\n"
             "Content-Type: text/plain; charset=UTF-8\n"},
        {"ファイル(&F)", "&File"},
        {std::string("ピース\0ピース", 19), std::string("piece\0pieces", 12)},
        {"空", ""}};
    writeSeed(folder, "little-endian", catalogSeed(entries, false));
    writeSeed(folder, "big-endian", catalogSeed(entries, true));
}

void seriesSeeds(const fs::path& folder)
{
    writeSeed(folder, "first", seriesText(firstSeriesPuzzleNumber, 0));
    writeSeed(folder, "last-made", seriesText(lastSeriesPuzzleNumber, 1));
}

// Info files of a series puzzle never finished and of a made puzzle with its thumbnail.
void libraryEntrySeeds(const fs::path& folder)
{
    EntryInfo series{EntryKind::series, 3, false, "ミツバチとアスター", 12, 95, 4, 1765000000};
    series.gameKept = true;
    writeSeed(folder, "series", entryInfoText(series));
    EntryInfo made{EntryKind::made, 0, false, "夜の橋", 1000, 0, 0, 1765000000, 2, 3600};
    made.thumbnail = {3, 2, std::vector<std::uint8_t>(18, 0x80)};
    writeSeed(folder, "made", entryInfoText(made));
}

// Pictures of the shapes players choose and of the extremes: landscape and upright photographs,
// a square, a panorama one pixel high and a column one pixel wide, a picture just large enough
// for its pieces and a 48-megapixel camera photograph.
void pictureSeeds(const fs::path& folder)
{
    struct Shape {
        const char* name;
        int width, height, entry, cells;
    };
    for (const Shape shape : {Shape{"landscape", 640, 480, 3, 0}, Shape{"upright", 300, 400, 0, 9},
                              Shape{"square", 512, 512, 12, 0}, Shape{"panorama", 4096, 1, 0, 0},
                              Shape{"column", 1, 4096, 0, 0}, Shape{"just-enough", 64, 48, 0, 3},
                              Shape{"wide-many", 4000, 250, 9, 0},
                              Shape{"photograph", 8000, 6000, 12, 0}}) {
        Bytes seed;
        for (const int value : {shape.width - 1, shape.height - 1, shape.entry, shape.cells})
            seed.insert(seed.end(), {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
        seed.insert(seed.end(), {7, 0, 0, 0, 5, 0});
        seed.insert(seed.end(), {'p', 'h', 'o', 't', 'o'});
        for (int i = 0; i < 96; ++i)
            seed.push_back(static_cast<std::uint8_t>(i * 37));
        writeSeed(folder, shape.name, seed);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[1];
    constructionSeeds(out / "construction");
    settingsSeeds(out / "settings");
    dibSeeds(out / "dib");
    textSeeds(out / "text");
    playFileSeeds(out / "playfile");
    catalogSeeds(out / "mo_catalog");
    seriesSeeds(out / "series");
    pictureSeeds(out / "picture");
    gameRecordSeeds(out / "game_record");
    libraryEntrySeeds(out / "library_entry");
    return 0;
}
