// The choices after a finished puzzle: what to do with the picture (dialog 132), gluing and
// the panel (dialog 133).
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int pictureChoiceDialogId = 132;
constexpr int panelDialogId = 133;

// pictureChoice values.
constexpr int savePicture = 0;
constexpr int saveAsWallpaper = 1;
constexpr int leavePicture = 2;

// The player's choice in dialog 132; kept until the dialog opens again.
int getPictureChoice();
void setPictureChoice(int value);

std::intptr_t pictureChoiceDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                                      std::intptr_t lParam);
std::intptr_t panelDialogProc(Window* dialog, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam);

// Modal showings with the main window as owner; each stays until OK (or Enter).
void showPictureChoiceDialog();
void showPanelDialog();
