// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one reading (key, search, lore, assembly) and of the sweep over
// every typed latitude of both eras with minutes 0 to 60.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "stars/engine.h"

namespace {

// One request, with and without lore: 40 30 gives MIRFAK, 77 33 Regulus.
void OneReading(benchmark::State& state, const char* degrees, const char* minutes) {
    stars::ReadingEngine engine;
    for (auto _ : state) {
        auto outcome = engine.RequestReading(degrees, minutes, 1999);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK_CAPTURE(OneReading, WithoutLore, "40", "30");
BENCHMARK_CAPTURE(OneReading, WithLore, "77", "33");

void FullSweep(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back(std::to_string(i));
    stars::ReadingEngine engine;
    for (auto _ : state) {
        for (const int year : {1999, 2000})
            for (int degrees = 0; degrees < 1000; ++degrees)
                for (int minutes = 0; minutes <= 60; ++minutes) {
                    auto outcome = engine.RequestReading(texts[degrees], texts[minutes], year);
                    benchmark::DoNotOptimize(outcome);
                }
    }
    state.SetItemsProcessed(state.iterations() * 2 * 1000 * 61);
}
BENCHMARK(FullSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
