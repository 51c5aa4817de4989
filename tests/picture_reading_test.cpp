// Pictures read for puzzles: anything but a regular file refused without waiting, pictures
// beyond the pixel budget refused from their header, large ones decoded scaled down, and the
// player told why in the Ctrl+N dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "app/commands.h"
#include "completion/picture_files.h"
#include "platform/headless/headless.h"
#include "platform/jpeg.h"
#include "platform/picture_budget.h"
#include "platform/picture_file.h"
#include "support/program_fixture.h"
#include "support/state_snapshot.h"
#include "ui/picture_puzzle_dialog.h"
#include "ui/picture_refusal.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int browseId = 1202;
constexpr int cancelId = 2;

void appendBigEndian(Bytes& bytes, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendChunk(Bytes& png, const char* type, const Bytes& data)
{
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    appendBigEndian(png, crc32(png.data() + start, png.size() - start));
}

// A PNG whose header claims width x height of 8-bit RGB, its data a few rows of zeros in
// stored deflate blocks: a few hundred bytes that would take width * height * 3 bytes decoded.
Bytes claimedPng(std::uint32_t width, std::uint32_t height)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    appendChunk(png, "IHDR", header);
    const Bytes zeros(4096, 0);
    Bytes deflated = {0x78, 0x01, 1, 0x00, 0x10, 0xFF, 0xEF};  // one final stored block
    deflated.insert(deflated.end(), zeros.begin(), zeros.end());
    appendBigEndian(deflated, (4096u % 65521u) << 16 | 1u);  // Adler-32 of the zeros
    appendChunk(png, "IDAT", deflated);
    appendChunk(png, "IEND", {});
    return png;
}

void writeBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A width x height JPEG of smooth gradients, with the camera orientation when not 0.
void writeGradientJpeg(const fs::path& path, int width, int height, int orientation = 0)
{
    Bytes bgr(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &bgr[(static_cast<std::size_t>(y) * width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(x * 255 / width);
            pixel[1] = static_cast<std::uint8_t>(y * 255 / height);
            pixel[2] = 128;
        }
    Bytes jpeg;
    writeJpeg(
        [&](std::span<const std::uint8_t> part) {
            jpeg.insert(jpeg.end(), part.begin(), part.end());
            return true;
        },
        bgr.data(), width, height, static_cast<std::size_t>(width) * 3);
    if (orientation != 0) {
        // An Exif segment after the start marker: one IFD entry, tag 274, a short.
        const Bytes exif = {0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0,
                            0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0,
                            static_cast<std::uint8_t>(orientation), 0, 0, 0, 0, 0, 0};
        jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
    }
    writeBytes(path, jpeg);
}

class PictureReading : public ProgramTest {
protected:
    // The refusals of the picture and of its thumbnail, which must agree.
    PictureError refusal(const fs::path& path)
    {
        RgbImage picture;
        PictureError error;
        EXPECT_FALSE(readPictureFile(path.string(), picture, error)) << path;
        PictureError thumbnailError;
        EXPECT_FALSE(readPictureThumbnail(path.string(), 200, 200, picture, thumbnailError))
            << path;
        EXPECT_EQ(thumbnailError.problem, error.problem) << path;
        return error;
    }
    // Ctrl+N with `path` chosen, then Cancel: the message boxes shown.
    std::vector<std::string> messagesForChoice(const fs::path& path)
    {
        headless::clearEvents();
        headless::scriptFileChoice(path.string());
        headless::scriptDialog(picturePuzzleDialogId, {browseId, cancelId});
        command(picturePuzzleCommandId);
        headless::pumpMessages();
        std::vector<std::string> found;
        for (const std::string& event : headless::events())
            if (event.rfind("messagebox ", 0) == 0)
                found.push_back(event.substr(11));
        return found;
    }
};

TEST_F(PictureReading, OnlyRegularFilesAreReadAndNothingWaits)
{
    struct Case {
        fs::path path;
        PictureProblem problem;
    };
    fs::create_directory(folder / "pictures.png");
    std::vector<Case> cases = {
        {folder / "pictures.png", PictureProblem::notAFile},
        {folder / "missing.jpg", PictureProblem::cannotOpen},
    };
#ifdef _WIN32
    // A device: opened, but not a file on a disk.
    cases.push_back({"NUL", PictureProblem::notAFile});
#else
    // Opening a pipe for reading waits for a writer unless asked not to; reading a device
    // never ends.
    ASSERT_EQ(mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    fs::create_symlink(folder / "loop-b.png", folder / "loop-a.png");
    fs::create_symlink(folder / "loop-a.png", folder / "loop-b.png");
    fs::create_symlink("/dev/zero", folder / "zeros.png");
    cases.push_back({folder / "pipe.jpg", PictureProblem::notAFile});
    cases.push_back({"/dev/zero", PictureProblem::notAFile});
    cases.push_back({folder / "zeros.png", PictureProblem::notAFile});
    cases.push_back({folder / "loop-a.png", PictureProblem::cannotOpen});
#endif
    for (const Case& test : cases)
        EXPECT_EQ(refusal(test.path).problem, test.problem) << test.path;

    // The player is told it is not a picture file, and the game goes on as it was.
    startProgram();
    const Bytes before = snapshotGameState();
    PictureError notAFile;
    notAFile.problem = PictureProblem::notAFile;
    EXPECT_EQ(messagesForChoice(folder / "pictures.png"),
              std::vector<std::string>{pictureRefusalText(notAFile)});
#ifndef _WIN32
    EXPECT_EQ(messagesForChoice(folder / "pipe.jpg"),
              std::vector<std::string>{pictureRefusalText(notAFile)});
#endif
    EXPECT_EQ(snapshotGameState(), before);
}

// A file with no bytes, or one that ends before its picture does (a download or a copy that
// stopped), is told as such; what is no picture at all keeps its own message.
TEST_F(PictureReading, EmptyAndCutShortFilesAreToldAsSuch)
{
    const fs::path whole = folder / "whole.jpg";
    writeGradientJpeg(whole, 64, 48);
    std::ifstream in(whole, std::ios::binary);
    const Bytes jpeg{std::istreambuf_iterator<char>(in), {}};
    const Bytes png = claimedPng(8, 8);
    ASSERT_EQ(writeBmpFile((folder / "whole.bmp").string(), Bytes(8 * 8 * 3, 0x80), 8, 8),
              FileWriteOutcome::written);
    std::ifstream bmpIn(folder / "whole.bmp", std::ios::binary);
    const Bytes bmp{std::istreambuf_iterator<char>(bmpIn), {}};
    const auto cut = [](const Bytes& bytes, std::size_t size) {
        return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    };
    struct Case {
        const char* name;
        Bytes bytes;
        PictureProblem problem;
    };
    const Case cases[] = {
        {"empty.jpg", {}, PictureProblem::empty},
        {"header.jpg", cut(jpeg, 100), PictureProblem::cutShort},
        {"half.jpg", cut(jpeg, jpeg.size() / 2), PictureProblem::cutShort},
        {"noEnd.jpg", cut(jpeg, jpeg.size() - 2), PictureProblem::cutShort},
        {"noEnd.png", cut(png, png.size() - 12), PictureProblem::cutShort},
        {"half.png", cut(png, png.size() / 2), PictureProblem::cutShort},
        {"rows.bmp", cut(bmp, bmp.size() - 1), PictureProblem::cutShort},
        {"header.bmp", cut(bmp, 30), PictureProblem::cutShort},
        {"text.jpg", {'h', 'e', 'l', 'l', 'o', '\n'}, PictureProblem::notAPicture},
    };
    for (const Case& test : cases) {
        writeBytes(folder / test.name, test.bytes);
        EXPECT_EQ(refusal(folder / test.name).problem, test.problem) << test.name;
    }

    // The player reads why, and the game goes on as it was.
    startProgram();
    const Bytes before = snapshotGameState();
    for (const PictureProblem problem : {PictureProblem::empty, PictureProblem::cutShort}) {
        PictureError error;
        error.problem = problem;
        const std::string text = pictureRefusalText(error);
        PictureError notAPicture;
        notAPicture.problem = PictureProblem::notAPicture;
        EXPECT_NE(text, pictureRefusalText(notAPicture));
        const char* name = problem == PictureProblem::empty ? "empty.jpg" : "half.jpg";
        EXPECT_EQ(messagesForChoice(folder / name), std::vector<std::string>{text});
    }
    EXPECT_EQ(snapshotGameState(), before);
}

TEST_F(PictureReading, PicturesBeyondThePixelBudgetAreRefusedFromTheirHeader)
{
    // 30000 x 30000 in 4 KB: 2.7 GB decoded.
    struct Case {
        std::uint32_t width, height;
        bool refused;
    };
    for (const Case test : {Case{30000, 30000, true}, Case{64001, 1000, true},
                            Case{20000, 4000, true}, Case{8000, 8001, true},
                            Case{8000, 6000, false}}) {
        const fs::path path = folder / "claimed.png";
        writeBytes(path, claimedPng(test.width, test.height));
        RgbImage picture;
        PictureError error;
        readPictureFile(path.string(), picture, error);
        if (!test.refused) {
            // Within the budget: decoded, or refused for its missing rows, not for its size.
            EXPECT_NE(error.problem, PictureProblem::tooManyPixels) << error.message;
            continue;
        }
        const PictureError refused = refusal(path);
        EXPECT_EQ(refused.problem, PictureProblem::tooManyPixels) << test.width;
        EXPECT_EQ(refused.width, static_cast<int>(test.width));
        EXPECT_EQ(refused.height, static_cast<int>(test.height));
    }

    // The budget's own edge is within it.
    PictureError error;
    EXPECT_TRUE(pictureWithinBudget("edge.png", 8000, 8000, error));
    EXPECT_FALSE(pictureWithinBudget("edge.png", 8000, 8001, error));

    // The player sees the picture's size and the limit.
    writeBytes(folder / "bomb.png", claimedPng(30000, 30000));
    startProgram();
    const Bytes before = snapshotGameState();
    const std::vector<std::string> messages = messagesForChoice(folder / "bomb.png");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("30000 × 30000"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("64,000,000"), std::string::npos) << messages[0];
    EXPECT_EQ(snapshotGameState(), before);
}

TEST_F(PictureReading, LargePicturesAreDecodedScaledDown)
{
    // 12 megapixels, more than a picture keeps: decoded to at most 8, proportions kept.
    const fs::path path = folder / "large.jpg";
    writeGradientJpeg(path, 4000, 3000);
    RgbImage picture;
    PictureError error;
    ASSERT_TRUE(readPictureFile(path.string(), picture, error)) << error.message;
    EXPECT_LE(static_cast<long long>(picture.width) * picture.height, maxDecodedPixels);
    EXPECT_GE(picture.width, 3000);
    EXPECT_NEAR(static_cast<double>(picture.width) / picture.height, 4.0 / 3.0, 0.01);
    EXPECT_EQ(picture.rgb.size(), static_cast<std::size_t>(picture.width) * picture.height * 3);
    // The gradient survives the scaling: left dark, right bright in blue.
    EXPECT_LT(picture.rgb[2], 16);
    EXPECT_GT(picture.rgb[(static_cast<std::size_t>(picture.width) - 1) * 3 + 2], 240);

    ASSERT_TRUE(readPictureThumbnail(path.string(), 200, 200, picture, error));
    EXPECT_EQ(picture.width, 200);
    EXPECT_EQ(picture.height, 150);

#ifndef _WIN32
    // A photograph taken upright stays upright when scaled. (Wine's JPEG decoder gives no
    // Exif metadata.)
    writeGradientJpeg(path, 4000, 3000, 6);
    ASSERT_TRUE(readPictureFile(path.string(), picture, error)) << error.message;
    EXPECT_LT(picture.width, picture.height);
    ASSERT_TRUE(readPictureThumbnail(path.string(), 200, 200, picture, error));
    EXPECT_EQ(picture.width, 150);
#endif

    // Sizes kept, scaled to the pixel count and into a box.
    EXPECT_EQ(decodedSize({4000, 3000}, 48'000'000, {}).width, 4000);
    EXPECT_EQ(decodedSize({100000, 10}, 8'000'000, {}).width, 100000);
    EXPECT_EQ(decodedSize({10, 100000}, 8'000'000, {200, 200}).height, 200);
    EXPECT_EQ(decodedSize({10, 100000}, 8'000'000, {200, 200}).width, 1);
}

TEST_F(PictureReading, EveryKindTheDecoderReadsIsInTheFilter)
{
    // The decoder's own list of name endings, each once (Windows matches names without
    // regard to case; GTK's filter needs both).
    const std::string patterns = ";" + pictureFilePatterns() + ";";
    for (const char* pattern : {"*.jpg", "*.jpeg", "*.png", "*.bmp", "*.gif", "*.tif"})
        EXPECT_NE(patterns.find(std::string(";") + pattern + ";"), std::string::npos)
            << pattern << " not in " << patterns;
#ifndef _WIN32
    for (const char* pattern : {"*.JPG", "*.svg", "*.SVG", "*.webp"})
        EXPECT_NE(patterns.find(std::string(";") + pattern + ";"), std::string::npos)
            << pattern << " not in " << patterns;

    std::ofstream(folder / "square.svg")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='64' height='48'>"
           "<rect width='64' height='48' fill='#0000ff'/></svg>";
    RgbImage picture;
    PictureError error;
    ASSERT_TRUE(readPictureFile((folder / "square.svg").string(), picture, error))
        << error.message;
    EXPECT_EQ(picture.width, 64);
    EXPECT_EQ(picture.rgb[2], 255);

    // A kind whose size only the decoder reads is refused by the decoder before it draws.
    std::ofstream(folder / "huge.svg")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='30000' height='30000'/>";
    const PictureError refused = refusal(folder / "huge.svg");
    EXPECT_EQ(refused.problem, PictureProblem::tooManyPixels);
    EXPECT_EQ(refused.width, 30000);
#endif
}

}  // namespace
