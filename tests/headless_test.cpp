// Tests of the headless back end: queue order, window life, scripted dialogs, progress bars,
// resources and the records tests read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/headless/headless.h"
#include "platform/input.h"
#include "platform/messages.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

using Events = std::vector<std::string>;

struct Received {
    Window* window;
    unsigned message;
    std::uintptr_t wParam;
};
std::vector<Received> received;

std::intptr_t recordingProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam)
{
    received.push_back({window, message, wParam});
    return defWindowProc(window, message, wParam, lParam);
}

// A dialog procedure that ends on OK (1000) or on 1018 and ignores everything else, Escape
// included, as the About box does.
std::intptr_t aboutProc(Window* dialog, unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message != WM_COMMAND)
        return 0;
    received.push_back({dialog, message, wParam});
    if ((wParam & 0xFFFF) == 1000 || (wParam & 0xFFFF) == 1018)
        endDialog(dialog, 1000);
    return 1;
}

std::intptr_t ignoringProc(Window*, unsigned, std::uintptr_t, std::intptr_t)
{
    return 1;
}

std::vector<unsigned> messagesOf(Window* window)
{
    std::vector<unsigned> messages;
    for (const Received& entry : received)
        if (entry.window == window)
            messages.push_back(entry.message);
    return messages;
}

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::reset();
        received.clear();
        main = createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, &recordingProc);
        Message message;
        while (peekMessage(message)) {  // the first paint of the new window
        }
        received.clear();
    }
    Window* main = nullptr;
};

TEST_F(HeadlessTest, PostedMessagesComeFirstThenQuitOnceThenOnePaintPerWindow)
{
    invalidateWindow(main, true);
    postMessage(main, WM_COMMAND, 1, 0);
    postQuitMessage(3);
    invalidateWindow(main, false);
    postMessage(main, WM_COMMAND, 2, 0);  // posted after the quit, still taken before it

    std::vector<std::pair<unsigned, std::uintptr_t>> taken;
    Message message;
    while (peekMessage(message))
        taken.emplace_back(message.message, message.wParam);
    const std::vector<std::pair<unsigned, std::uintptr_t>> expected{
        {WM_COMMAND, 1}, {WM_COMMAND, 2}, {WM_QUIT, 3}, {WM_PAINT, 0}};
    EXPECT_EQ(taken, expected);
    EXPECT_FALSE(headless::paintPending(main));
}

TEST_F(HeadlessTest, PumpDispatchesUntilQuitAndLeavesItPending)
{
    postMessage(main, WM_COMMAND, 7, 0);
    invalidateWindow(main, true);
    EXPECT_TRUE(headless::pumpMessages());
    EXPECT_EQ(messagesOf(main), (std::vector<unsigned>{WM_COMMAND, WM_PAINT}));

    postMessage(main, WM_COMMAND, 8, 0);
    postQuitMessage(0);
    invalidateWindow(main, true);
    EXPECT_FALSE(headless::pumpMessages());
    EXPECT_FALSE(headless::pumpMessages());
    EXPECT_TRUE(headless::paintPending(main));  // the paint stays behind the quit
    Message message;
    ASSERT_TRUE(peekMessage(message));
    EXPECT_EQ(message.message, WM_QUIT);
}

TEST_F(HeadlessTest, UpdateWindowPaintsAtOnceAndOnlyWhenInvalid)
{
    updateWindow(main);
    EXPECT_TRUE(received.empty());
    invalidateWindow(main, true);
    updateWindow(main);
    EXPECT_EQ(messagesOf(main), std::vector<unsigned>{WM_PAINT});
    Message message;
    EXPECT_FALSE(peekMessage(message));
}

