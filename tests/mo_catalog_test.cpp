// Compiled message catalogs read by the program itself: both byte orders, the catalogs the
// build makes, and damaged files refused whole.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/mo_catalog.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A catalog file holding the entries, its words in big- or little-endian order.
std::vector<std::uint8_t> catalogFile(const Entries& entries, bool bigEndian)
{
    std::vector<std::uint8_t> bytes;
    const auto word = [&](std::size_t value) {
        for (int i = 0; i < 4; ++i) {
            const int shift = bigEndian ? 24 - 8 * i : 8 * i;
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    };
    const std::size_t count = entries.size();
    const std::size_t originals = 28;
    const std::size_t translations = originals + 8 * count;
    std::size_t text = translations + 8 * count;
    for (std::size_t value : {std::size_t{0x950412de}, std::size_t{0}, count, originals,
                              translations, std::size_t{0}, std::size_t{0}})
        word(value);
    std::string texts;
    for (bool translated : {false, true})
        for (const auto& [original, translation] : entries) {
            const std::string& item = translated ? translation : original;
            word(item.size());
            word(text + texts.size());
            texts += item + '\0';
        }
    bytes.insert(bytes.end(), texts.begin(), texts.end());
    return bytes;
}

const Entries sample{{"", "Language: en\nContent-Type: text/plain; charset=UTF-8\n"},
                     {"終了(&X)", "E&xit"},
                     {"空", ""}};

TEST(MoCatalog, ReadsEitherByteOrderAndShowsUntranslatedTextsAsNone)
{
    for (bool bigEndian : {false, true}) {
        MoCatalog catalog;
        ASSERT_TRUE(catalog.load(catalogFile(sample, bigEndian)));
        EXPECT_STREQ(catalog.find("終了(&X)"), "E&xit");
        EXPECT_EQ(catalog.find("空"), nullptr);
        EXPECT_EQ(catalog.find("ない"), nullptr);
        EXPECT_EQ(catalog.language(), "en");
    }
}

TEST(MoCatalog, ReadsTheEnglishCatalogTheBuildMakes)
{
    std::ifstream file(VELMORA_BINARY_DIR "/locale/en/LC_MESSAGES/velmora.mo", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    MoCatalog catalog;
    ASSERT_TRUE(catalog.load(bytes));
    EXPECT_STREQ(catalog.find("ファイル(&F)"), "&File");
    EXPECT_EQ(catalog.language(), "en");
}

TEST(MoCatalog, RefusesEveryCutShortOrMisdirectedFileWhole)
{
    const std::vector<std::uint8_t> whole = catalogFile(sample, false);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        MoCatalog catalog;
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + size);
        EXPECT_FALSE(catalog.load(cut)) << size;
        EXPECT_EQ(catalog.find("終了(&X)"), nullptr) << size;
    }
    std::vector<std::uint8_t> misdirected = whole;
    misdirected[28 + 8 + 4 + 3] = 0x7f;  // the second text's offset far past the end
    MoCatalog catalog;
    EXPECT_FALSE(catalog.load(misdirected));
}

// Entries that all point into one long text, each at a different start: a small file that
// would unfold into texts thousands of times its size.
TEST(MoCatalog, RefusesTextsSharingTheirBytes)
{
    const std::size_t count = 500;
    const std::size_t text = 28 + 16 * count;
    std::vector<std::uint8_t> bytes;
    const auto word = [&](std::size_t value) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> 8 * i));
    };
    for (std::size_t value : {std::size_t{0x950412de}, std::size_t{0}, count, std::size_t{28},
                              28 + 8 * count, std::size_t{0}, std::size_t{0}})
        word(value);
    for (int table = 0; table < 2; ++table)
        for (std::size_t i = 0; i < count; ++i) {
            word(count - i);
            word(text + i);
        }
    bytes.insert(bytes.end(), count, 'a');
    bytes.push_back(0);
    MoCatalog catalog;
    EXPECT_FALSE(catalog.load(bytes));
    EXPECT_EQ(catalog.find("aa"), nullptr);
}

}  // namespace
