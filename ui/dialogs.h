// The small dialogs: About (119), attached message (120) and congratulation (131).
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int aboutDialogId = 119;
constexpr int attachedMessageDialogId = 120;
constexpr int congratulationDialogId = 131;

std::intptr_t aboutDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam);
std::intptr_t attachedMessageDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                        std::intptr_t lParam);
std::intptr_t congratulationDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam);

// Modal showings with the main window as owner.
void showAboutDialog();
void showAttachedMessageDialog();
void showCongratulationDialog();