TEST_F(HeadlessTest, DestroyTellsTheWindowFirstThenDropsItsMessages)
{
    static bool rectDuringDestroy = false;
    auto proc = [](Window* window, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam) -> std::intptr_t {
        if (message == WM_DESTROY)
            rectDuringDestroy = getWindowRect(window).right == 1000;
        return recordingProc(window, message, wParam, lParam);
    };
    Window* window = createMainWindow("second", 0, 0, 1000, 700, 113, 118, proc);
    Window* progress = createModelessDialog(127, window, &recordingProc, 0);
    postMessage(window, WM_COMMAND, 1, 0);
    received.clear();
    headless::clearEvents();

    sendMessage(window, WM_CLOSE, 0, 0);  // the default handling destroys the window

    EXPECT_TRUE(rectDuringDestroy);
    EXPECT_EQ(messagesOf(progress), std::vector<unsigned>{WM_DESTROY});  // owned ones first
    EXPECT_EQ(received.back().message, WM_DESTROY);
    EXPECT_EQ(received.back().window, window);
    EXPECT_EQ(headless::events(), Events{"destroy 127"});
    received.clear();
    sendMessage(window, WM_COMMAND, 2, 0);
    destroyWindow(window);
    EXPECT_TRUE(headless::pumpMessages());
    EXPECT_TRUE(received.empty());
}

TEST_F(HeadlessTest, PlacementKeepsOddSizesAndReplacesTheSurfaceOnResize)
{
    fillRect(clientSurface(main), 0, 0, 10, 10, makeColour(255, 255, 255));
    moveWindow(main, 0, 0, 1000, 700, true);
    EXPECT_FALSE(headless::paintPending(main));
    EXPECT_EQ(pixelAt(clientSurface(main), 5, 5), makeColour(255, 255, 255));

    setWindowPos(main, 300, 200, -50, 400);
    const Rect outer = headless::windowRect(main);
    EXPECT_EQ(outer.left, 300);
    EXPECT_EQ(outer.right, 250);
    const Rect client = getClientRect(main);
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_EQ(clientSurface(main).width, 0);
    EXPECT_TRUE(headless::paintPending(main));
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.back().message, WM_MOVE);

    setWindowPos(main, 300, 200, 20, 20);
    EXPECT_EQ(pixelAt(clientSurface(main), 5, 5), makeColour(0, 0, 0));
    const Point screen = clientToScreen(main, {5, 6});
    EXPECT_EQ(screen.x, 305);
    EXPECT_EQ(screen.y, 206);
}

TEST_F(HeadlessTest, ShownScrollBarsTakeTheirThicknessOffTheClientAreaOnly)
{
    constexpr int bar = headless::scrollBarThickness;
    struct Step {
        ScrollBarAxis axis;
        int range, page, position;
        bool shown;
        int clientWidth, clientHeight;
    };
    const Step steps[] = {
        {ScrollBarAxis::vertical, 3000, 700, 120, true, 1000 - bar, 700},
        {ScrollBarAxis::horizontal, 2000, 984, 0, true, 1000 - bar, 700 - bar},
        {ScrollBarAxis::vertical, 684, 684, 0, false, 1000, 700 - bar},  // range == page
        {ScrollBarAxis::horizontal, 0, 1000, 0, false, 1000, 700},
    };
    for (const Step& step : steps) {
        received.clear();
        setScrollBar(main, step.axis, step.range, step.page, step.position);
        const headless::ScrollBarRecord shown = headless::scrollBar(main, step.axis);
        EXPECT_EQ(shown.range, step.range);
        EXPECT_EQ(shown.page, step.page);
        EXPECT_EQ(shown.position, step.position);
        EXPECT_EQ(shown.shown, step.shown);
        const Rect client = getClientRect(main);
        EXPECT_EQ(client.right, step.clientWidth) << step.range;
        EXPECT_EQ(client.bottom, step.clientHeight) << step.range;
        EXPECT_EQ(clientSurface(main).width, step.clientWidth);
        EXPECT_EQ(clientSurface(main).height, step.clientHeight);
        EXPECT_TRUE(headless::paintPending(main));
        EXPECT_TRUE(received.empty()) << "setting a bar sends no scroll message";
        const Rect outer = headless::windowRect(main);
        EXPECT_EQ(outer.right - outer.left, 1000);
        EXPECT_EQ(outer.bottom - outer.top, 700);
        Message message;
        while (peekMessage(message)) {
        }
    }
    // A position that stays the same bar state repaints nothing.
    setScrollBar(main, ScrollBarAxis::vertical, 3000, 700, 0);
    Message message;
    ASSERT_TRUE(peekMessage(message));
    setScrollBar(main, ScrollBarAxis::vertical, 3000, 700, 40);
    EXPECT_FALSE(headless::paintPending(main));

    headless::useScrollBar(main, ScrollBarAxis::horizontal, SB_THUMBTRACK, 1234);
    headless::useScrollBar(main, ScrollBarAxis::vertical, SB_PAGEDOWN, 0);
    ASSERT_TRUE(headless::pumpMessages());
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, WM_HSCROLL);
    EXPECT_EQ(received[0].wParam, (1234u << 16) | SB_THUMBTRACK);
    EXPECT_EQ(received[1].message, WM_VSCROLL);
    EXPECT_EQ(received[1].wParam, static_cast<std::uintptr_t>(SB_PAGEDOWN));
}

