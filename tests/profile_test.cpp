// Private-profile files: matching, reading, writing in place and failing safely.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/ordinary_user.h"

namespace {

namespace fs = std::filesystem;
using testing_support::asOrdinaryUser;

class Profile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/velmora-profile-XXXXXX";
        folder = mkdtemp(pattern);
        path = folder + "/game.ini";
    }
    void TearDown() override { fs::remove_all(folder); }

    void writeFile(const std::string& text) const
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string fileText() const
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string read(const std::string& section, const std::string& key,
                     const std::string& fallback = "default", std::size_t maxChars = 50) const
    {
        return readProfileString(section, key, fallback, maxChars, path);
    }

    std::string folder;
    std::string path;
};

}  // namespace

TEST_F(Profile, MatchesNamesIgnoringCaseAndBlanks)
{
    writeFile("[Other]\nred=1\n  [ quorin_SECTION ]  \n Red  =  300  \nGreen=\"  12 \"\n"
              "Blue =' 7'\r\nQuote=\"x\n[Later]\nred=9\n");
    EXPECT_EQ(read("Quorin_Section", "Red  "), "300");
    EXPECT_EQ(read("quorin_section", "RED"), "300");
    EXPECT_EQ(read("Quorin_Section", "green"), "  12 ");
    EXPECT_EQ(read("Quorin_Section", "Blue "), " 7");
    EXPECT_EQ(read("Quorin_Section", "quote"), "\"x") << "an unmatched quote stays";
    EXPECT_EQ(read("Later", "Red"), "9");
    EXPECT_EQ(read("Quorin_Section", "Sound  "), "default");
    EXPECT_EQ(read("Missing", "Red  "), "default");
}

TEST_F(Profile, CutsValuesAndDefaultsToMaxCharsMinusOne)
{
    writeFile("[S]\nkey=abcdefgh\n");
    EXPECT_EQ(read("S", "key", "", 4), "abc");
    EXPECT_EQ(read("S", "key", "", 1), "");
    EXPECT_EQ(read("S", "none", "123456", 3), "12");
    EXPECT_EQ(read("S", "none", "50  ", 50), "50") << "the default loses trailing blanks";
}

TEST_F(Profile, MissingFileGivesTheDefault)
{
    EXPECT_EQ(readProfileString("S", "k", "128", 50, folder + "/absent.ini"), "128");
    EXPECT_EQ(readProfileString("S", "k", "128", 50, path + "/below-a-file.ini"), "128");
}

TEST_F(Profile, WritesKeysVerbatimWithWindowsLineEnds)
{
    ASSERT_TRUE(writeProfileString("Quorin_Section", "Red  ", "300", path));
    ASSERT_TRUE(writeProfileString("Quorin_Section", "Green", "128", path));
    ASSERT_TRUE(writeProfileString("Quorin_Section", "red", "44", path));
    EXPECT_EQ(fileText(), "[Quorin_Section]\r\nred=44\r\nGreen=128\r\n");
    EXPECT_EQ(read("QUORIN_SECTION", "Red  "), "44");
}

TEST_F(Profile, ReplacesInPlaceAndKeepsEveryOtherLine)
{
    writeFile("; comment\n[A]\nx=1\nred  = 5\ny=2\n\n[B]\nz=3\n");
    ASSERT_TRUE(writeProfileString("a", "Red  ", "300", path));
    ASSERT_TRUE(writeProfileString("A", "new", "n", path));
    ASSERT_TRUE(writeProfileString("C", "gspath", "C:\\games\\a.jps", path));
    EXPECT_EQ(fileText(),
              "; comment\r\n[A]\r\nx=1\r\nRed  =300\r\ny=2\r\nnew=n\r\n\r\n[B]\r\nz=3\r\n"
              "\r\n[C]\r\ngspath=C:\\games\\a.jps\r\n");
    EXPECT_EQ(read("C", "gspath"), "C:\\games\\a.jps");
}

