// In-memory DLGTEMPLATEEX blocks built from the program's dialog templates.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/templates.h"

// Window and control styles as Windows defines them (kept here so tests can check them).
struct ControlStyle {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::uint16_t classOrdinal = 0;      // 0x80 button, 0x81 edit, 0x82 static; 0: by name
    const wchar_t* className = nullptr;  // when there is no ordinal
};

// The style of the dialog window itself.
std::uint32_t dialogStyle(const DialogTemplate& dialog);

// The class and styles of one control; `first` says it is the dialog's first control.
ControlStyle controlStyle(const ControlTemplate& control, bool first);

// The DLGTEMPLATEEX block (header, font, items, each item DWORD-aligned) for
// DialogBoxIndirectParam and CreateDialogIndirectParam. Controls of kind `picture` have no
// window: the procedure paints that part of the dialog.
std::vector<std::uint16_t> buildDialogTemplate(const DialogTemplate& dialog);
