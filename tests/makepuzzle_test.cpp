// Puzzle maker: resource layout byte by byte, the jigsaw label's rules, picture fitting and
// the command line's refusals.
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/text.h"
#include "maker/label.h"
#include "maker/limits.h"
#include "tools/makepuzzle/maker.h"
#include "maker/picture.h"
#include "maker/resource.h"

namespace {

namespace fs = std::filesystem;

const std::string makerPath = VELMORA_BINARY_DIR "/tools/velmora-makepuzzle";
const std::string citrusPicture = VELMORA_PICTURE_DIR "/164-citrus.jpg";
const std::string landscapePicture = VELMORA_PICTURE_DIR "/169-ancient-city.jpg";

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

// Three bytes from offset on.
std::vector<int> bgrAt(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return {bytes[offset], bytes[offset + 1], bytes[offset + 2]};
}

std::vector<std::uint8_t> readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

fs::path scratchRoot()
{
    return fs::temp_directory_path() / ("makepuzzle_test_" + std::to_string(getpid()));
}

// Removes the files the tests wrote once they have all run.
class ScratchCleanup : public ::testing::Environment {
public:
    void TearDown() override { fs::remove_all(scratchRoot()); }
};

const ::testing::Environment* const scratchCleanup =
    ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

// A folder of the running test's own.
fs::path scratchDir()
{
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path dir = scratchRoot() / test;
    fs::create_directories(dir);
    return dir;
}

// A PNG of the given size: top half red, bottom half blue.
fs::path writeTwoTonePng(const fs::path& path, int width, int height)
{
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
    guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            guchar* pixel = pixels + y * stride + 3 * x;
            pixel[0] = y < height / 2 ? 255 : 0;
            pixel[1] = 0;
            pixel[2] = y < height / 2 ? 0 : 255;
        }
    gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    return path;
}

// Runs the maker on a picture and returns the resource it wrote.
std::vector<std::uint8_t> makeResource(const PuzzleGeometry& geometry, const fs::path& picture,
                                       const std::string& title = "")
{
    MakerOptions options;
    options.columns = geometry.columns;
    options.rows = geometry.rows;
    options.core = geometry.core;
    options.margin = geometry.margin;
    options.title = title;
    options.picturePath = picture;
    options.outputPath = scratchDir() / "out.jzt";
    std::string error;
    EXPECT_TRUE(makePuzzleFile(options, error)) << error;
    return readFile(options.outputPath);
}

// Checks both bitmap files' headers and decodes the label's palette indexes.
LabelImage parseResource(const PuzzleGeometry& geometry, const std::vector<std::uint8_t>& bytes)
{
    const int width = geometry.pictureWidth();
    const int height = geometry.pictureHeight();
    const std::size_t pictureSize = 54 + static_cast<std::size_t>(width) * height * 3;
    const std::size_t labelStart = puzzleHeaderSize + pictureSize;
    const std::size_t rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    const std::size_t labelSize = 118 + rowBytes * height;
    EXPECT_EQ(bytes.size(), labelStart + labelSize);

    EXPECT_EQ(u32At(bytes, 0), static_cast<std::uint32_t>(geometry.columns));
    EXPECT_EQ(u32At(bytes, 4), static_cast<std::uint32_t>(geometry.rows));
    EXPECT_EQ(u32At(bytes, 8), static_cast<std::uint32_t>(geometry.core));
    EXPECT_EQ(u32At(bytes, 12), static_cast<std::uint32_t>(geometry.margin));
    EXPECT_EQ(u32At(bytes, 16), 2u);
    EXPECT_EQ(std::string(bytes.begin() + 20, bytes.begin() + 131), std::string(111, ' '));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 242, bytes.begin() + 353),
              std::vector<std::uint8_t>(111, 0));
    EXPECT_EQ(bytes[353], 1);
    EXPECT_EQ(bytes[354], 1);
    const int pad = geometry.pieceSize() * geometry.columns % 8;
    const std::vector<int> padFour = {0, 2, 9, 11, 14};
    EXPECT_EQ(std::count(padFour.begin(), padFour.end(), bytes[355]) == 1, pad == 4);
    EXPECT_LE(bytes[355], 15);
    EXPECT_EQ(std::count(bytes.begin() + 356, bytes.begin() + 6400, 0), 6400 - 356);

    const std::size_t picture = puzzleHeaderSize;
    EXPECT_EQ(bytes[picture], 'B');
    EXPECT_EQ(bytes[picture + 1], 'M');
    EXPECT_EQ(u32At(bytes, picture + 2), pictureSize);
    EXPECT_EQ(u32At(bytes, picture + 10), 54u);
    EXPECT_EQ(u32At(bytes, picture + 14), 40u);
    EXPECT_EQ(u32At(bytes, picture + 18), static_cast<std::uint32_t>(width));
    EXPECT_EQ(u32At(bytes, picture + 22), static_cast<std::uint32_t>(height));
    EXPECT_EQ(u32At(bytes, picture + 26), 1u | 24u << 16);  // planes, bits per pixel

    EXPECT_EQ(bytes[labelStart], 'B');
    EXPECT_EQ(u32At(bytes, labelStart + 2), labelSize);
    EXPECT_EQ(u32At(bytes, labelStart + 10), 118u);
    EXPECT_EQ(u32At(bytes, labelStart + 18), static_cast<std::uint32_t>(width));
    EXPECT_EQ(u32At(bytes, labelStart + 22), static_cast<std::uint32_t>(height));
    EXPECT_EQ(u32At(bytes, labelStart + 26), 1u | 4u << 16);
    std::set<std::uint32_t> palette;
    for (std::size_t i = 0; i < 16; ++i)
        palette.insert(u32At(bytes, labelStart + 54 + 4 * i));
    EXPECT_EQ(palette.size(), 16u);  // the game tells pieces apart by colour, not by index
    EXPECT_EQ(u32At(bytes, labelStart + 54 + 4 * labelWhite), 0xFFFFFFu);

    LabelImage label{width, height, std::vector<std::uint8_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t byte = bytes[labelStart + 118 + (height - 1 - y) * rowBytes + x / 2];
            label.pixels[static_cast<std::size_t>(y) * width + x] = x % 2 ? byte & 15 : byte >> 4;
        }
    return label;
}

