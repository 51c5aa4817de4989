// Files the player names: replaced in a fixed order of write, sync, rename and folder sync,
// refused when read-only, followed through links, and no name or link loop able to end the
// game.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "completion/composition.h"
#include "completion/export.h"
#include "completion/picture_files.h"
#include "platform/file_calls.h"
#include "platform/file_choice.h"
#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "puzzle/state.h"
#include "library/library_folder.h"
#include "library/library_store.h"
#include "library/old_kept_game.h"
#include "library/switching.h"
#include "maker/make.h"
#include "settings/settings.h"
#include "support/puzzle_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* cannotWriteMessage = "messagebox 出力ファイルが開けません";
constexpr const char* pictureDialog = "save dialog 完成画像を保存する";

std::string text(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The calls made through the file call table; the one named `failing` fails.
std::vector<std::string> journal;
std::string failing;
int failure = EIO;  // the error the failing call gives

bool passes(const std::string& call)
{
    journal.push_back(call);
    errno = failure;
    return call != failing;
}

ssize_t recordWrite(int fd, const void* bytes, std::size_t count)
{
    return passes("write") ? ::write(fd, bytes, count) : -1;
}

int recordSync(int fd)
{
    struct stat info;
    fstat(fd, &info);
    return passes(S_ISDIR(info.st_mode) ? "sync folder" : "sync file") ? ::fsync(fd) : -1;
}

int recordRename(const char* from, const char* to)
{
    return passes("rename") ? ::rename(from, to) : -1;
}

class FileSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        startEmbeddedGame();
        headless::clearEvents();
        folder = fs::temp_directory_path() /
                 ("velmora-file-safety-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        // The settings file lies apart, so that the folder holds only the files under test.
        fs::create_directories(folder.string() + "-program");
        headless::setModulePath(folder.string() + "-program/velmora");
        buildSettingsPath();
    }
    void TearDown() override
    {
        fileCalls() = systemCalls;
        fs::remove_all(folder);
        fs::remove_all(folder.string() + "-program");
    }

    std::size_t entries() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
    int count(const std::string& event) const
    {
        const auto& events = headless::events();
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
    // Exports the finished first puzzle to the scripted file; a second dialog is cancelled.
    void exportTo(const fs::path& path, bool wallpaper)
    {
        Surface canvas;
        Surface assembly;
        composeFinishedCanvas(canvas, assembly);
        headless::scriptFileChoice(path.string());
        exportFinishedPicture(canvas, wallpaper);
    }

    const FileCalls systemCalls = fileCalls();
    fs::path folder;
    const std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(8 * 8 * 3, 0x80);
};

TEST_F(FileSafety, AReplacementWritesSyncsRenamesAndSyncsTheFolderInThatOrder)
{
    const fs::path path = folder / "old.bmp";
    fileCalls() = {recordWrite, recordSync, recordRename};
    for (const std::string fault : {"write", "sync file", "rename", ""}) {
        SCOPED_TRACE(fault);
        std::ofstream(path) << "old";
        journal.clear();
        failing = fault;
        const FileWriteOutcome outcome = writeBmpFile(path.string(), pixels, 8, 8);
        // A failure before the rename leaves the old file whole and nothing beside it.
        EXPECT_EQ(outcome, fault.empty() ? FileWriteOutcome::written : FileWriteOutcome::failed);
        EXPECT_EQ(text(path) == "old", !fault.empty());
        EXPECT_EQ(entries(), 1u);
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"write", "sync file", "rename", "sync folder"}));
}

