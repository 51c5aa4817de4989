// Compiled message catalogs read by the program itself: both byte orders, the catalogs the
// build makes, and damaged files refused whole.
#include <gtest/gtest.h>

#include <algorithm>
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

// A translation whose printf conversions differ from its text's would read arguments the
// program never passes: the text itself is shown instead.
TEST(MoCatalog, TakesOnlyTranslationsWithTheTextsPrintfConversions)
{
    const Entries entries{{"%d ピース", "%d pieces"},     {"%d ピース（%d）", "%s (%d)"},
                          {"「%s」", "%s%s"},             {"%lld 秒", "%d s"},
                          {"%d%% 済", "%d%% done"},        {"%-*d 個", "%*d items"},
                          {"★ %s", "★ %n"},               {"50%(&5)", "&50%"}};
    MoCatalog catalog;
    ASSERT_TRUE(catalog.load(catalogFile(entries, false)));
    const std::vector<std::string> taken{"%d ピース", "%d%% 済", "%-*d 個", "50%(&5)"};
    for (const auto& [original, translation] : entries)
        EXPECT_EQ(catalog.find(original) != nullptr,
                  std::find(taken.begin(), taken.end(), original) != taken.end())
            << original;
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

TEST(MoCatalog, RefusesEntriesThatOverlapToFillTheMemory)
{
    // Every entry points at a different tail of one long text: each key is distinct, and
    // together they would be thousands of times the file's size.
    const std::size_t count = 4000;
    Entries entries(count);
    std::vector<std::uint8_t> bytes = catalogFile(entries, false);
    const std::size_t textAt = bytes.size() - 2 * count;
    bytes.resize(textAt);
    bytes.insert(bytes.end(), count, 'a');
    bytes.push_back(0);
    for (std::size_t i = 0; i < 2 * count; ++i) {
        const std::size_t tail = i % count;
        const std::size_t values[] = {count - tail, textAt + tail};
        for (int word = 0; word < 2; ++word)
            for (int b = 0; b < 4; ++b)
                bytes[28 + 8 * i + 4 * word + b] = static_cast<std::uint8_t>(values[word] >> 8 * b);
    }
    MoCatalog catalog;
    EXPECT_FALSE(catalog.load(bytes));
    EXPECT_EQ(catalog.find(std::string(count, 'a')), nullptr);
}

}  // namespace
