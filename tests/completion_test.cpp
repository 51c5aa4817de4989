// The completion flow with scripted answers: dialogs 132 and 133, every path through the
// export, and the next puzzle built at the end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "completion/choice_dialogs.h"
#include "completion/flow.h"
#include "completion/picture_name.h"
#include "platform/dialogs.h"
#include "platform/headless/headless.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "platform/text.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "support/puzzle_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int ok = 1;
constexpr int escape = 2;

class Completion : public ::testing::Test {
protected:
    void SetUp() override
    {
        startHeadlessGame();
        setPuzzleNumber(2);
        buildPuzzle();
        headless::clearEvents();
        folder = fs::temp_directory_path() /
                 ("velmora-completion-" + std::to_string(getpid()) + "-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    bool happened(const std::string& event) const
    {
        const auto& events = headless::events();
        return std::find(events.begin(), events.end(), event) != events.end();
    }

    // The flow ran to its end: the second puzzle of the series is in play.
    void expectNextPuzzle() const
    {
        EXPECT_EQ(getPuzzleNumber(), 3);
        EXPECT_NE(cp932ToUtf8(messageLine2()).find("ミツバチ"), std::string::npos);
        EXPECT_FALSE(happened("dialog 132 stuck"));
        EXPECT_FALSE(happened("dialog 133 stuck"));
    }

    // Magic bytes of the file: "BM" or the JPEG start-of-image marker.
    static std::string signature(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        char bytes[2] = {};
        in.read(bytes, 2);
        if (bytes[0] == 'B' && bytes[1] == 'M')
            return "bmp";
        if (static_cast<unsigned char>(bytes[0]) == 0xFF &&
            static_cast<unsigned char>(bytes[1]) == 0xD8)
            return "jpg";
        return "";
    }

    fs::path folder;
};

TEST_F(Completion, DialogsStartFromTheFirstChoicesAndIgnoreEscape)
{
    setPictureChoice(leavePicture);
    setGlueChoice(1);
    setPanelChoice(3);
    headless::scriptDialog(pictureChoiceDialogId, {escape, escape, ok});
    headless::scriptDialog(panelDialogId, {escape, ok});
    headless::scriptFileChoice(std::nullopt);
    runCompletionFlow();
    // Escape changed nothing; OK took the buttons set on opening. (The build resets the
    // glue and panel choices, so the export's dialog shows what the player chose.)
    EXPECT_EQ(getPictureChoice(), savePicture);
    EXPECT_TRUE(happened("dialog 132 end 1"));
    EXPECT_TRUE(happened("dialog 133 end 1"));
    expectNextPuzzle();
}

TEST_F(Completion, PanelDialogKeepsGlueAndPanelAsTwoGroups)
{
    headless::scriptDialog(pictureChoiceDialogId, {1008, 1009, ok});
    runModalDialog(pictureChoiceDialogId, getMainWindow(), pictureChoiceDialogProc, 0);
    EXPECT_EQ(getPictureChoice(), leavePicture);
    // Choosing a panel after gluing leaves the glue button set, and the other way round.
    headless::scriptDialog(panelDialogId, {1013, 1009, 1008, 1012, 1013, ok});
    runModalDialog(panelDialogId, getMainWindow(), panelDialogProc, 0);
    EXPECT_EQ(getGlueChoice(), 1);
    EXPECT_EQ(getPanelChoice(), 1);
    headless::scriptDialog(panelDialogId, {1015, ok});
    runModalDialog(panelDialogId, getMainWindow(), panelDialogProc, 0);
    EXPECT_EQ(getGlueChoice(), 0);
    EXPECT_EQ(getPanelChoice(), 3);
}

TEST_F(Completion, DoingNothingSkipsTheRestAndBuildsTheNextPuzzle)
{
    headless::scriptDialog(pictureChoiceDialogId, {1009, ok});
    runCompletionFlow();
    EXPECT_FALSE(happened("dialog 133"));
    EXPECT_FALSE(happened("save dialog 完成画像を保存する"));
    expectNextPuzzle();
}

TEST_F(Completion, SavingAsBmpWritesTheFinishedPicture)
{
    headless::scriptDialog(pictureChoiceDialogId, {ok});
    headless::scriptDialog(panelDialogId, {1013, 1008, ok});
    // A name typed without extension receives ".bmp" from the dialog.
    headless::scriptFileChoice((folder / "finished").string());
    runCompletionFlow();
    const auto request = headless::lastFileDialog();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->title, "完成画像を保存する");
    EXPECT_EQ(request->defaultExtension, "bmp");
    EXPECT_TRUE(request->overwritePrompt);
    ASSERT_EQ(request->filters.size(), 2u);
    EXPECT_EQ(request->filters[0].name, "BITMAP files(*.bmp)");
    EXPECT_EQ(request->filters[1].name, "JPEG files(*.jpg)");
    EXPECT_EQ(request->filters[1].pattern, "*.jpg");
    EXPECT_EQ(fs::file_size(folder / "finished.bmp"), 518454u);
    EXPECT_EQ(signature(folder / "finished.bmp"), "bmp");
    expectNextPuzzle();
}

// The dialog opens in the player's Pictures folder with the puzzle's title as the name, for a
// file and for the wallpaper; a name refused comes back as typed.
TEST_F(Completion, TheSaveDialogProposesTheTitleInThePicturesFolder)
{
    for (const int choice : {1007, 1008}) {
        headless::scriptDialog(pictureChoiceDialogId, {choice, ok});
        headless::scriptDialog(panelDialogId, {ok});
        headless::scriptFileChoice(std::nullopt);
        setPuzzleNumber(2);
        buildPuzzle();
        runCompletionFlow();
        const auto request = headless::lastFileDialog();
        ASSERT_TRUE(request) << choice;
        EXPECT_EQ(pathFromUtf8(request->fileName),
                  pathFromUtf8(picturesFolder()) / pathFromUtf8("柑橘の輪切り.bmp"))
            << choice;
    }
}

TEST(PictureFileStem, TitlesBecomeNamesEveryFileSystemTakes)
{
    const struct {
        std::string title;
        std::string stem;
    } cases[] = {
        {"ミツバチとアスター", "ミツバチとアスター"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
        {"tab\there\x7f", "tab_here_"},
        {"  \u3000..Hidden title. .", "Hidden title"},
        {"", "untitled"},
        {" . ", "untitled"},
        {".", "untitled"},
        {"..", "untitled"},
        {"con", "con_"},
        {"Lpt3.old", "Lpt3.old_"},
        {"COM10", "COM10"},
        {"Console", "Console"},
        // Cut to 64 characters, never inside one, and no blank left at the cut.
        {std::string(70, 'x'), std::string(64, 'x')},
        {std::string(63, 'x') + " tail", std::string(63, 'x')},
        {std::string(63, 'x') + "あい", std::string(63, 'x') + "あ"},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(pictureFileStem(entry.title, "untitled"), entry.stem) << entry.title;
}

TEST_F(Completion, ExtensionsMatchWithoutCaseAndJpegCountsAsJpg)
{
    const struct {
        const char* name;
        const char* written;
    } cases[] = {{"a.bmp", "bmp"}, {"b.BMP", "bmp"}, {"c.jpg", "jpg"}, {"d.JPG", "jpg"},
                 {"e.jpeg", "jpg"}, {"f.Jpeg", "jpg"}, {"g.png", ""}, {"h.bmp.txt", ""}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        headless::clearEvents();
        setPuzzleNumber(2);
        buildPuzzle();
        headless::scriptDialog(pictureChoiceDialogId, {ok});
        headless::scriptDialog(panelDialogId, {ok});
        headless::scriptFileChoice((folder / entry.name).string());
        runCompletionFlow();
        EXPECT_EQ(signature(folder / entry.name), entry.written);
        const bool refused = *entry.written == '\0';
        EXPECT_EQ(happened("messagebox この拡張子では保存できません（.bmp か .jpg）"), refused);
        EXPECT_EQ(fs::exists(folder / entry.name), !refused);
        expectNextPuzzle();
    }
}

TEST_F(Completion, ARefusedExtensionAsksAgainWithTheNameAsTyped)
{
    headless::scriptDialog(pictureChoiceDialogId, {ok});
    headless::scriptDialog(panelDialogId, {ok});
    for (const char* refused : {"p166.png", "citrus v1.2"})
        headless::scriptFileChoice((folder / refused).string());
    headless::scriptFileChoice((folder / "p166.jpg").string());
    runCompletionFlow();
    const auto& events = headless::events();
    EXPECT_EQ(std::count(events.begin(), events.end(),
                         "messagebox この拡張子では保存できません（.bmp か .jpg）"),
              2);
    EXPECT_EQ(std::count(events.begin(), events.end(), "save dialog 完成画像を保存する"), 3);
    EXPECT_EQ(headless::lastFileDialog()->fileName, (folder / "citrus v1.2").string());
    EXPECT_EQ(signature(folder / "p166.jpg"), "jpg");
    expectNextPuzzle();
}

TEST_F(Completion, WallpaperIsAlwaysBmpAndSetFromTheFullPath)
{
    headless::scriptDialog(pictureChoiceDialogId, {1008, ok});
    headless::scriptDialog(panelDialogId, {ok});
    const fs::path path = folder / "wall.jpg";
    headless::scriptFileChoice(path.string());
    runCompletionFlow();
    const auto request = headless::lastFileDialog();
    ASSERT_TRUE(request);
    ASSERT_EQ(request->filters.size(), 1u);
    EXPECT_EQ(request->filters[0].pattern, "*.bmp");
    EXPECT_EQ(signature(path), "bmp");
    EXPECT_EQ(fs::file_size(path), 518454u);
    EXPECT_TRUE(happened("wallpaper " + path.string()));
    EXPECT_FALSE(happened("messagebox 壁紙を設定できませんでした"));
    expectNextPuzzle();
}

TEST_F(Completion, RefusedWallpaperIsToldAndTheBmpStays)
{
    headless::setWallpaperAccepted(false);
    headless::scriptDialog(pictureChoiceDialogId, {1008, ok});
    headless::scriptDialog(panelDialogId, {ok});
    headless::scriptFileChoice((folder / "wall.bmp").string());
    runCompletionFlow();
    EXPECT_TRUE(happened("messagebox 壁紙を設定できませんでした"));
    EXPECT_EQ(signature(folder / "wall.bmp"), "bmp");
    expectNextPuzzle();
}

TEST_F(Completion, CancellingWritesNothingAndLeavesTheWallpaper)
{
    headless::scriptDialog(pictureChoiceDialogId, {1008, ok});
    headless::scriptDialog(panelDialogId, {ok});
    headless::scriptFileChoice(std::nullopt);
    runCompletionFlow();
    EXPECT_TRUE(happened("save dialog 完成画像を保存する"));
    for (const std::string& event : headless::events()) {
        EXPECT_NE(event.rfind("wallpaper", 0), 0u) << event;
        EXPECT_NE(event.rfind("messagebox", 0), 0u) << event;
    }
    EXPECT_TRUE(fs::is_empty(folder));
    expectNextPuzzle();
}

TEST_F(Completion, UnwritableTargetsAreToldAndSetNoWallpaper)
{
    fs::create_directories(folder / "taken.bmp");
    for (const fs::path& target : {folder / "missing" / "x.bmp", folder / "taken.bmp"}) {
        SCOPED_TRACE(target.string());
        headless::clearEvents();
        setPuzzleNumber(2);
        buildPuzzle();
        headless::scriptDialog(pictureChoiceDialogId, {1008, ok});
        headless::scriptDialog(panelDialogId, {ok});
        headless::scriptFileChoice(target.string());
        runCompletionFlow();
        EXPECT_TRUE(happened("messagebox 出力ファイルが開けません"));
        EXPECT_FALSE(happened("wallpaper " + target.string()));
        expectNextPuzzle();
    }
    // No temporary file is left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(Completion, TheSeriesWrapsAfterTheSeventhPuzzle)
{
    setPuzzleNumber(7);
    buildPuzzle();
    const std::string seventh = cp932ToUtf8(messageLine2());

    headless::scriptDialog(pictureChoiceDialogId, {1009, ok});
    runCompletionFlow();
    EXPECT_EQ(getPuzzleNumber(), 8);
    EXPECT_EQ(getColumns(), 4);
    EXPECT_NE(cp932ToUtf8(messageLine2()), seventh);

    headless::scriptDialog(pictureChoiceDialogId, {1009, ok});
    runCompletionFlow();
    EXPECT_EQ(getPuzzleNumber(), 2);
    EXPECT_EQ(getColumns(), 3);
    EXPECT_NE(cp932ToUtf8(messageLine2()).find("柑橘の輪切り"), std::string::npos);
    // A whole new puzzle: every image made afresh, every piece on its own.
    ASSERT_NE(getPictureDib(), nullptr);
    ASSERT_NE(getPieceMask(), nullptr);
    for (int k = 0; k < getPieceCount(); ++k)
        EXPECT_EQ(groupCells(k)[k % 3][k / 3], 1);
    for (const std::string& event : headless::events())
        EXPECT_EQ(event.rfind("messagebox", 0), std::string::npos) << event;
}

}  // namespace
