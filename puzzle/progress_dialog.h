// The progress dialog (127) that shows how far the cutting of a puzzle has come.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int progressDialogId = 127;
constexpr int progressBarId = 1003;

// Handles every message and does nothing: the dialog has no buttons and goes only when the
// build destroys it.
std::intptr_t progressDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam);
