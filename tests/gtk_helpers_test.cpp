// The GTK back end's display-free parts: icon directories, shape runs, progress bars,
// mnemonics, key codes, the custom colour slots and the file filters.
#include <gdk/gdk.h>
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/gtk/colour_slots.h"
#include "platform/gtk/device_pixels.h"
#include "platform/gtk/file_filter.h"
#include "platform/gtk/icon_directory.h"
#include "platform/gtk/key_codes.h"
#include "platform/gtk/mnemonic_text.h"
#include "platform/progress_bar.h"
#include "platform/gtk/shape_runs.h"
#include "platform/gtk/wheel_delta.h"

namespace {

void putWord(std::vector<std::uint8_t>& bytes, int value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void putLong(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    putWord(bytes, static_cast<int>(value & 0xFFFF));
    putWord(bytes, static_cast<int>(value >> 16));
}

// A directory of `type` whose entries are (size, hotX, hotY, image length, image offset).
std::vector<std::uint8_t> iconFile(int type, const std::vector<std::vector<int>>& entries,
                                   std::size_t totalSize)
{
    std::vector<std::uint8_t> bytes;
    putWord(bytes, 0);
    putWord(bytes, type);
    putWord(bytes, static_cast<int>(entries.size()));
    for (const std::vector<int>& entry : entries) {
        bytes.push_back(static_cast<std::uint8_t>(entry[0]));
        bytes.push_back(static_cast<std::uint8_t>(entry[0]));
        bytes.push_back(0);
        bytes.push_back(0);
        putWord(bytes, entry[1]);
        putWord(bytes, entry[2]);
        putLong(bytes, static_cast<std::uint32_t>(entry[3]));
        putLong(bytes, static_cast<std::uint32_t>(entry[4]));
    }
    bytes.resize(totalSize, 0xAB);
    return bytes;
}

TEST(IconDirectory, CursorEntriesCarryHotSpotsAndImageBytes)
{
    const auto file = iconFile(cursorFileType, {{32, 0, 0, 10, 38}, {0, 5, 7, 4, 48}}, 52);
    const std::vector<IconImage> images = readIconDirectory(file, cursorFileType);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].bytes.data(), file.data() + 38);
    EXPECT_EQ(images[0].bytes.size(), 10u);
    EXPECT_EQ(images[1].width, 256);  // 0 in the directory means 256
    EXPECT_EQ(images[1].hotX, 5);
    EXPECT_EQ(images[1].hotY, 7);
}

TEST(IconDirectory, IconsHaveNoHotSpotAndBadEntriesAreSkipped)
{
    // The second entry reaches past the end of the file.
    const auto file = iconFile(iconFileType, {{16, 1, 32, 4, 38}, {48, 1, 32, 20, 40}}, 50);
    const std::vector<IconImage> images = readIconDirectory(file, iconFileType);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].hotX, 0);
    EXPECT_EQ(images[0].hotY, 0);
    EXPECT_TRUE(readIconDirectory(file, cursorFileType).empty());
    EXPECT_TRUE(readIconDirectory(std::span<const std::uint8_t>(file.data(), 4), iconFileType)
                    .empty());
}

TEST(ShapeRuns, RunsOfNonKeyPixelsInsideTheArea)
{
    Surface surface;
    surface.width = 6;
    surface.height = 2;
    const std::uint32_t key = pixelValueOf(makeColour(0, 128, 128));
    EXPECT_EQ(key, 0x008080u);
    surface.pixels = {key, 1, 2, key, key, 3,  //
                      0xFF000000u | key, key, key, key, key, key};
    std::vector<Rect> runs;
    appendOpaqueRuns(surface, Rect{-5, -5, 50, 50}, key, runs);
    ASSERT_EQ(runs.size(), 2u);  // the top byte of a pixel does not count
    EXPECT_EQ(runs[0].left, 1);
    EXPECT_EQ(runs[0].right, 3);
    EXPECT_EQ(runs[1].left, 5);
    EXPECT_EQ(runs[1].right, 6);
    EXPECT_EQ(runs[1].top, 0);
    EXPECT_EQ(runs[1].bottom, 1);

    runs.clear();
    appendOpaqueRuns(surface, Rect{2, 0, 5, 1}, key, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].left, 2);
    EXPECT_EQ(runs[0].right, 3);
}

