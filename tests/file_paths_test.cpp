// Files and settings under Japanese names, on every system the game builds for: whole-file
// reads, safe replacement and the settings file's lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace {

namespace fs = std::filesystem;

class FilePaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        root = fs::temp_directory_path() /
               ("velmora-file-paths-" + std::to_string(getpid()) + "-" + test);
        fs::remove_all(root);
        fs::create_directories(root / u8"パズル");
        folder = utf8FromPath(root / u8"パズル");
    }
    void TearDown() override { fs::remove_all(root); }

    static FileWriteOutcome write(const std::string& path, const std::string& text)
    {
        return replaceFileContents(
            path,
            [&text](const FileTransfer& transfer) {
                return transfer({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
            },
            true);
    }

    fs::path root;
    std::string folder;
};

TEST_F(FilePaths, AFileWithAJapaneseNameIsReplacedAndReadBackWhole)
{
    const std::string path = folder + "/完成画像.jps";
    EXPECT_FALSE(pathExists(path));
    ASSERT_EQ(write(path, "first"), FileWriteOutcome::written);
    ASSERT_EQ(write(path, "second, longer"), FileWriteOutcome::written);
    EXPECT_TRUE(pathExists(path));
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(readWholeFile(path, bytes, 100), FileReadOutcome::read);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "second, longer");
    EXPECT_EQ(readWholeFile(path, bytes, 5), FileReadOutcome::failed);
    // Only the file itself is left: no temporary file beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(root / u8"パズル"), fs::directory_iterator()), 1);
}

TEST_F(FilePaths, FailedWritesAndMissingFilesAreToldApart)
{
    const std::string path = folder + "/ゲーム.jps";
    ASSERT_EQ(write(path, "kept"), FileWriteOutcome::written);
    EXPECT_EQ(replaceFileContents(path, [](const FileTransfer&) { return false; }, false),
              FileWriteOutcome::failed);
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(readWholeFile(path, bytes, 100), FileReadOutcome::read);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "kept");
    EXPECT_EQ(readWholeFile(folder + "/無い.jps", bytes, 100), FileReadOutcome::cannotOpen);
    EXPECT_EQ(write(folder + "/無いフォルダ/a.jps", "x"), FileWriteOutcome::cannotCreate);
    EXPECT_EQ(write(folder, "x"), FileWriteOutcome::cannotCreate);
}

TEST_F(FilePaths, SettingsBesideAProgramInAJapaneseFolder)
{
    const std::string path = settingsLocation(folder + "/velmora.ini");
    EXPECT_EQ(path, folder + "/velmora.ini");
    ASSERT_TRUE(writeProfileString("Quorin_Section", "gspath", "C:\\遊び\\a.jps", path));
    EXPECT_EQ(readProfileString("Quorin_Section", "GSPATH", "", 260, path), "C:\\遊び\\a.jps");
    EXPECT_EQ(readProfileString("Quorin_Section", "none", "x", 260, folder + "/無い.ini"), "x");
}

}  // namespace
