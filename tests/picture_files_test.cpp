// The finished picture's files: BMP bytes and sizes, JPEG through libjpeg, failures that
// leave existing files alone.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "completion/composition.h"
#include "completion/export.h"
#include "completion/picture_files.h"
#include "platform/jpeg.h"
#include "puzzle/state.h"
#include "support/digest.h"
#include "support/puzzle_fixture.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t field(const std::vector<std::uint8_t>& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

// Bottom-up BGR rows where every pixel differs: blue x, green y, red x + y.
std::vector<std::uint8_t> patternPixels(int width, int height)
{
    std::vector<std::uint8_t> pixels(3 * static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &pixels[3 * (x + static_cast<std::size_t>(width) *
                                                       (height - 1 - y))];
            pixel[0] = static_cast<std::uint8_t>(x);
            pixel[1] = static_cast<std::uint8_t>(y);
            pixel[2] = static_cast<std::uint8_t>(x + y);
        }
    return pixels;
}

// A decoded JPEG: RGB rows from the top, and what its header says.
struct DecodedJpeg {
    int width = 0;
    int height = 0;
    bool progressive = true;
    bool allQuantizersOne = false;
    std::vector<std::uint8_t> rgb;
};

DecodedJpeg decodeJpeg(const std::vector<std::uint8_t>& bytes)
{
    jpeg_decompress_struct decompressor{};
    jpeg_error_mgr errors{};
    decompressor.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&decompressor, TRUE);
    DecodedJpeg decoded;
    decoded.progressive = decompressor.progressive_mode;
    decoded.allQuantizersOne = true;
    for (int t = 0; t < 2; ++t)
        for (int i = 0; i < DCTSIZE2; ++i)
            if (decompressor.quant_tbl_ptrs[t] && decompressor.quant_tbl_ptrs[t]->quantval[i] != 1)
                decoded.allQuantizersOne = false;
    jpeg_start_decompress(&decompressor);
    decoded.width = static_cast<int>(decompressor.output_width);
    decoded.height = static_cast<int>(decompressor.output_height);
    decoded.rgb.resize(3 * static_cast<std::size_t>(decoded.width) * decoded.height);
    while (decompressor.output_scanline < decompressor.output_height) {
        JSAMPROW row = &decoded.rgb[3 * static_cast<std::size_t>(decoded.width) *
                                    decompressor.output_scanline];
        jpeg_read_scanlines(&decompressor, &row, 1);
    }
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    return decoded;
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("velmora-files-" + std::to_string(getpid()) + "-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(PictureFiles, BmpOfA360By480PictureHasTheStandardHeaderAndBottomRowFirst)
{
    const std::vector<std::uint8_t> pixels = patternPixels(360, 480);
    const std::vector<std::uint8_t> bmp = encodeBmp(pixels, 360, 480);
    ASSERT_EQ(bmp.size(), 518454u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(field(bmp, 2, 4), 518454u);
    EXPECT_EQ(field(bmp, 6, 4), 0u);
    EXPECT_EQ(field(bmp, 10, 4), 54u);
    EXPECT_EQ(field(bmp, 14, 4), 40u);
    EXPECT_EQ(field(bmp, 18, 4), 360u);
    EXPECT_EQ(field(bmp, 22, 4), 480u);
    EXPECT_EQ(field(bmp, 26, 2), 1u);
    EXPECT_EQ(field(bmp, 28, 2), 24u);
    EXPECT_EQ(field(bmp, 30, 4), 0u);
    EXPECT_EQ(field(bmp, 34, 4), 518400u);
    for (std::size_t at = 38; at < 54; at += 4)
        EXPECT_EQ(field(bmp, at, 4), 0u);
    // The first data row is the bottom line (y = 479): blue x, green 479 & 0xFF.
    EXPECT_EQ(bmp[54], 0);
    EXPECT_EQ(bmp[55], 479 & 0xFF);
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), bmp.begin() + 54));
}

TEST_F(PictureFiles, BmpRowsArePaddedToFourBytesWhenTheWidthNeedsIt)
{
    const std::vector<std::uint8_t> pixels = patternPixels(5, 3);
    const std::vector<std::uint8_t> bmp = encodeBmp(pixels, 5, 3);
    ASSERT_EQ(bmp.size(), 54u + 3 * 16);
    EXPECT_EQ(field(bmp, 2, 4), 102u);
    EXPECT_EQ(field(bmp, 34, 4), 48u);
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(std::equal(pixels.begin() + 15 * row, pixels.begin() + 15 * (row + 1),
                               bmp.begin() + 54 + 16 * row));
        EXPECT_EQ(bmp[54 + 16 * row + 15], 0);
    }
}