TEST(ProgressState, RangeStepAndPositionAnswerTheirPreviousValues)
{
    ProgressBarState bar;
    EXPECT_EQ(applyProgressMessage(bar, PBM_SETRANGE, 0, makeRangeParam(0, 40)),
              makeRangeParam(0, 100));
    EXPECT_EQ(applyProgressMessage(bar, PBM_SETSTEP, 15, 0), 10);
    EXPECT_EQ(applyProgressMessage(bar, PBM_STEPIT, 0, 0), 0);
    EXPECT_EQ(applyProgressMessage(bar, PBM_STEPIT, 0, 0), 15);
    EXPECT_EQ(applyProgressMessage(bar, PBM_GETPOS, 0, 0), 30);
    EXPECT_DOUBLE_EQ(progressFraction(bar), 0.75);
    // Past the end the position wraps around to the beginning.
    applyProgressMessage(bar, PBM_STEPIT, 0, 0);
    EXPECT_EQ(bar.position, 5);
    EXPECT_EQ(applyProgressMessage(bar, PBM_SETPOS, 99, 0), 5);
    EXPECT_EQ(bar.position, 40);
}

TEST(ProgressState, EmptyRangeShowsNothing)
{
    ProgressBarState bar;
    applyProgressMessage(bar, PBM_SETRANGE, 0, makeRangeParam(5, 5));
    EXPECT_DOUBLE_EQ(progressFraction(bar), 0.0);
}

TEST(MnemonicText, AmpersandsBecomeUnderscores)
{
    EXPECT_EQ(toGtkMnemonic("ファイル(&F)"), "ファイル(_F)");
    EXPECT_EQ(toGtkMnemonic("Salt && Pepper"), "Salt & Pepper");
    EXPECT_EQ(toGtkMnemonic("a_b"), "a__b");
    EXPECT_EQ(toGtkMnemonic("end&"), "end");
}

TEST(KeyCodes, VirtualKeysAndShortcuts)
{
    EXPECT_EQ(virtualKeyOf(GDK_KEY_Escape), 0x1B);
    EXPECT_EQ(virtualKeyOf(GDK_KEY_q), 'Q');
    EXPECT_EQ(virtualKeyOf(GDK_KEY_Q), 'Q');
    EXPECT_EQ(virtualKeyOf(GDK_KEY_7), '7');
    EXPECT_EQ(virtualKeyOf(GDK_KEY_F2), 0x71);
    EXPECT_EQ(virtualKeyOf(GDK_KEY_Control_R), 0xA3);
    EXPECT_EQ(virtualKeyOf(GDK_KEY_dead_acute), 0);

    EXPECT_EQ(shortcutCommand(GDK_KEY_F2, false, false, false), 40001);
    EXPECT_EQ(shortcutCommand(GDK_KEY_o, true, false, false), 40006);
    EXPECT_EQ(shortcutCommand(GDK_KEY_S, true, false, false), 40007);
    EXPECT_EQ(shortcutCommand(GDK_KEY_n, true, false, false), 40020);
    EXPECT_EQ(shortcutCommand(GDK_KEY_p, true, false, false), 40005);
    EXPECT_EQ(shortcutCommand(GDK_KEY_m, true, false, false), 40009);
    EXPECT_EQ(shortcutCommand(GDK_KEY_L, true, false, false), 40042);
    EXPECT_EQ(shortcutCommand(GDK_KEY_o, false, false, false), 0);
    EXPECT_EQ(shortcutCommand(GDK_KEY_f, false, false, true), 0);  // Alt+F stays the menu's
    EXPECT_EQ(shortcutCommand(GDK_KEY_F2, true, false, false), 0);
}

TEST(KeyCodes, ViewKeysAndTheirModifiers)
{
    struct Press {
        unsigned keyval;
        bool control, shift, alt;
        int command;
    };
    const Press presses[] = {
        {GDK_KEY_F3, false, false, false, 40034},
        {GDK_KEY_F4, false, false, false, 40035},
        {GDK_KEY_F4, false, false, true, 0},  // Alt+F4 is the window manager's
        {GDK_KEY_F3, true, false, false, 0},
        {GDK_KEY_plus, true, false, false, 40030},
        {GDK_KEY_plus, true, true, false, 40030},  // Ctrl+Shift+= on a US keyboard
        {GDK_KEY_equal, true, false, false, 40030},
        {GDK_KEY_KP_Add, true, false, false, 40030},
        {GDK_KEY_semicolon, true, true, false, 40030},
        {GDK_KEY_semicolon, true, false, false, 0},
        {GDK_KEY_plus, false, false, false, 0},
        {GDK_KEY_minus, true, false, false, 40031},
        {GDK_KEY_KP_Subtract, true, false, false, 40031},
        {GDK_KEY_underscore, true, true, false, 0},
        {GDK_KEY_0, true, false, false, 40032},
        {GDK_KEY_KP_0, true, false, false, 40032},
        {GDK_KEY_KP_Insert, true, false, false, 40032},  // Num Lock off
        {GDK_KEY_Insert, true, false, false, 0},
        {GDK_KEY_0, false, false, false, 0},
        {GDK_KEY_0, true, false, true, 0},
        {GDK_KEY_S, true, true, false, 0},
    };
    for (const Press& press : presses)
        EXPECT_EQ(shortcutCommand(press.keyval, press.control, press.shift, press.alt),
                  press.command)
            << gdk_keyval_name(press.keyval) << " control " << press.control << " shift "
            << press.shift << " alt " << press.alt;
    EXPECT_EQ(virtualKeyOf(GDK_KEY_space), 0x20);
}

