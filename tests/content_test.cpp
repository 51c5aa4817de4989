// The generated content in the resource bundle: the four sounds, the two cursors, the icon and
// the completion panels.
#include <gtest/gtest.h>

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "platform/resources.h"

namespace {

// A file the build generated for the bundle: "sounds/115.wav", "art/125.cur" ...
std::vector<std::uint8_t> generatedFile(const std::string& name)
{
    std::ifstream in(std::string(VELMORA_BINARY_DIR) + "/resources/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t readLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

struct Wave {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<double> samples;  // interleaved, full scale ±1
};

// Walks the RIFF chunks of a WAVE file; a malformed file gives a Wave with no format.
Wave parseWave(std::span<const std::uint8_t> file)
{
    Wave wave;
    if (file.size() < 12 || std::string(file.begin(), file.begin() + 4) != "RIFF" ||
        std::string(file.begin() + 8, file.begin() + 12) != "WAVE")
        return wave;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::string tag(file.begin() + at, file.begin() + at + 4);
        const std::uint32_t size = readLittleEndian(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > file.size())
            return Wave{};
        if (tag == "fmt ") {
            wave.formatTag = static_cast<int>(readLittleEndian(file, body, 2));
            wave.channels = static_cast<int>(readLittleEndian(file, body + 2, 2));
            wave.sampleRate = static_cast<int>(readLittleEndian(file, body + 4, 4));
            wave.bitsPerSample = static_cast<int>(readLittleEndian(file, body + 14, 2));
        } else if (tag == "data") {
            const int step = wave.bitsPerSample / 8;
            for (std::size_t i = 0; step > 0 && i + step <= size; i += step) {
                if (step == 1)
                    wave.samples.push_back((file[body + i] - 128) / 128.0);
                else
                    wave.samples.push_back(
                        static_cast<std::int16_t>(readLittleEndian(file, body + i, 2)) / 32768.0);
            }
        }
        at = body + size + size % 2;
    }
    return wave;
}

double rms(std::span<const double> samples)
{
    double sum = 0;
    for (double sample : samples)
        sum += sample * sample;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

// The longest run of consecutive samples at (or within one step of) full scale.
int longestClippedRun(const std::vector<double>& samples)
{
    int longest = 0;
    int run = 0;
    for (double sample : samples) {
        run = std::abs(sample) >= 0.99 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST(ContentResources, AreEmbeddedInTheProgramsBundle)
{
    const struct {
        const char* type;
        int number;
        const char* file;
    } embedded[] = {{"WAVE", 115, "sounds/115.wav"}, {"WAVE", 122, "sounds/122.wav"},
                    {"WAVE", 136, "sounds/136.wav"}, {"WAVE", 146, "sounds/146.wav"},
                    {"CURSOR", 125, "art/125.cur"},  {"CURSOR", 104, "art/104.cur"},
                    {"ICON", 118, "art/118.ico"},    {"BITMAP", 128, "art/128.dib"},
                    {"BITMAP", 129, "art/129.dib"},  {"BITMAP", 130, "art/130.dib"},
                    {"BITMAP", 134, "art/134.dib"}};
    for (const auto& resource : embedded) {
        SCOPED_TRACE(resource.file);
        const std::span<const std::uint8_t> bytes = findResource(resource.type, resource.number);
        const std::vector<std::uint8_t> file = generatedFile(resource.file);
        ASSERT_FALSE(file.empty());
        EXPECT_TRUE(std::ranges::equal(bytes, file));
    }
}

struct ExpectedSound {
    int id;
    int sampleRate;
    int channels;
    int bits;
    int frames;  // the length in seconds times the rate, rounded
};

const ExpectedSound expectedSounds[] = {
    {115, 22050, 1, 8, 5513},
    {122, 22050, 1, 8, 1323},
    {136, 8000, 1, 8, 10400},
    {146, 44100, 2, 16, 899640},
};

TEST(SoundResources, HaveTheirFormatsAndExactLengths)
{
    for (const ExpectedSound& sound : expectedSounds) {
        SCOPED_TRACE(sound.id);
        const Wave wave = parseWave(generatedFile("sounds/" + std::to_string(sound.id) + ".wav"));
        EXPECT_EQ(wave.formatTag, 1);
        EXPECT_EQ(wave.sampleRate, sound.sampleRate);
        EXPECT_EQ(wave.channels, sound.channels);
        EXPECT_EQ(wave.bitsPerSample, sound.bits);
        EXPECT_EQ(wave.samples.size(), static_cast<std::size_t>(sound.frames) * sound.channels);
    }
}

TEST(SoundResources, AreAudibleUnclippedAndSilentAtBothEnds)
{
    for (const ExpectedSound& sound : expectedSounds) {
        SCOPED_TRACE(sound.id);
        const Wave wave = parseWave(generatedFile("sounds/" + std::to_string(sound.id) + ".wav"));
        ASSERT_FALSE(wave.samples.empty());
        const std::span<const double> all(wave.samples);
        EXPECT_GT(rms(all), 0.02);
        EXPECT_LT(longestClippedRun(wave.samples), 2);
        // No click on starting or stopping: the sound rises from silence and its last 2 ms
        // have died away.
        for (double sample : all.first(sound.channels))
            EXPECT_LT(std::abs(sample), 0.02);
        const std::size_t edge = static_cast<std::size_t>(sound.sampleRate / 500) * sound.channels;
        for (double sample : all.last(edge))
            ASSERT_LT(std::abs(sample), 0.02);
    }
}

TEST(SoundResources, MusicUsesBothChannelsAndFadesOut)
{
    const Wave music = parseWave(generatedFile("sounds/146.wav"));
    ASSERT_EQ(music.channels, 2);
    std::vector<double> left;
    std::vector<double> right;
    for (std::size_t i = 0; i + 1 < music.samples.size(); i += 2) {
        left.push_back(music.samples[i]);
        right.push_back(music.samples[i + 1]);
    }
    EXPECT_NE(left, right);
    const std::size_t second = 44100;
    const double body = rms(std::span(left).subspan(5 * second, second));
    const double lastQuarterSecond = rms(std::span(left).last(second / 4));
    const double beforeFade = rms(std::span(left).subspan(left.size() - 5 * second, second));
    EXPECT_GT(body, 0.05);
    EXPECT_GT(beforeFade, 0.05);
    EXPECT_LT(lastQuarterSecond, body / 30);
}

struct IconEntry {
    int width;
    int height;
    int hotSpotX;  // for an icon: planes
    int hotSpotY;  // for an icon: bits per pixel
    GdkPixbuf* image;
};

// Reads the directory of an .ico or .cur file and decodes each embedded PNG.
class IconFile {
public:
    explicit IconFile(std::span<const std::uint8_t> file)
    {
        if (file.size() < 6 || readLittleEndian(file, 0, 2) != 0)
            return;
        type = static_cast<int>(readLittleEndian(file, 2, 2));
        const int count = static_cast<int>(readLittleEndian(file, 4, 2));
        for (int i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<int>(file.size()); ++i) {
            const std::size_t at = 6 + 16 * i;
            const std::uint32_t size = readLittleEndian(file, at + 8, 4);
            const std::uint32_t offset = readLittleEndian(file, at + 12, 4);
            if (offset + size > file.size())
                continue;
            const int width = file[at] == 0 ? 256 : file[at];
            const int height = file[at + 1] == 0 ? 256 : file[at + 1];
            entries.push_back({width, height, static_cast<int>(readLittleEndian(file, at + 4, 2)),
                               static_cast<int>(readLittleEndian(file, at + 6, 2)),
                               decodePng(file.subspan(offset, size))});
        }
    }
    ~IconFile()
    {
        for (IconEntry& entry : entries)
            if (entry.image)
                g_object_unref(entry.image);
    }
    IconFile(const IconFile&) = delete;
    IconFile& operator=(const IconFile&) = delete;

    int type = 0;
    std::vector<IconEntry> entries;

private:
    static GdkPixbuf* decodePng(std::span<const std::uint8_t> png)
    {
        GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", nullptr);
        GdkPixbuf* image = nullptr;
        if (gdk_pixbuf_loader_write(loader, png.data(), png.size(), nullptr) &&
            gdk_pixbuf_loader_close(loader, nullptr)) {
            image = gdk_pixbuf_loader_get_pixbuf(loader);
            if (image)
                g_object_ref(image);
        }
        g_object_unref(loader);
        return image;
    }
};

struct Rgba {
    int r, g, b, a;
};

Rgba pixelOf(GdkPixbuf* image, int x, int y)
{
    const guchar* row = gdk_pixbuf_read_pixels(image) + y * gdk_pixbuf_get_rowstride(image);
    const guchar* p = row + x * gdk_pixbuf_get_n_channels(image);
    return {p[0], p[1], p[2], gdk_pixbuf_get_has_alpha(image) ? p[3] : 255};
}

// The rightmost drawn (non-transparent) column in row y, or -1.
int rightmostDrawn(GdkPixbuf* image, int y)
{
    for (int x = gdk_pixbuf_get_width(image) - 1; x >= 0; --x)
        if (pixelOf(image, x, y).a > 0)
            return x;
    return -1;
}

TEST(CursorResources, HandPointsWithItsFingertipAtTheTopLeftHotSpot)
{
    const IconFile hand(generatedFile("art/125.cur"));
    EXPECT_EQ(hand.type, 2);
    ASSERT_EQ(hand.entries.size(), 1u);
    const IconEntry& entry = hand.entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.hotSpotX, 0);
    EXPECT_EQ(entry.hotSpotY, 0);
    ASSERT_NE(entry.image, nullptr);
    ASSERT_EQ(gdk_pixbuf_get_width(entry.image), 32);
    const Rgba tip = pixelOf(entry.image, 0, 0);
    EXPECT_EQ(tip.a, 255);
    EXPECT_EQ(tip.r + tip.g + tip.b, 0);  // black outline
    EXPECT_EQ(pixelOf(entry.image, 2, 2).r, 255);  // white fill
    // A raised finger: the top rows are narrow; the hand below is wider.
    EXPECT_LT(rightmostDrawn(entry.image, 2), 8);
    EXPECT_GT(rightmostDrawn(entry.image, 14), 12);
}

TEST(CursorResources, ArrowHasItsTipAtTheHotSpot)
{
    const IconFile arrow(generatedFile("art/104.cur"));
    EXPECT_EQ(arrow.type, 2);
    ASSERT_EQ(arrow.entries.size(), 1u);
    const IconEntry& entry = arrow.entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.hotSpotX, 1);
    EXPECT_EQ(entry.hotSpotY, 1);
    ASSERT_NE(entry.image, nullptr);
    EXPECT_EQ(pixelOf(entry.image, 1, 1).a, 255);
    EXPECT_EQ(pixelOf(entry.image, 0, 0).a, 0);
    EXPECT_EQ(pixelOf(entry.image, 2, 1).a, 0);
    EXPECT_EQ(pixelOf(entry.image, 1, 0).a, 0);
}

TEST(IconResource, HoldsEverySizeWithAWarmOpaquePieceOnATransparentGround)
{
    const IconFile icon(generatedFile("art/118.ico"));
    EXPECT_EQ(icon.type, 1);
    std::vector<int> sizes;
    for (const IconEntry& entry : icon.entries) {
        SCOPED_TRACE(entry.width);
        sizes.push_back(entry.width);
        EXPECT_EQ(entry.height, entry.width);
        ASSERT_NE(entry.image, nullptr);
        EXPECT_EQ(gdk_pixbuf_get_width(entry.image), entry.width);
        EXPECT_EQ(gdk_pixbuf_get_height(entry.image), entry.height);
        const int last = entry.width - 1;
        EXPECT_EQ(pixelOf(entry.image, 0, 0).a, 0);
        EXPECT_EQ(pixelOf(entry.image, last, 0).a, 0);
        const Rgba middle = pixelOf(entry.image, entry.width * 45 / 100, entry.width / 2);
        EXPECT_EQ(middle.a, 255);
        EXPECT_GT(middle.r, middle.b + 80);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
}

// Colour of panel pixel (x, y), y = 0 the top line, from an 8-bit bottom-up packed DIB.
std::array<int, 3> panelPixel(std::span<const std::uint8_t> dib, int x, int y)
{
    const std::size_t rows = 40 + 4 * 256;
    const std::uint8_t index = dib[rows + 320 * static_cast<std::size_t>(255 - y) + x];
    const std::uint8_t* entry = &dib[40 + 4 * static_cast<std::size_t>(index)];
    return {entry[2], entry[1], entry[0]};
}

TEST(PanelResources, AreFramesTwelvePixelsWideWhiteInside)
{
    for (int number : {128, 129, 130, 134}) {
        SCOPED_TRACE(number);
        const std::span<const std::uint8_t> dib = findResource("BITMAP", number);
        ASSERT_EQ(dib.size(), 40u + 4 * 256 + 320 * 256);
        EXPECT_EQ(readLittleEndian(dib, 4, 4), 320u);
        EXPECT_EQ(readLittleEndian(dib, 8, 4), 256u);
        EXPECT_EQ(readLittleEndian(dib, 14, 2), 8u);
        const std::array<int, 3> white{255, 255, 255};
        const std::array<int, 3> black{0, 0, 0};
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 320; ++x) {
                const int depth = std::min({x, y, 319 - x, 255 - y});
                const std::array<int, 3> colour = panelPixel(dib, x, y);
                if (depth >= 12)
                    ASSERT_EQ(colour, number == 134 ? black : white) << x << "," << y;
                else if (number == 134)
                    ASSERT_EQ(colour, white) << x << "," << y;
                else
                    ASSERT_NE(colour, white) << x << "," << y;
            }
    }
    // The frames' own colours: brown wood, black lacquer, gold.
    const auto average = [](int number) {
        const std::span<const std::uint8_t> dib = findResource("BITMAP", number);
        std::array<int, 3> sum{};
        for (int x = 0; x < 320; ++x)
            for (int depth = 0; depth < 12; ++depth)
                for (int c = 0; c < 3; ++c)
                    sum[c] += panelPixel(dib, x, depth)[c] + panelPixel(dib, x, 255 - depth)[c];
        for (int& value : sum)
            value /= 320 * 24;
        return sum;
    };
    const std::array<int, 3> brown = average(128);
    EXPECT_GT(brown[0], brown[1] + 20);
    EXPECT_GT(brown[1], brown[2] + 10);
    EXPECT_LT(brown[0], 200);
    const std::array<int, 3> lacquer = average(129);
    EXPECT_LT(std::max({lacquer[0], lacquer[1], lacquer[2]}), 60);
    const std::array<int, 3> gold = average(130);
    EXPECT_GT(gold[0], 160);
    EXPECT_GT(gold[1], gold[2] + 60);
}

}  // namespace
