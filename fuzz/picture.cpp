// Fuzz target: a picture of any size and shape through what Ctrl+N does with it: the dialog's
// thumbnail, the piece counts offered and their geometries, and for the chosen count a puzzle
// made and built. The picture is declared at any size within the game's pixel budget and, as
// the game decodes a large picture scaled down, decoded scaled down to this target's own small
// budget, so that each input takes milliseconds. The piece counts and geometries are checked
// for both sizes; the puzzle is made with small cells that keep its pieces within the budget.
// The input is the declared width and height (16 bits each), the chosen entry (16 bits), the
// cells (16 bits: core and margin), the seed (32 bits), the title's length (8 bits) and bytes,
// then pixel bytes repeated over the picture.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "maker/limits.h"
#include "maker/make.h"
#include "maker/size_choices.h"
#include "platform/picture_budget.h"
#include "platform/picture_file.h"
#include "puzzle/construction.h"
#include "puzzle/limits.h"
#include "puzzle/state.h"
#include "tests/support/game_invariants.h"

namespace {

// The pixels this target decodes a picture to, and the most pixels of piece boxes it builds.
constexpr long long fuzzPixels = 512 * 512;
constexpr long long fuzzPiecePixels = 256 * 256;

// Fills the picture with the input's remaining bytes over and over, grey when there are none.
void fillPixels(RgbImage& picture, const std::uint8_t* bytes, std::size_t size)
{
    std::vector<std::uint8_t>& rgb = picture.rgb;
    rgb.assign(static_cast<std::size_t>(picture.width) * picture.height * 3, 0x80);
    if (size == 0)
        return;
    // The bytes once, then what is filled so far copied after itself.
    std::size_t filled = std::min(size, rgb.size());
    std::copy(bytes, bytes + filled, rgb.begin());
    for (; filled < rgb.size(); filled *= 2)
        std::copy_n(rgb.begin(), std::min(filled, rgb.size() - filled), rgb.begin() + filled);
}

// The thumbnail as the dialog makes it: the whole picture fitted into 160 x 120.
void checkThumbnail(const RgbImage& picture)
{
    const long long width = picture.width;
    const long long height = picture.height;
    int toWidth = 160;
    int toHeight = static_cast<int>(height * toWidth / width);
    if (toHeight > 120) {
        toHeight = 120;
        toWidth = static_cast<int>(width * toHeight / height);
    }
    toWidth = std::max(toWidth, 1);
    toHeight = std::max(toHeight, 1);
    const RgbImage thumbnail =
        scalePicturePart(picture, 0, 0, picture.width, picture.height, toWidth, toHeight);
    fuzzRequire(thumbnail.width == toWidth && thumbnail.height == toHeight,
                "the thumbnail has another size than asked");
    fuzzRequire(thumbnail.rgb.size() == static_cast<std::size_t>(toWidth) * toHeight * 3,
                "the thumbnail's pixels do not fill it");
}

// The piece counts offered for a picture of `size`, each checked with its geometry.
std::vector<SizeChoice> checkedChoices(PictureSize size)
{
    const std::vector<SizeChoice> choices = sizeChoices(size.width, size.height);
    // A picture too small for 12 pieces gets no choice at all.
    fuzzRequire(!choices.empty() || !pictureLargeEnough(size.width, size.height, {4, 3}) ||
                    size.width < size.height,
                "no piece count offered for a picture large enough");
    for (std::size_t i = 0; i < choices.size(); ++i) {
        fuzzRequire(choices[i].pieces() <= maxPieces && choices[i].columns <= maxColumns &&
                        choices[i].rows <= maxRows,
                    "a piece count beyond the limits");
        fuzzRequire(i == 0 || choices[i].pieces() > choices[i - 1].pieces(),
                    "piece counts not in increasing order");
        fuzzRequire(pictureLargeEnough(size.width, size.height, choices[i]),
                    "a piece count offered for a picture too small for it");
        fuzzRequire(
            geometryProblem(geometryForChoice(choices[i], size.width, size.height)).empty(),
            "a piece count whose geometry the game cannot load");
    }
    return choices;
}

// Small cells for the choice: the first geometry the game can load from the core and margin
// the input asks for upwards; none when its piece boxes would go beyond the budget.
std::optional<PuzzleGeometry> smallGeometry(const SizeChoice& choice, int cells)
{
    for (int margin = 8 + 2 * (cells & 3); margin <= 16; margin += 2)
        for (int core = 1 + ((cells >> 2) & 15); core <= 24; ++core) {
            const PuzzleGeometry geometry{choice.columns, choice.rows, core, margin};
            if (!geometryProblem(geometry).empty())
                continue;
            const long long side = geometry.pieceSize();
            if (side * side * choice.pieces() > fuzzPiecePixels)
                return std::nullopt;
            return geometry;
        }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputReader input(data, size);
    const PictureSize declared{1 + (input.take16() & 0xFFFF), 1 + (input.take16() & 0xFFFF)};
    const int entry = input.take16() & 0xFFFF;
    const int cells = input.take16() & 0xFFFF;
    const auto seed = static_cast<std::uint32_t>(input.take32());
    // The length is taken before the rest is measured: the two calls in one expression could
    // come in either order.
    const std::size_t wantedTitle = input.take16() & 0xFF;
    const std::size_t titleLength = std::min(wantedTitle, input.restSize());
    const std::string title(reinterpret_cast<const char*>(input.rest()), titleLength);
    if (static_cast<long long>(declared.width) * declared.height > maxPicturePixels)
        return 0;

    checkedChoices(declared);
    const PictureSize decoded = decodedSize(declared, fuzzPixels, {});
    fuzzRequire(static_cast<long long>(decoded.width) * decoded.height <= fuzzPixels,
                "a picture decoded beyond the pixel budget");
    RgbImage picture{decoded.width, decoded.height, {}};
    fillPixels(picture, input.rest() + titleLength, input.restSize() - titleLength);
    checkThumbnail(picture);
    const std::vector<SizeChoice> choices = checkedChoices(decoded);
    if (choices.empty())
        return 0;
    const SizeChoice choice = choices[static_cast<std::size_t>(entry) % choices.size()];
    const std::optional<PuzzleGeometry> geometry = smallGeometry(choice, cells);
    if (!geometry)
        return 0;

    startFuzzGame();
    const std::vector<std::uint8_t> resource = makePuzzleResource(picture, *geometry, title, seed);
    fuzzRequire(buildPuzzleFrom(resource), "a made puzzle was refused");
    fuzzRequire(getColumns() == choice.columns && getRows() == choice.rows,
                "the built puzzle has another grid than chosen");
    requireNoFaults(freshBuildFaults(), "made puzzle");
    return 0;
}
