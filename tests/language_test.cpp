// The player's language: the catalog the language variables choose, the source texts without
// a language, and the help page the About box opens.
#include <gtest/gtest.h>

#include <cctype>
#include <sys/stat.h>

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
#include "support/ordinary_user.h"
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
    // An empty text (an empty caption) stays empty, not the catalog's header.
    EXPECT_STREQ(translate(""), "");
    EXPECT_EQ(languageCode(), "en");
    const std::string url = helpPageOpened();
    EXPECT_NE(url.find("/help/index.html"), std::string::npos) << url;
}

TEST_F(Language, EveryMenuItemHasAMnemonicOfItsOwnInBothLanguages)
{
    choose({nullptr, "C", nullptr, nullptr});
    EXPECT_EQ(mnemonicFaults(), std::vector<std::string>{});
    choose({nullptr, nullptr, nullptr, "en_US.UTF-8"});
    ASSERT_EQ(languageCode(), "en");
    EXPECT_EQ(mnemonicFaults(), std::vector<std::string>{});
}

}  // namespace
