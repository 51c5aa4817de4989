// In-memory DLGTEMPLATEEX blocks built from the program's dialog templates.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/templates.h"

// The DLGTEMPLATEEX block (header, font, items, each item DWORD-aligned) for
// DialogBoxIndirectParam and CreateDialogIndirectParam. Controls of kind `picture` have no
// window: the procedure paints that part of the dialog.
std::vector<std::uint16_t> buildDialogTemplate(const DialogTemplate& dialog);