TEST_F(HeadlessTest, TimersComeDueOnTheClockAfterPaintsOnceHoweverLateAndStopWhenKilled)
{
    headless::setTickCount(0xFFFFFFF0u);  // the next times wrap past zero
    setTimer(main, 7, 50);
    setTimer(main, 8, 3);  // raised to the shortest interval, 10
    EXPECT_EQ(headless::timerInterval(main, 8), 10);
    auto taken = [] {
        std::vector<std::pair<unsigned, std::uintptr_t>> messages;
        Message message;
        while (peekMessage(message))
            messages.emplace_back(message.message, message.wParam);
        return messages;
    };
    using Taken = std::vector<std::pair<unsigned, std::uintptr_t>>;
    EXPECT_EQ(taken(), Taken{});
    headless::setTickCount(0xFFFFFFF0u + 10);
    EXPECT_EQ(taken(), (Taken{{WM_TIMER, 8}}));

    // Many intervals missed: one message each, after the paint.
    headless::setTickCount(500);
    invalidateWindow(main, false);
    EXPECT_EQ(taken(), (Taken{{WM_PAINT, 0}, {WM_TIMER, 7}, {WM_TIMER, 8}}));
    // Setting an id again starts its interval afresh.
    setTimer(main, 7, 100);
    headless::setTickCount(510);
    EXPECT_EQ(taken(), (Taken{{WM_TIMER, 8}}));

    killTimer(main, 8);
    EXPECT_EQ(headless::timerInterval(main, 8), std::nullopt);
    headless::setTickCount(600);
    EXPECT_EQ(taken(), (Taken{{WM_TIMER, 7}}));
    destroyWindow(main);
    EXPECT_EQ(headless::timerInterval(main, 7), std::nullopt);
}

TEST_F(HeadlessTest, MenuChecksStartFromTheTemplate)
{
    EXPECT_TRUE(headless::menuItemChecked(40012));
    EXPECT_FALSE(headless::menuItemChecked(40015));
    checkMenuItem(main, 40012, false);
    checkMenuItem(main, 40015, true);
    checkMenuItem(main, 40099, true);
    EXPECT_FALSE(headless::menuItemChecked(40012));
    EXPECT_TRUE(headless::menuItemChecked(40015));
    EXPECT_FALSE(headless::menuItemChecked(40099));
}

TEST_F(HeadlessTest, EscapeIsIgnoredByTheProcedureAndEnterEndsTheDialog)
{
    headless::scriptDialog(119, {2, 2});
    EXPECT_EQ(runModalDialog(119, main, &aboutProc, 0), 1000);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].wParam, 2u);
    EXPECT_EQ(received[1].wParam, 2u);
    EXPECT_EQ(received[2].wParam, 1000u);  // the first default button, not 1018
    EXPECT_EQ(headless::events(), (Events{"dialog 119", "dialog 119 end 1000"}));
    EXPECT_EQ(headless::focusedWindow(), main);
}

