// Menu and dialog templates: the program's menus and dialogs as data, built into real
// widgets by each back end.
#pragma once

#include <cstddef>
#include <span>

#include "platform/types.h"

// One menu entry: a popup (with children), a command item, or a separator.
struct MenuTemplate {
    const char* text = nullptr;  // UTF-8, '&' marks the mnemonic; null for a separator
    int commandId = 0;           // 0 for popups and separators
    bool checked = false;
    std::span<const MenuTemplate> children;
};

enum class ControlKind {
    pushButton,
    defaultPushButton,
    staticText,      // left-aligned label, centred vertically, no word wrap
    icon,            // the icon resource named by `resourceId`
    picture,         // an owner-drawn area the procedure paints
    readOnlyEdit,    // multi-line, read-only, selectable text
    progressBar,
    radioButton,
    autoRadioButton,
    checkBox,
    groupBox,
    edit,            // one line of text the player types
    comboBox,        // a drop-down list the procedure fills
    thumbnailGrid,   // a scrollable grid of pictures with captions; one item selected at a time
};

// How a control follows a dialog the player resizes: it keeps its distance to the top-left
// corner, keeps its distance to the bottom-right corner, or stretches with the dialog.
enum class ControlAnchor { topLeft, bottomRight, stretch };

// One control; rectangles are in dialog units.
struct ControlTemplate {
    int id = -1;  // -1 for controls the program never addresses
    ControlKind kind = ControlKind::staticText;
    const char* text = "";  // UTF-8
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int resourceId = 0;     // icon resource for ControlKind::icon
    bool groupStart = false;  // starts a new control group (radio buttons group up to the next)
    bool pushLike = false;    // a radio button drawn as a push button (BS_PUSHLIKE)
    ControlAnchor anchor = ControlAnchor::topLeft;
};

// Where a control placed at `placed` by the template goes when the dialog's client area is
// `grownWidth` x `grownHeight` larger than the template's.
constexpr Rect anchoredRect(const Rect& placed, ControlAnchor anchor, int grownWidth,
                            int grownHeight)
{
    switch (anchor) {
    case ControlAnchor::bottomRight:
        return Rect{placed.left + grownWidth, placed.top + grownHeight,
                    placed.right + grownWidth, placed.bottom + grownHeight};
    case ControlAnchor::stretch:
        return Rect{placed.left, placed.top, placed.right + grownWidth,
                    placed.bottom + grownHeight};
    default:
        return placed;
    }
}

struct DialogTemplate {
    int id = 0;
    const char* caption = "";  // UTF-8
    int width = 0;             // dialog units
    int height = 0;
    const char* fontName = "";  // UTF-8 face name of the template
    int pointSize = 9;
    bool systemModal = false;   // kept above every other window
    bool visible = false;       // shown as soon as it is created
    bool centred = true;
    bool hasCaption = true;
    std::span<const ControlTemplate> controls;
    bool systemMenu = true;   // the caption carries the close box
    bool modalFrame = false;  // a fixed frame: only the program sizes the dialog; without it
                              // the player resizes it, never below the template's size
};

// Menu resource by number (113); null when absent. The top level is a list of popups.
const MenuTemplate* findMenuTemplate(int menuId, std::size_t* count);

// Dialog resource by number; null when absent.
const DialogTemplate* findDialogTemplate(int dialogId);
