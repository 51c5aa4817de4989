// The player's language: the catalogs as built, the source texts without a language, and the
// help page the About box opens.
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/headless/headless.h"
#include "platform/language.h"
#include "platform/templates.h"
#include "support/program_fixture.h"

namespace {

// The letter after the one '&' of a menu text ('&&' is a plain '&'), upper case; 0 when the
// text has none, '!' when it has more than one.
char mnemonicOf(const std::string& text)
{
    char found = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        found = found ? '!' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
    }
    return found;
}

// Every item of the menu and its submenus, in the player's language, that lacks its own
// mnemonic in its menu: "text: why".
void collectMnemonicFaults(std::span<const MenuTemplate> menu, std::vector<std::string>& faults)
{
    std::map<char, std::string> taken;
    for (const MenuTemplate& item : menu) {
        if (!item.text)
            continue;
        const std::string text = translate(item.text);
        const char mnemonic = mnemonicOf(text);
        if (mnemonic == 0 || mnemonic == '!')
            faults.push_back(text + ": " + (mnemonic ? "several mnemonics" : "no mnemonic"));
        else if (!taken.emplace(mnemonic, text).second)
            faults.push_back(text + ": shares its mnemonic with " + taken[mnemonic]);
        collectMnemonicFaults(item.children, faults);
    }
}

std::vector<std::string> mnemonicFaults()
{
    std::size_t count = 0;
    const MenuTemplate* menu = findMenuTemplate(113, &count);
    std::vector<std::string> faults;
    collectMnemonicFaults(std::span(menu, count), faults);
    return faults;
}

class Language : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        unsetenv("LANGUAGE");
        initialiseLanguage(VELMORA_BINARY_DIR "/velmora");
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        ProgramTest::TearDown();
    }

    // The address the About box's link opens, with help pages in both languages beside the
    // program.
    std::string helpPageOpened()
    {
        std::filesystem::create_directories(folder / "help");
        std::ofstream(folder / "help" / "index.html") << "English";
        std::ofstream(folder / "help" / "index.ja.html") << "日本語";
        startProgram();
        headless::scriptDialog(119, {1018});
        command(aboutCommandId);
        return headless::events().at(1);
    }
};

TEST_F(Language, SourceTextsWithoutALanguage)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    EXPECT_STREQ(translate("ファイル(&F)"), "ファイル(&F)");
    EXPECT_EQ(languageCode(), "");
    EXPECT_NE(helpPageOpened().find("/help/index.ja.html"), std::string::npos);
}

TEST_F(Language, JapaneseFirstKeepsTheTextsAsTheyStand)
{
    // A Japanese desktop that falls back to English for programs without Japanese.
    ASSERT_NE(std::setlocale(LC_ALL, "en_US.UTF-8"), nullptr);
    setenv("LANGUAGE", "ja:en", 1);
    EXPECT_STREQ(translate("ファイル(&F)"), "ファイル(&F)");
    EXPECT_EQ(languageCode(), "ja");
    unsetenv("LANGUAGE");
}

TEST_F(Language, EnglishUnderAnEnglishLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "en_US.UTF-8"), nullptr)
        << "the en_US.UTF-8 locale is missing (scripts/dependencies.sh test makes it)";
    EXPECT_STREQ(translate("ファイル(&F)"), "&File");
    EXPECT_STREQ(translate("%s は既に存在します。\n上書きしますか?"),
                 "%s already exists.\nDo you want to replace it?");
    // Content and unknown texts pass unchanged.
    EXPECT_STREQ(translate("柑橘の輪切り"), "柑橘の輪切り");
    EXPECT_EQ(languageCode(), "en");
    const std::string url = helpPageOpened();
    EXPECT_NE(url.find("/help/index.html"), std::string::npos) << url;
}

TEST_F(Language, EveryMenuItemHasAMnemonicOfItsOwnInBothLanguages)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    EXPECT_EQ(mnemonicFaults(), std::vector<std::string>{});
    ASSERT_NE(std::setlocale(LC_ALL, "en_US.UTF-8"), nullptr);
    ASSERT_EQ(languageCode(), "en");
    EXPECT_EQ(mnemonicFaults(), std::vector<std::string>{});
}

}  // namespace