TEST_F(PictureFiles, SavingOverALongerFileLeavesOnlyTheNewBytes)
{
    const fs::path path = folder / "old.bmp";
    std::ofstream(path, std::ios::binary) << std::string(900000, 'x');
    const std::vector<std::uint8_t> pixels = patternPixels(360, 480);
    ASSERT_EQ(writeBmpFile(path.string(), pixels, 360, 480), FileWriteOutcome::written);
    EXPECT_EQ(readFile(path), encodeBmp(pixels, 360, 480));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PictureFiles, JpegOfTheFinishedPictureDecodesCloseToTheBmp)
{
    startEmbeddedGame();
    setGlueChoice(1);
    setPanelChoice(3);
    Surface canvas;
    Surface assembly;
    composeFinishedCanvas(canvas, assembly);
    const std::vector<std::uint8_t> pixels = captureFinishedPixels(canvas);
    const fs::path path = folder / "finished.jpg";
    ASSERT_EQ(writeJpegFile(path.string(), pixels, 360, 480), FileWriteOutcome::written);

    const std::vector<std::uint8_t> bytes = readFile(path);
    // Baseline: a start-of-frame 0 marker.
    bool baseline = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        baseline = baseline || (bytes[i] == 0xFF && bytes[i + 1] == 0xC0);
    EXPECT_TRUE(baseline);
    const DecodedJpeg decoded = decodeJpeg(bytes);
    ASSERT_EQ(decoded.width, 360);
    ASSERT_EQ(decoded.height, 480);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_TRUE(decoded.allQuantizersOne);  // quality 100
    // Decoded row s is the picture's line s from the top; the BMP rows run from the bottom.
    double totalError = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 360; ++x)
            for (int c = 0; c < 3; ++c) {
                const int jpeg = decoded.rgb[3 * (x + 360 * y) + c];
                const int bmp = pixels[3 * (x + 360 * (479 - y)) + 2 - c];
                totalError += std::abs(jpeg - bmp);
            }
    EXPECT_LT(totalError / (360.0 * 480 * 3), 2.5);
    // The very bytes this game has always written, as a JPEG and as a BMP.
    EXPECT_EQ(fnv1a(bytes), 0xf6d4060e3dc1cf71ull) << std::hex << fnv1a(bytes);
    ASSERT_EQ(writeBmpFile((folder / "finished.bmp").string(), pixels, 360, 480),
              FileWriteOutcome::written);
    const std::vector<std::uint8_t> bmp = readFile(folder / "finished.bmp");
    EXPECT_EQ(fnv1a(bmp), 0x32fe600812538427ull) << std::hex << fnv1a(bmp);
}

TEST_F(PictureFiles, ALibraryErrorPartWayRecoversAndTheNextJpegIsWhole)
{
    const std::vector<std::uint8_t> pixels = patternPixels(360, 480);
    // A failed transfer fails the whole picture.
    const FileTransfer refuses = [](std::span<const std::uint8_t>) { return false; };
    EXPECT_FALSE(writeJpeg(refuses, pixels.data(), 360, 480, 3 * 360));
    // An impossible image fails at the start, also without ending the program.
    const FileTransfer accepts = [](std::span<const std::uint8_t>) { return true; };
    EXPECT_FALSE(writeJpeg(accepts, pixels.data(), 0, 0, 0));

    const fs::path path = folder / "after.jpg";
    ASSERT_EQ(writeJpegFile(path.string(), pixels, 360, 480), FileWriteOutcome::written);
    const DecodedJpeg decoded = decodeJpeg(readFile(path));
    EXPECT_EQ(decoded.width, 360);
    EXPECT_EQ(decoded.height, 480);
}

TEST_F(PictureFiles, UnwritableTargetsLeaveNothingBehind)
{
    const std::vector<std::uint8_t> pixels = patternPixels(8, 8);
    EXPECT_EQ(writeBmpFile((folder / "no" / "such.bmp").string(), pixels, 8, 8),
              FileWriteOutcome::cannotCreate);
    fs::create_directories(folder / "folder.jpg");
    EXPECT_EQ(writeJpegFile((folder / "folder.jpg").string(), pixels, 8, 8),
              FileWriteOutcome::cannotCreate);
    EXPECT_TRUE(fs::is_directory(folder / "folder.jpg"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
