// Progress bar messages: range, step and position kept as the common control keeps them.
#include "platform/progress_bar.h"

#include <algorithm>

#include "platform/dialogs.h"

namespace {

int clampToRange(const ProgressBarState& state, int position)
{
    return std::clamp(position, std::min(state.low, state.high), std::max(state.low, state.high));
}

}  // namespace

std::intptr_t applyProgressMessage(ProgressBarState& state, unsigned message,
                                   std::uintptr_t wParam, std::intptr_t lParam)
{
    const int previousPosition = state.position;
    switch (message) {
    case PBM_SETRANGE: {
        const std::intptr_t previousRange = makeRangeParam(state.low, state.high);
        state.low = static_cast<int>(lParam & 0xFFFF);
        state.high = static_cast<int>((lParam >> 16) & 0xFFFF);
        state.position = clampToRange(state, state.position);
        return previousRange;
    }
    case PBM_SETPOS:
        state.position = clampToRange(state, static_cast<int>(wParam));
        return previousPosition;
    case PBM_SETSTEP: {
        const int previousStep = state.step;
        state.step = static_cast<int>(wParam);
        return previousStep;
    }
    case PBM_STEPIT:
        // Past either end the position wraps around to the other, as the control does.
        if (state.low != state.high) {
            const int span = state.high - state.low;
            state.position += state.step;
            if (state.position > state.high)
                state.position = (state.position - state.low) % span + state.low;
            if (state.position < state.low)
                state.position = (state.position - state.low) % span + state.high;
        }
        return previousPosition;
    case PBM_GETPOS:
        return state.position;
    default:
        return 0;
    }
}

double progressFraction(const ProgressBarState& state)
{
    if (state.high <= state.low)
        return 0.0;
    return static_cast<double>(state.position - state.low) / (state.high - state.low);
}
