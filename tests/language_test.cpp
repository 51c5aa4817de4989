// The player's language: the catalogs as built, the source texts without a language, and the
// help page the About box opens.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "platform/headless/headless.h"
#include "platform/language.h"
#include "support/program_fixture.h"

namespace {

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
    // An empty text (an empty caption) stays empty, not the catalog's header.
    EXPECT_STREQ(translate(""), "");
    EXPECT_EQ(languageCode(), "en");
    const std::string url = helpPageOpened();
    EXPECT_NE(url.find("/help/index.html"), std::string::npos) << url;
}

}  // namespace