bool inArea(const PuzzleGeometry& g, int x, int y)
{
    return x >= g.areaLeft() && x < g.areaRight() && y >= g.areaTop() && y < g.areaBottom();
}

// Checks every rule the game relies on when it cuts pieces from the label.
void expectValidLabel(const PuzzleGeometry& g, const LabelImage& label)
{
    const int size = g.pieceSize();
    std::vector<int> owners(label.pixels.size(), 0);
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c) {
            SCOPED_TRACE("piece " + std::to_string(c) + "," + std::to_string(r));
            const int left = c * g.cellStep();
            const int top = r * g.cellStep();
            const int centre = g.margin + g.core / 2;
            const std::uint8_t colour = label.at(left + centre, top + centre);
            ASSERT_EQ(colour, pieceColour(c, r));
            // Flood the piece from its centre within its box.
            std::vector<char> reached(static_cast<std::size_t>(size) * size, 0);
            std::vector<std::pair<int, int>> todo = {{centre, centre}};
            int regionSize = 0;
            while (!todo.empty()) {
                const auto [p, q] = todo.back();
                todo.pop_back();
                if (p < 0 || q < 0 || p >= size || q >= size || reached[q * size + p] ||
                    left + p >= g.pictureWidth() || top + q >= g.pictureHeight() ||
                    label.at(left + p, top + q) != colour)
                    continue;
                reached[q * size + p] = 1;
                ++regionSize;
                ASSERT_TRUE(p > 0 && q > 0 && p < size - 1 && q < size - 1) << p << "," << q;
                todo.insert(todo.end(), {{p + 1, q}, {p - 1, q}, {p, q + 1}, {p, q - 1}});
            }
            // Every pixel of the piece's colour in its box is part of that one region.
            int colourCount = 0;
            for (int q = 0; q < size && top + q < g.pictureHeight(); ++q)
                for (int p = 0; p < size && left + p < g.pictureWidth(); ++p)
                    if (label.at(left + p, top + q) == colour) {
                        ++colourCount;
                        ++owners[static_cast<std::size_t>(top + q) * label.width + left + p];
                    }
            EXPECT_EQ(colourCount, regionSize);
        }
    for (int y = 0; y < label.height; ++y)
        for (int x = 0; x < label.width; ++x) {
            const int owner = owners[static_cast<std::size_t>(y) * label.width + x];
            ASSERT_EQ(owner, inArea(g, x, y) ? 1 : 0) << x << "," << y;
            if (inArea(g, x, y))
                continue;
            const bool frame = x >= g.areaLeft() - 1 && x <= g.areaRight() &&
                               y >= g.areaTop() - 1 && y <= g.areaBottom();
            ASSERT_EQ(label.at(x, y), frame ? labelBlack : labelWhite) << x << "," << y;
        }
}

