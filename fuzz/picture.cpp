// Fuzz target: a decoded picture of any size and shape through what Ctrl+N does with it: the
// dialog's thumbnail, the piece counts offered, and for the chosen count a puzzle made and
// built. The input is the picture's width and height (16 bits each, up to 4096 and a million
// pixels), the chosen entry (16 bits), the seed (32 bits), the title's length (8 bits) and
// bytes, then pixel bytes repeated over the picture.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "maker/limits.h"
#include "maker/make.h"
#include "maker/size_choices.h"
#include "platform/picture_file.h"
#include "puzzle/construction.h"
#include "puzzle/limits.h"
#include "puzzle/state.h"
#include "tests/support/game_invariants.h"

namespace {

constexpr int largestSide = 4096;
constexpr int largestPixels = 1 << 20;

RgbImage pictureFrom(InputReader& input)
{
    RgbImage picture;
    picture.width = 1 + (input.take16() & 0xFFFF) % largestSide;
    picture.height = 1 + (input.take16() & 0xFFFF) % largestSide;
    picture.height = std::min(picture.height, std::max(1, largestPixels / picture.width));
    return picture;
}

// Fills the picture with the input's remaining bytes over and over, grey when there are none.
void fillPixels(RgbImage& picture, const std::uint8_t* bytes, std::size_t size)
{
    picture.rgb.resize(static_cast<std::size_t>(picture.width) * picture.height * 3, 0x80);
    for (std::size_t at = 0; size > 0 && at < picture.rgb.size(); ++at)
        picture.rgb[at] = bytes[at % size];
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InputReader input(data, size);
    RgbImage picture = pictureFrom(input);
    const int entry = input.take16() & 0xFFFF;
    const auto seed = static_cast<std::uint32_t>(input.take32());
    // The length is taken before the rest is measured: the two calls in one expression could
    // come in either order.
    const std::size_t wantedTitle = input.take16() & 0xFF;
    const std::size_t titleLength = std::min(wantedTitle, input.restSize());
    const std::string title(reinterpret_cast<const char*>(input.rest()), titleLength);
    fillPixels(picture, input.rest() + titleLength, input.restSize() - titleLength);

    checkThumbnail(picture);
    const std::vector<SizeChoice> choices = sizeChoices(picture.width, picture.height);
    // A picture too small for 12 pieces gets no choice at all.
    fuzzRequire(!choices.empty() || !pictureLargeEnough(picture.width, picture.height, {4, 3}) ||
                    picture.width < picture.height,
                "no piece count offered for a picture large enough");
    if (choices.empty())
        return 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        fuzzRequire(choices[i].pieces() <= maxPieces && choices[i].columns <= maxColumns &&
                        choices[i].rows <= maxRows,
                    "a piece count beyond the limits");
        fuzzRequire(i == 0 || choices[i].pieces() > choices[i - 1].pieces(),
                    "piece counts not in increasing order");
        fuzzRequire(geometryProblem(geometryForChoice(choices[i], picture.width, picture.height)).empty(),
                    "a piece count whose geometry the game cannot load");
    }
    const SizeChoice choice = choices[static_cast<std::size_t>(entry) % choices.size()];
    if (!pictureLargeEnough(picture.width, picture.height, choice))
        return 0;

    startFuzzGame();
    const std::vector<std::uint8_t> resource =
        makePuzzleResource(picture, geometryForChoice(choice, picture.width, picture.height), title, seed);
    fuzzRequire(buildPuzzleFrom(resource), "a made puzzle was refused");
    fuzzRequire(getColumns() == choice.columns && getRows() == choice.rows,
                "the built puzzle has another grid than chosen");
    requireNoFaults(freshBuildFaults(), "made puzzle");
    return 0;
}