// A folder sync refused as unsupported (EINVAL: such file systems keep their entries by other
// means) still counts as written; a folder sync that fails otherwise does not.
TEST_F(FileSafety, OnlyAFolderSyncRefusedAsUnsupportedCountsAsWritten)
{
    const fs::path path = folder / "game.bmp";
    fileCalls() = {recordWrite, recordSync, recordRename};
    failing = "sync folder";
    for (const auto& [error, outcome] : {std::pair{EINVAL, FileWriteOutcome::written},
                                         std::pair{EIO, FileWriteOutcome::failed}}) {
        failure = error;
        EXPECT_EQ(writeBmpFile(path.string(), pixels, 8, 8), outcome) << error;
        EXPECT_TRUE(fs::is_regular_file(path)) << error;
    }
    failure = EIO;
}

// A write whose sync fails has failed: every file the library keeps and the play file Ctrl+S
// saves stays as it was (the puzzle's file, written only while missing, stays missing), and
// the player is told once.
TEST_F(FileSafety, ASyncThatFailsLeavesEachOldFileAsItWasAndIsToldOnce)
{
    resumeLastPuzzle();
    RgbImage picture{160, 120, std::vector<std::uint8_t>(160 * 120 * 3, 0x60)};
    ASSERT_TRUE(playMadePuzzle(makePuzzleResource(picture, {3, 3, 40, 80}, "Kappa", 5)));
    const fs::path entry = entryFolder(entryInPlay());
    const fs::path playFile = folder / "game.jps";
    const auto keep = [] { keepGameInLibrary(); };
    const auto save = [&playFile] {
        headless::scriptFileChoice(playFile.string());
        sendMessage(getMainWindow(), WM_COMMAND, saveCommandId, 0);
    };
    const std::string cannotKeep = "messagebox パズルライブラリに書き込めないため、ゲームを残せません";
    struct Case {
        fs::path file;
        std::optional<std::string> old;  // nullopt: no file
        std::function<void()> write;
        std::string told;
    };
    const Case cases[] = {
        {entry / infoFileName, "old", keep, cannotKeep},
        {entry / gameFileName, "old", keep, cannotKeep},
        {entry / sourceFileName(EntryKind::made), std::nullopt, keep, cannotKeep},
        {fs::path(libraryFolder()) / "current", "old", keep, cannotKeep},
        {playFile, "old", save, "messagebox NO"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.file.filename().string());
        // The failure of an earlier case is told once a run: a new run begins.
        resumeLastPuzzle();
        if (test.old)
            std::ofstream(test.file) << *test.old;
        else
            fs::remove(test.file);
        headless::clearEvents();
        fileCalls() = {recordWrite, recordSync, recordRename};
        failing = "sync file";
        test.write();
        fileCalls() = systemCalls;
        EXPECT_EQ(fs::exists(test.file), test.old.has_value());
        EXPECT_EQ(text(test.file), test.old.value_or(""));
        EXPECT_EQ(count(test.told), 1);
    }
}

// The temporary file is always a new one: a file already under its name is left alone.
TEST_F(FileSafety, AFileUnderTheTemporaryNameIsLeftAlone)
{
    const fs::path taken = folder / (".velmora-" + std::to_string(getpid()) + "-0.tmp");
    std::ofstream(taken) << "someone else's";
    EXPECT_EQ(writeBmpFile((folder / "game.bmp").string(), pixels, 8, 8),
              FileWriteOutcome::written);
    EXPECT_EQ(text(taken), "someone else's");
    EXPECT_EQ(entries(), 2u);
}

