// The state of a "msctls_progress32" progress bar and its messages, apart from any widget.
#pragma once

#include <cstdint>

struct ProgressBarState {
    int low = 0;
    int high = 100;
    int step = 10;
    int position = 0;
};

// Applies PBM_SETRANGE, PBM_SETPOS, PBM_SETSTEP, PBM_STEPIT or PBM_GETPOS and answers as the
// control does (the previous range, position or step; the position for PBM_GETPOS).
std::intptr_t applyProgressMessage(ProgressBarState& state, unsigned message,
                                   std::uintptr_t wParam, std::intptr_t lParam);

// How much of the bar is filled, 0.0 to 1.0.
double progressFraction(const ProgressBarState& state);
