// The main window's message procedure.
#pragma once

#include <cstdint>

#include "platform/types.h"

std::intptr_t mainWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam);