TEST_F(HeadlessTest, ScriptAnswersLeftOverWaitForTheNextShowing)
{
    headless::scriptDialog(119, {1018, 2});
    runModalDialog(119, main, &aboutProc, 0);
    runModalDialog(119, main, &aboutProc, 0);
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].wParam, 1018u);
    EXPECT_EQ(received[1].wParam, 2u);
    EXPECT_EQ(received[2].wParam, 1000u);
}

TEST_F(HeadlessTest, ADialogThatNeverEndsGivesUpWithMinusOne)
{
    headless::scriptDialog(131, {2});
    EXPECT_EQ(runModalDialog(131, main, &ignoringProc, 0), -1);
    EXPECT_EQ(runModalDialog(127, main, &ignoringProc, 0), -1);  // no default button at all
    EXPECT_EQ(headless::events(),
              (Events{"dialog 131", "dialog 131 stuck", "dialog 131 end -1", "dialog 127",
                      "dialog 127 stuck", "dialog 127 end -1"}));
    EXPECT_EQ(runModalDialog(9999, main, &ignoringProc, 0), -1);  // no such template
}

TEST_F(HeadlessTest, DialogEndedWhileOpeningHearsNoCommands)
{
    auto proc = [](Window* dialog, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam) -> std::intptr_t {
        if (message == WM_INITDIALOG) {
            setDlgItemText(dialog, 1002, "line\r\nline");
            endDialog(dialog, lParam);
        }
        return recordingProc(dialog, message, wParam, lParam);
    };
    EXPECT_EQ(runModalDialog(120, main, proc, 42), 42);
    for (const Received& entry : received)
        EXPECT_NE(entry.message, WM_COMMAND);
    EXPECT_EQ(headless::dialogItemText(120, 1002), "line\r\nline");  // kept after the dialog
    EXPECT_EQ(headless::dialogItemText(119, 1018), "CLICK  TO JUMP");
}

TEST_F(HeadlessTest, ProgressBarStepsAndWrapsPastTheHighEnd)
{
    Window* progress = createModelessDialog(127, main, &ignoringProc, 0);
    EXPECT_EQ(headless::focusedWindow(), progress);
    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_STEPIT, 0, 0), 0);
    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_GETPOS, 0, 0), 10);  // default step 10

    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_SETRANGE, 0, makeRangeParam(0, 10)),
              makeRangeParam(0, 100));
    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_SETSTEP, 3, 0), 10);
    sendDlgItemMessage(progress, 1003, PBM_SETPOS, 0, 0);
    std::vector<int> positions;
    for (int i = 0; i < 4; ++i) {
        sendDlgItemMessage(progress, 1003, PBM_STEPIT, 0, 0);
        positions.push_back(headless::progressPosition(127));
    }
    EXPECT_EQ(positions, (std::vector<int>{3, 6, 9, 2}));
    EXPECT_EQ(sendDlgItemMessage(progress, 1003, PBM_SETPOS, 50, 0), 2);
    EXPECT_EQ(headless::progressPosition(127), 10);  // clamped to the range
    EXPECT_EQ(sendDlgItemMessage(progress, 1099, PBM_GETPOS, 0, 0), 0);  // no such control

    destroyWindow(progress);
    EXPECT_EQ(headless::progressPosition(127), 10);
    EXPECT_EQ(headless::focusedWindow(), main);
    const Events& events = headless::events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "progress 127 step"), 5);
    EXPECT_EQ(events.front(), "modeless 127");
    EXPECT_EQ(events.back(), "destroy 127");

    createModelessDialog(127, main, &ignoringProc, 0);  // a new bar starts afresh
    EXPECT_EQ(headless::progressPosition(127), 0);
}

