// The benchmarks' board scene and their timing of a baseline, without the benchmark framework,
// so that a standalone program (the drag measurement built for Windows) shares them.
#pragma once

#include <chrono>
#include <cstdint>

// Resets the headless back end, makes the drawing surfaces and the main window, builds the
// first embedded puzzle (12 pieces of 200 x 200) and paints it once.
void setUpBenchmarkBoard();

// Joins every piece into one group laid out around piece 0 at (x, y).
void joinWholePuzzle(int x, int y);

// Seconds per call of `work`, measured over enough calls to last about 0.2 s.
template <typename Work>
double secondsPerCall(Work&& work)
{
    using Clock = std::chrono::steady_clock;
    std::int64_t calls = 1;
    for (;;) {
        const auto start = Clock::now();
        for (std::int64_t i = 0; i < calls; ++i)
            work();
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        if (elapsed > 0.2)
            return elapsed / static_cast<double>(calls);
        calls *= 2;
    }
}
