// The preview window: the whole picture at a third of its size, kept where the player puts it.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int previewDialogId = 117;

// The preview's dialog procedure: placed from the settings when shown, its rectangle written
// to the settings on every move and on destruction, closed by its close box, and painted with
// the picture scaled to a third by halftone stretching.
std::intptr_t previewDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                std::intptr_t lParam);

// Command 40005: opens the preview (owned by the main window) when it is closed, closes it
// when it is open.
void switchPreviewWindow();