namespace {

// What a puzzle list's procedure heard: the control, the code and the grid's selection then.
struct Heard {
    int id;
    unsigned code;
    int selection;
    bool operator==(const Heard&) const = default;
};
std::vector<Heard> heard;
const std::vector<std::string> threeCaptions{"柑橘\n12 ピース", "港", "森\n48 ピース"};

void fillGrid(Window* dialog, std::size_t count)
{
    std::vector<ThumbnailGridItem> items(count);
    for (std::size_t i = 0; i < count; ++i)
        items[i].caption = threeCaptions[i];
    setThumbnailGridItems(dialog, 1401, items);
}

// Fills the grid and selects the second item; Delete asks and, on Yes, takes the last item
// away; an activated item, OK or Cancel end the dialog.
std::intptr_t puzzleListProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                             std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        fillGrid(dialog, 3);
        selectThumbnailGridItem(dialog, 1401, 1);
        return 1;
    }
    if (message != WM_COMMAND)
        return 0;
    const int id = static_cast<int>(wParam & 0xFFFF);
    const auto code = static_cast<unsigned>(wParam >> 16);
    heard.push_back({id, code, thumbnailGridSelection(dialog, 1401)});
    if (id == 1401 && code == TGN_DELETE && askYesNo(dialog, "削除", "消しますか?"))
        fillGrid(dialog, 2);
    if ((id == 1401 && code == TGN_ACTIVATE) || id == 1 || id == 2)
        endDialog(dialog, id);
    return 1;
}

}  // namespace

TEST_F(HeadlessTest, ThumbnailGridAnswersReachTheProcedureAndTheGridIsKept)
{
    using headless::activateGridItem;
    using headless::pressDeleteInGrid;
    using headless::selectGridItem;
    const struct {
        std::vector<int> script;
        std::vector<bool> answers;
        std::vector<Heard> heard;
        std::size_t captionsLeft;
        int selectedLeft;
    } cases[] = {
        // Selecting the selected item changes nothing; a double click selects, then activates.
        {{selectGridItem(1401, 1), selectGridItem(1401, 2), activateGridItem(1401, 0)},
         {},
         {{1401, TGN_SELCHANGE, 2}, {1401, TGN_SELCHANGE, 0}, {1401, TGN_ACTIVATE, 0}},
         3, 0},
        {{activateGridItem(1401, 1)}, {}, {{1401, TGN_ACTIVATE, 1}}, 3, 1},
        // A click beside the items selects nothing, and a double click there activates none.
        {{selectGridItem(1401, 3), activateGridItem(1401, 4095), 2},
         {},
         {{1401, TGN_SELCHANGE, -1}, {2, 0, -1}},
         3, -1},
        // Delete asks: Yes refills the grid with nothing selected, No (and no answer) keeps it.
        {{pressDeleteInGrid(1401), pressDeleteInGrid(1401), 2},
         {false},
         {{1401, TGN_DELETE, 1}, {1401, TGN_DELETE, 1}, {2, 0, 1}},
         3, 1},
        {{pressDeleteInGrid(1401), 1}, {true}, {{1401, TGN_DELETE, 1}, {1, 0, -1}}, 2, -1},
    };
    for (const auto& c : cases) {
        heard.clear();
        headless::clearEvents();
        headless::scriptYesNo(c.answers);
        headless::scriptDialog(142, c.script);
        const std::intptr_t result = runModalDialog(142, main, &puzzleListProc, 0);
        const std::string what = "case " + std::to_string(&c - cases);
        EXPECT_EQ(result, c.heard.back().id) << what;
        EXPECT_EQ(heard, c.heard) << what;
        std::vector<std::string> captions = threeCaptions;
        captions.resize(c.captionsLeft);
        EXPECT_EQ(headless::thumbnailGridCaptions(142, 1401), captions) << what;
        EXPECT_EQ(headless::thumbnailGridSelected(142, 1401), c.selectedLeft) << what;
        const Events& events = headless::events();
        EXPECT_EQ(std::count(events.begin(), events.end(), "question 消しますか?"),
                  std::count(c.script.begin(), c.script.end(), pressDeleteInGrid(1401)))
            << what;
    }
}

