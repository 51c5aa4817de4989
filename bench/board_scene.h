// The benchmarks' board scene (bench/board_scene_setup.h) with the benchmark framework's timed loop.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/board_scene_setup.h"

// Runs the benchmark loop over `work` and answers its seconds per iteration.
template <typename Work>
double secondsPerIteration(benchmark::State& state, Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        work();
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return elapsed / static_cast<double>(state.iterations());
}
