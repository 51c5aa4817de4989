// The player's language: the catalog the language variables choose, the source texts without
// a language, and the help page the About box opens.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "platform/headless/headless.h"
#include "platform/language.h"
#include "support/ordinary_user.h"
#include "support/program_fixture.h"

namespace {

constexpr const char* languageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// Values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG; null leaves the variable unset.
struct Environment {
    const char* values[4];
};

class Language : public ProgramTest {
protected:
    void TearDown() override
    {
        choose({});
        ProgramTest::TearDown();
    }

    void choose(const Environment& environment)
    {
        for (int i = 0; i < 4; ++i) {
            if (environment.values[i])
                setenv(languageVariables[i], environment.values[i], 1);
            else
                unsetenv(languageVariables[i]);
        }
        initialiseLanguage(VELMORA_BINARY_DIR "/velmora");
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

TEST_F(Language, TheVariablesChooseWhetherOrNotTheSystemHasTheLocale)
{
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; "en" or "" (the Japanese source texts).
    const struct {
        Environment environment;
        const char* language;
    } cases[] = {
        {{nullptr, nullptr, nullptr, nullptr}, ""},
        {{nullptr, "C", nullptr, nullptr}, ""},
        {{nullptr, "C.UTF-8", nullptr, "en_US.UTF-8"}, ""},
        {{nullptr, "POSIX", nullptr, nullptr}, ""},
        {{nullptr, nullptr, nullptr, "ja_JP.UTF-8"}, ""},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, "en"},
        // Locales no system has: the variable's language still counts.
        {{nullptr, nullptr, nullptr, "en_ZZ.UTF-8"}, "en"},
        {{nullptr, nullptr, nullptr, "en_ZZ.ISO-8859-1@euro"}, "en"},
        {{nullptr, nullptr, nullptr, "en"}, "en"},
        // LANGUAGE comes first, also under the C locale.
        {{"en", "C", nullptr, nullptr}, "en"},
        {{"en_GB", nullptr, nullptr, nullptr}, "en"},
        {{"ja:en", "en_US.UTF-8", nullptr, nullptr}, ""},
        {{"fr:en", nullptr, nullptr, "C"}, "en"},
        {{"::en", nullptr, nullptr, nullptr}, "en"},
        // A LANGUAGE without a catalog leaves the choice to the locale.
        {{"fr", nullptr, nullptr, "en_US.UTF-8"}, "en"},
        {{"de:fr", nullptr, nullptr, "C"}, ""},
        {{"", nullptr, nullptr, "en_US.UTF-8"}, "en"},
        {{"../../locale/en:/en", nullptr, nullptr, nullptr}, ""},
        // The first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
        {{nullptr, "en_US.UTF-8", "ja_JP.UTF-8", "C"}, "en"},
        {{nullptr, "", "en_US.UTF-8", "ja_JP.UTF-8"}, "en"},
        {{nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8"}, ""},
        {{nullptr, nullptr, "fr_FR.UTF-8", "en_US.UTF-8"}, ""},
    };
    for (const auto& example : cases) {
        choose(example.environment);
        std::string shown;
        for (int i = 0; i < 4; ++i)
            shown += std::string(languageVariables[i]) + "=" +
                     (example.environment.values[i] ? example.environment.values[i] : "(unset)") +
                     " ";
        EXPECT_EQ(languageCode(), example.language) << shown;
        EXPECT_STREQ(translate("ファイル(&F)"), *example.language ? "&File" : "ファイル(&F)")
            << shown;
    }
}

TEST_F(Language, AProgramFolderThatCannotBeExaminedGivesTheSourceTexts)
{
    const std::filesystem::path locked = folder / "locked";
    std::filesystem::create_directories(locked / "bin");
    chmod(locked.c_str(), 0);
    const std::string program = (locked / "bin" / "velmora").string();
    EXPECT_TRUE(testing_support::asOrdinaryUser(folder, [&program] {
        setenv("LANGUAGE", "en", 1);
        initialiseLanguage(program);
        return languageCode().empty();
    }));
    chmod(locked.c_str(), 0755);
}

TEST_F(Language, SourceTextsWithoutALanguage)
{
    choose({nullptr, "C", nullptr, nullptr});
    EXPECT_STREQ(translate("ファイル(&F)"), "ファイル(&F)");
    EXPECT_EQ(languageCode(), "");
    EXPECT_NE(helpPageOpened().find("/help/index.ja.html"), std::string::npos);
}

TEST_F(Language, EnglishUnderAnEnglishLocale)
{
    choose({nullptr, nullptr, nullptr, "en_US.UTF-8"});
    EXPECT_STREQ(translate("ファイル(&F)"), "&File");
    EXPECT_STREQ(translate("%s は既に存在します。\n上書きしますか?"),
                 "%s already exists.\nDo you want to replace it?");
    // Content and unknown texts pass unchanged.
    EXPECT_STREQ(translate("柑橘の輪切り"), "柑橘の輪切り");
    EXPECT_EQ(languageCode(), "en");
    const std::string url = helpPageOpened();
    EXPECT_NE(url.find("/help/index.html"), std::string::npos) << url;
}

}  // namespace
