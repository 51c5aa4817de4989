// The small dialogs: About (119), attached message (120), congratulation (131) and the
// progress dialog (127) shown while a puzzle is cut.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int aboutDialogId = 119;
constexpr int attachedMessageDialogId = 120;
constexpr int progressDialogId = 127;
constexpr int congratulationDialogId = 131;
constexpr int progressBarId = 1003;

std::intptr_t aboutDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam);
std::intptr_t attachedMessageDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam);
std::intptr_t congratulationDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam);
std::intptr_t progressDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                 std::intptr_t lParam);

// Modal showings with the main window as owner.
void showAboutDialog();
void showAttachedMessageDialog();
void showCongratulationDialog();