TEST_F(Profile, FailedWriteLeavesTheOldFileAndNoLeftovers)
{
    writeFile("[S]\nk=old\n");
    // A path below a regular file can never be created, even by root.
    EXPECT_FALSE(writeProfileString("S", "k", "new", path + "/sub.ini"));
    EXPECT_EQ(fileText(), "[S]\nk=old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
}

TEST_F(Profile, ReadOnlyFolderRefusesTheWrite)
{
    writeFile("[S]\nk=old\n");
    chmod(folder.c_str(), 0555);
    EXPECT_TRUE(asOrdinaryUser(folder, [&] { return !writeProfileString("S", "k", "new", path); }));
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(fileText(), "[S]\nk=old\n");
}

TEST_F(Profile, WriteKeepsTheFileMode)
{
    writeFile("[S]\nk=old\n");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(writeProfileString("S", "k", "new", path));
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(Profile, SettingsBesideTheProgramOrInTheConfigFolder)
{
    EXPECT_EQ(settingsLocation(path), path);
    const std::string config = folder + "/config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // A folder that cannot be written to, whoever runs the test: its parent is a file.
    writeFile("");
    EXPECT_EQ(settingsLocation(path + "/bin/velmora.ini"), config + "/velmora/velmora.ini");
    EXPECT_TRUE(fs::is_directory(config + "/velmora"));
    unsetenv("XDG_CONFIG_HOME");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", folder.c_str(), 1);
    EXPECT_EQ(settingsLocation(path + "/velmora.ini"), folder + "/.config/velmora/velmora.ini");
    setenv("HOME", home.c_str(), 1);
}

TEST_F(Profile, AnInstalledProgramKeepsItsSettingsInTheConfigFolder)
{
    const std::string config = folder + "/config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // Program folders below a prefix, with or without the data folder of an installation.
    const struct {
        const char* programFolder;
        const char* dataFolder;
        bool besideProgram;
    } cases[] = {
        {"/games", "/share/velmora", false},
        {"/bin", "/share/velmora", false},
        {"/bin", "/share/other", true},
        {"/bin", "/bin/share/velmora", true},
        {"/bin", nullptr, true},
    };
    for (const auto& example : cases) {
        const std::string prefix = folder + "/prefix";
        fs::create_directories(prefix + example.programFolder);
        if (example.dataFolder)
            fs::create_directories(prefix + example.dataFolder);
        const std::string beside = prefix + example.programFolder + "/velmora.ini";
        EXPECT_EQ(settingsLocation(beside),
                  example.besideProgram ? beside : config + "/velmora/velmora.ini")
            << example.programFolder << " " << (example.dataFolder ? example.dataFolder : "");
        fs::remove_all(prefix);
    }
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(Profile, ByteOrderMarkIsSkippedOnReadingAndKeptOnWriting)
{
    writeFile("\xEF\xBB\xBF[Quorin_Section]\r\nRed  =300\r\n");
    EXPECT_EQ(read("Quorin_Section", "Red  "), "300");
    ASSERT_TRUE(writeProfileString("Quorin_Section", "Red  ", "44", path));
    ASSERT_TRUE(writeProfileString("Quorin_Section", "Green", "128", path));
    EXPECT_EQ(fileText(), "\xEF\xBB\xBF[Quorin_Section]\r\nRed  =44\r\nGreen=128\r\n");
}

TEST_F(Profile, NeitherFolderWritableSaysSoOnceOnStandardError)
{
    // Folders below a regular file can never be made, whoever runs the test.
    writeFile("");
    const std::string config = path + "/config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(settingsLocation(path + "/bin/velmora.ini"), config + "/velmora/velmora.ini");
    settingsLocation(path + "/bin/velmora.ini");
    const std::string said = testing::internal::GetCapturedStderr();
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(said, "velmora: settings are not saved: neither " + path + "/bin nor " + config +
                        "/velmora can be written\n");
}