// Every inner edge carries exactly one knob: pixels of one side reach across the straight line.
void expectOneKnobPerEdge(const PuzzleGeometry& g, const LabelImage& label)
{
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c) {
            const int left = g.areaLeft() + c * g.cellStep();
            const int top = g.areaTop() + r * g.cellStep();
            int acrossRight = 0, acrossLeft = 0, acrossDown = 0, acrossUp = 0;
            for (int i = 0; i < g.cellStep(); ++i)
                for (int d = 0; d < g.margin / 2; ++d) {
                    const int edgeX = left + g.cellStep(), edgeY = top + g.cellStep();
                    if (c + 1 < g.columns) {
                        acrossRight += label.at(edgeX + d, top + i) == pieceColour(c, r);
                        acrossLeft += label.at(edgeX - 1 - d, top + i) == pieceColour(c + 1, r);
                    }
                    if (r + 1 < g.rows) {
                        acrossDown += label.at(left + i, edgeY + d) == pieceColour(c, r);
                        acrossUp += label.at(left + i, edgeY - 1 - d) == pieceColour(c, r + 1);
                    }
                }
            if (c + 1 < g.columns) {
                EXPECT_TRUE((acrossRight > 0) != (acrossLeft > 0)) << c << "," << r;
            }
            if (r + 1 < g.rows) {
                EXPECT_TRUE((acrossDown > 0) != (acrossUp > 0)) << c << "," << r;
            }
        }
}

int runMaker(const std::string& arguments, const fs::path& errors)
{
    return std::system((makerPath + " " + arguments + " 2> " + errors.string()).c_str());
}

}  // namespace

TEST(MakePuzzle, EmbeddedSizePuzzleHasExactLayout)
{
    const PuzzleGeometry geometry{3, 4, 40, 80};
    const std::string title = "柑橘の輪切り";
    const std::vector<std::uint8_t> bytes = makeResource(geometry, citrusPicture, title);
    ASSERT_EQ(bytes.size(), 6400u + 739254u + 118u + 560u * 220u);
    EXPECT_EQ(bytes[355], 6);
    EXPECT_EQ(u32At(bytes, 745654 - 739254 + 2), 739254u);
    EXPECT_EQ(bytes[745654], 'B');
    EXPECT_EQ(bytes[745655], 'M');
    const std::string line2(reinterpret_cast<const char*>(&bytes[131]));
    EXPECT_EQ(cp932ToUtf8(line2), "    " + title);
    const LabelImage label = parseResource(geometry, bytes);
    expectValidLabel(geometry, label);
    expectOneKnobPerEdge(geometry, label);
}

TEST(MakePuzzle, LabelRulesHoldForEveryGeometry)
{
    const fs::path picture = writeTwoTonePng(scratchDir() / "two-tone.png", 64, 48);
    for (const PuzzleGeometry& geometry :
         {PuzzleGeometry{4, 3, 40, 80}, PuzzleGeometry{1, 1, 40, 80}, PuzzleGeometry{7, 5, 20, 12},
          PuzzleGeometry{40, 25, 16, 12}, PuzzleGeometry{2, 2, 2, 8}}) {
        SCOPED_TRACE(std::to_string(geometry.columns) + "x" + std::to_string(geometry.rows));
        const LabelImage label = parseResource(geometry, makeResource(geometry, picture));
        expectValidLabel(geometry, label);
        expectOneKnobPerEdge(geometry, label);
    }
}

TEST(MakePuzzle, LayoutClassMatchesMaskRowPadding)
{
    EXPECT_EQ(layoutClassFor({3, 4, 40, 80}), 6);
    EXPECT_EQ(layoutClassFor({4, 3, 40, 80}), 7);
    EXPECT_EQ(layoutClassFor({7, 5, 20, 12}), 0);   // 44 x 7 = 308, remainder 4
    EXPECT_EQ(layoutClassFor({40, 25, 16, 12}), 1);  // 40 x 40 = 1600, remainder 0
}

TEST(MakePuzzle, SeedDecidesTheKnobs)
{
    const PuzzleGeometry geometry{3, 4, 40, 80};
    EXPECT_EQ(drawLabel(geometry, 164).pixels, drawLabel(geometry, 164).pixels);
    EXPECT_NE(drawLabel(geometry, 164).pixels, drawLabel(geometry, 165).pixels);
}

TEST(MakePuzzle, PictureIsCroppedCentredAndStoredBottomUp)
{
    // A wide two-tone picture cropped to an upright puzzle keeps its full height: red on top.
    const PuzzleGeometry geometry{1, 1, 40, 80};
    const fs::path picture = writeTwoTonePng(scratchDir() / "wide.png", 900, 300);
    const std::vector<std::uint8_t> bytes = makeResource(geometry, picture);
    const std::size_t pixels = 6400 + 54;
    const std::size_t lastRow = pixels + 199 * 200 * 3;
    EXPECT_EQ(bgrAt(bytes, lastRow), (std::vector<int>{0, 0, 255}));  // red, top row
    EXPECT_EQ(bgrAt(bytes, pixels), (std::vector<int>{255, 0, 0}));   // blue, bottom row

    // A left-to-right split whose middle third is green keeps only green.
    RgbImage stripes{300, 100, std::vector<std::uint8_t>(300 * 100 * 3, 0)};
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            stripes.rgb[(y * 300 + x) * 3 + x / 100] = 255;
    const RgbImage fitted = fitPicture(stripes, 20, 50);
    ASSERT_EQ(fitted.rgb.size(), 20u * 50u * 3u);
    for (std::size_t i = 0; i < fitted.rgb.size(); i += 3)
        ASSERT_EQ(bgrAt(fitted.rgb, i), (std::vector<int>{0, 255, 0}));
}