TEST(WheelDelta, NotchesBecomeWheelDeltasNeverZeroForAMovement)
{
    const std::pair<double, int> cases[] = {
        {1.0, 120},   {-1.0, -120}, {0.5, 60},       {0.1, 12},          {0.004, 1},
        {-0.001, -1}, {0.0, 0},     {3.0, 360},      {1e9, 32767},       {-1e9, -32768},
    };
    for (const auto& [notches, delta] : cases)
        EXPECT_EQ(wheelDeltaOfNotches(notches), delta) << notches;
    EXPECT_EQ(wheelDeltaOfNotches(std::nan("")), 0);
    EXPECT_EQ(wheelDelta(makeWheelParam(-120, 0x0C)), -120);
    EXPECT_EQ(makeWheelParam(-120, 0x0C) & 0xFFFF, 0x0Cu);
}

TEST(ColourSlots, FirstFreeSlotThenOldest)
{
    Colour custom[16] = {};
    int oldest = 0;
    EXPECT_EQ(keepCustomColour(custom, 0x112233, oldest), 0);
    EXPECT_EQ(keepCustomColour(custom, 0x112233, oldest), -1);  // already kept
    EXPECT_EQ(keepCustomColour(custom, 0x445566, oldest), 1);
    for (Colour colour = 1; colour <= 14; ++colour)
        keepCustomColour(custom, colour, oldest);
    EXPECT_EQ(custom[15], 14u);
    // All sixteen in use: the oldest goes first, then the next oldest.
    EXPECT_EQ(keepCustomColour(custom, 0xABCDEF, oldest), 0);
    EXPECT_EQ(keepCustomColour(custom, 0xFEDCBA, oldest), 1);
    EXPECT_EQ(custom[0], 0xABCDEFu);
}

}  // namespace

TEST(DevicePixels, ConfinementCoversExactlyTheLogicalRectangle)
{
    const Rect logical{30, 40, 830, 475};
    const Rect once = devicePixels(logical, 1);
    EXPECT_EQ(once.left, 30);
    EXPECT_EQ(once.bottom, 475);
    const Rect twice = devicePixels(logical, 2);
    EXPECT_EQ(twice.left, 60);
    EXPECT_EQ(twice.top, 80);
    EXPECT_EQ(twice.right, 1660);
    EXPECT_EQ(twice.bottom, 950);
    // The last device pixel inside is the last logical pixel inside, the first outside too.
    EXPECT_EQ((twice.right - 1) / 2, logical.right - 1);
    EXPECT_EQ(twice.right / 2, logical.right);
    const Rect thrice = devicePixels(Rect{-10, 0, 5, 7}, 3);
    EXPECT_EQ(thrice.left, -30);
    EXPECT_EQ(thrice.bottom, 21);
}

TEST(FileFilters, AllFilesShowsNamesWithAndWithoutADot)
{
    const auto shows = [](const char* pattern, const char* name) {
        GtkFileFilter* filter = g_object_ref_sink(newFileFilter({"", pattern}));
        const GtkFileFilterInfo info{GTK_FILE_FILTER_DISPLAY_NAME, nullptr, nullptr, name, nullptr};
        const bool shown = gtk_file_filter_filter(filter, &info);
        g_object_unref(filter);
        return shown;
    };
    EXPECT_TRUE(shows("*.*", "plain"));
    EXPECT_TRUE(shows("*.*", "my game v1.2"));
    EXPECT_TRUE(shows("*.jps", "game.jps"));
    EXPECT_FALSE(shows("*.jps", "my game v1.2"));
}