TEST_F(HeadlessTest, ResourcesCanBeReplacedHiddenAndRestored)
{
    headless::overrideResource("WAVE", 999, {1, 2, 3});
    EXPECT_EQ(findResource("WAVE", 999).size(), 3u);
    EXPECT_EQ(findResource("WAVE", 999)[2], 3);
    EXPECT_TRUE(findResource("BITMAP", 999).empty());
    headless::hideResource("WAVE", 999);
    EXPECT_TRUE(findResource("WAVE", 999).empty());
    headless::overrideResource("WAVE", 999, {4});
    EXPECT_EQ(findResource("WAVE", 999).size(), 1u);
    headless::reset();
    EXPECT_TRUE(findResource("WAVE", 999).empty());

    const std::size_t bundled = findResource("JZT", 164).size();
    ASSERT_GT(bundled, 0u);
    headless::hideResource("JZT", 164);
    EXPECT_TRUE(findResource("JZT", 164).empty());
    headless::reset();
    EXPECT_EQ(findResource("JZT", 164).size(), bundled);
}

TEST_F(HeadlessTest, RecordsWhatThePlayerWouldNotice)
{
    LayeredWindowFunction layered = lookupLayeredWindowFunction();
    ASSERT_NE(layered, nullptr);
    layered(main, makeColour(0, 128, 128), 0, LWA_COLORKEY);
    const Rect area{10, 20, 300, 400};
    confineCursor(&area);
    confineCursor(nullptr);
    setCursorResource(125);
    playSoundResource(115);
    Colour colour = makeColour(1, 2, 3);
    Colour custom[16] = {};
    EXPECT_FALSE(chooseColour(main, colour, custom));
    headless::scriptColourChoice(makeColour(9, 8, 7));
    EXPECT_TRUE(chooseColour(main, colour, custom));
    EXPECT_EQ(colour, makeColour(9, 8, 7));
    messageBox(main, "ファイルが開けません");
    openUrl("https://example.org/");
    EXPECT_EQ(headless::events(),
              (Events{"layered 808000 0 1", "confine 10,20,300,400", "confine none",
                      "cursor 125", "sound 115", "colour dialog", "colour dialog",
                      "messagebox ファイルが開けません", "url https://example.org/"}));
    EXPECT_EQ(headless::currentCursor(), 125);
    defWindowProc(main, WM_SETCURSOR, 0, 0);
    EXPECT_EQ(headless::currentCursor(), 0);
    headless::setLayeredWindowsAvailable(false);
    EXPECT_EQ(lookupLayeredWindowFunction(), nullptr);
}

TEST_F(HeadlessTest, ClockKeysAndPathAreSettableAndResetForgetsEverything)
{
    EXPECT_EQ(tickCount(), 0u);
    EXPECT_EQ(timeOfDaySeconds(), 1700000000);
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(modulePath()).parent_path()));
    headless::setTickCount(5000);
    headless::setModulePath("/tmp/x/velmora");
    headless::setKeyDown(VK_ESCAPE, true);
    std::uint8_t keys[256];
    getKeyboardState(keys);
    EXPECT_EQ(keys[VK_ESCAPE], 0x80);
    EXPECT_EQ(keys[int{'A'}], 0);
    EXPECT_EQ(tickCount(), 5000u);
    EXPECT_EQ(modulePath(), "/tmp/x/velmora");

    headless::scriptDialog(119, {1018});
    postMessage(main, WM_COMMAND, 1, 0);
    postQuitMessage(0);
    headless::reset();
    getKeyboardState(keys);
    EXPECT_EQ(keys[VK_ESCAPE], 0);
    EXPECT_EQ(tickCount(), 0u);
    EXPECT_NE(modulePath(), "/tmp/x/velmora");
    EXPECT_TRUE(headless::events().empty());
    Message message;
    EXPECT_FALSE(peekMessage(message));
    EXPECT_FALSE(headless::menuItemChecked(40012));
    Window* window = createMainWindow("again", 0, 0, 10, 10, 113, 118, &recordingProc);
    received.clear();
    runModalDialog(119, window, &aboutProc, 0);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].wParam, 1000u);  // the old script is gone
}

}  // namespace