TEST(MakePuzzle, TitleIsCutWithoutSplittingACharacter)
{
    std::string title = "A";
    for (int i = 0; i < 60; ++i)
        title += "あ";
    EXPECT_EQ(titleLine(title).size(), 111u);  // 4 blanks, "A" and 53 double-byte characters
    const std::string even = title.substr(1);
    EXPECT_EQ(titleLine(even).size(), 110u);
    EXPECT_EQ(even.rfind(cp932ToUtf8(titleLine(even).substr(4)), 0), 0u);
}

TEST(MakePuzzle, ExecutableWritesTheResource)
{
    // A landscape picture without --columns and --rows makes a 4 x 3 puzzle.
    const fs::path dir = scratchDir();
    const fs::path output = dir / "169.jzt";
    const std::string arguments = "--title 古代の都 --seed 169 " + landscapePicture + " ";
    ASSERT_EQ(runMaker(arguments + output.string(), dir / "errors.txt"), 0);
    const std::vector<std::uint8_t> bytes = readFile(output);
    const PuzzleGeometry geometry{4, 3, 40, 80};
    EXPECT_EQ(bytes[355], 7);
    expectValidLabel(geometry, parseResource(geometry, bytes));
}

TEST(MakePuzzle, HelpPrintsTheUsageAndMakesNothing)
{
    const fs::path dir = scratchDir();
    const fs::path output = dir / "help.txt";
    for (const std::string& arguments :
         std::vector<std::string>{"--help", "-h", "--seed 3 --help " + citrusPicture}) {
        SCOPED_TRACE(arguments);
        ASSERT_EQ(runMaker(arguments + " > " + output.string(), dir / "errors.txt"), 0);
        std::ifstream printed(output);
        const std::string text{std::istreambuf_iterator<char>(printed), {}};
        EXPECT_EQ(text.rfind("usage: velmora-makepuzzle", 0), 0u) << text;
        EXPECT_TRUE(readFile(dir / "errors.txt").empty());
    }
}

TEST(MakePuzzle, RefusalsLeaveNoOutput)
{
    const fs::path dir = scratchDir();
    const fs::path output = dir / "refused.jzt";
    const fs::path errors = dir / "errors.txt";
    const fs::path notPicture = dir / "not-a-picture.png";
    std::ofstream(notPicture) << "hello";
    const std::string picture = citrusPicture + " ";
    // Arguments before the output file, and a word the message must hold.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--colour 3 " + picture, "unknown option"},
        {"--columns x " + picture, "--columns"},
        {"--columns -1 " + picture, "--columns"},
        {"--margin 256 " + picture, "--margin"},
        {"--seed -1 " + picture, "--seed"},
        {picture + output.string() + " --title", "needs a value"},
        {"--rows 3 ", "picture and an output"},
        {picture + output.string() + " extra ", "picture and an output"},
        {"--columns 42 --rows 1 " + picture, "columns"},
        {"--rows 27 " + picture, "rows"},
        {"--columns 40 --rows 26 --core 16 --margin 12 " + picture, "1000"},
        {"--core 0 " + picture, "core"},
        {"--margin 13 " + picture, "even"},
        {"--margin 6 --core 4 " + picture, "margin"},
        {"--core 100 --margin 60 " + picture, "piece size"},
        {"--columns 2 --core 2 --margin 10 " + picture, "picture width"},
        {"--columns 2 --core 1 --margin 10 " + picture, "piece size x columns"},
        {"/nonexistent/picture.png ", "cannot read picture"},
        {notPicture.string() + " ", "cannot read picture"}};
    for (const auto& [arguments, reason] : cases) {
        SCOPED_TRACE(arguments);
        fs::remove(output);
        const bool hasOutput = arguments.find(output.string()) != std::string::npos;
        EXPECT_NE(runMaker(hasOutput ? arguments : arguments + output.string(), errors), 0);
        EXPECT_FALSE(fs::exists(output));
        const std::vector<std::uint8_t> message = readFile(errors);
        EXPECT_NE(std::string(message.begin(), message.end()).find(reason), std::string::npos);
    }
    // Nothing left behind either, not even a temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}