TEST_F(FileSafety, APictureRefusesReadOnlyFollowsLinksAndKeepsPermissions)
{
    // No write permission for anyone binds root too.
    std::ofstream(folder / "kept.bmp") << "old";
    fs::permissions(folder / "kept.bmp", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(writeBmpFile((folder / "kept.bmp").string(), pixels, 8, 8),
              FileWriteOutcome::cannotCreate);
    EXPECT_EQ(text(folder / "kept.bmp"), "old");

    std::ofstream(folder / "target.jpg") << "old";
    fs::permissions(folder / "target.jpg", fs::perms::owner_read | fs::perms::owner_write |
                                               fs::perms::group_read);
    fs::create_symlink("target.jpg", folder / "link.jpg");
    EXPECT_EQ(writeJpegFile((folder / "link.jpg").string(), pixels, 8, 8),
              FileWriteOutcome::written);
    EXPECT_TRUE(fs::is_symlink(folder / "link.jpg"));
    EXPECT_EQ(text(folder / "target.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(fs::status(folder / "target.jpg").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 3u);
}

TEST_F(FileSafety, AnExportWhoseWriteFailsKeepsTheOldFileAndAsksAgain)
{
    const fs::path path = folder / "old.bmp";
    std::ofstream(path) << "old";
    for (const bool wallpaper : {false, true}) {
        SCOPED_TRACE(wallpaper);
        headless::clearEvents();
        // A file size limit cuts the write short, for root too.
        rlimit previous;
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = 1 << 16;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limited);
        exportTo(path, wallpaper);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, oldHandler);

        EXPECT_EQ(count(cannotWriteMessage), 1);
        EXPECT_EQ(count(pictureDialog), 2);
        EXPECT_EQ(headless::lastFileDialog()->fileName, path.string());
        EXPECT_EQ(count("wallpaper " + path.string()), 0);
        EXPECT_EQ(text(path), "old");
        EXPECT_EQ(entries(), 1u);
    }
}

TEST_F(FileSafety, NamesThatCannotBeFilesAreToldAndEndNothing)
{
    // Each of the two links points at the other.
    const fs::path picture = folder / "loop.bmp";
    const fs::path playFile = folder / "loop.jps";
    fs::create_symlink(playFile.filename(), picture);
    fs::create_symlink(picture.filename(), playFile);
    const fs::path tooLong = folder / std::string(253, 'n');  // 257 with ".bmp" or ".jps"
    EXPECT_TRUE(nameTaken(playFile.string()));
    EXPECT_FALSE(nameTaken(tooLong.string() + ".jps"));

    for (const auto& [pictureName, playFileName] : {std::pair{picture, playFile},
                                                     std::pair{tooLong, tooLong}}) {
        SCOPED_TRACE(playFileName.string());
        headless::clearEvents();
        exportTo(pictureName, false);
        headless::scriptFileChoice(playFileName.string());
        sendMessage(getMainWindow(), WM_COMMAND, saveCommandId, 0);
        EXPECT_EQ(count(cannotWriteMessage), 2);
    }
    headless::clearEvents();
    headless::scriptFileChoice(playFile.string());
    sendMessage(getMainWindow(), WM_COMMAND, openCommandId, 0);
    EXPECT_EQ(count("messagebox 入力ファイルが開けません"), 1);
    EXPECT_EQ(entries(), 2u);

    // The longest name the system takes is saved: the new file's own name is short.
    const std::string longest = (folder / std::string(251, 'n')).string();
    headless::scriptFileChoice(longest);
    sendMessage(getMainWindow(), WM_COMMAND, saveCommandId, 0);
    EXPECT_TRUE(fs::is_regular_file(longest + ".jps"));
}

TEST_F(FileSafety, AKeptGameTheMemoryCannotHoldIsNotTakenAndEndsNothing)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer ends the process on an allocation it cannot make, where "
                    "the program's own allocator throws";
#endif
    // A play file of the largest size allowed, empty (sparse) on the disk.
    fs::create_directories(fs::path(oldKeptGamePath()).parent_path());
    std::ofstream(oldKeptGamePath()).close();
    fs::resize_file(oldKeptGamePath(), std::size_t{512} << 20);
    // Room for what the process already holds and a little more, not for the whole file.
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit previous;
    getrlimit(RLIMIT_AS, &previous);
    rlimit limited = previous;
    limited.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                       (rlim_t{128} << 20);
    setrlimit(RLIMIT_AS, &limited);
    const bool takenIn = takeInOldKeptGame().has_value();
    setrlimit(RLIMIT_AS, &previous);
    EXPECT_FALSE(takenIn);
}

}  // namespace
