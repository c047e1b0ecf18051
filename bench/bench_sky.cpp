// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the whole sky of a birth: every catalogue star's apparent place and
// its conjunctions with the nine bodies and the four angles, the day's
// risings, culminations and settings of every star and body and their
// parans; and, apart, its parts and the chosen star's phase for the year.

#include <benchmark/benchmark.h>

#include <vector>

#include "sky/contacts.h"
#include "sky/horizon.h"
#include "sky/phases.h"
#include "sky/positions.h"
#include "sky/time_scale.h"

namespace {

// 1990 December 10, 14:30 CET in Berlin.
const sky::Place kBerlin{52.52, 13.40};
const double kBirthUt = sky::julianDayOf(1990, 12, 10) + 13.5 / 24.0;
const double kDayStartUt = sky::julianDayOf(1990, 12, 10) - 1.0 / 24.0;

void WholeSky(benchmark::State& state) {
    for (auto _ : state) {
        const sky::SkyAt at(sky::momentAt(kBirthUt));
        const std::vector<sky::Apparent> places = sky::starPlaces(at);
        const std::vector<sky::ChartPoint> points = sky::chartPoints(at, kBerlin);
        const std::vector<sky::Conjunction> conjunctions = sky::conjunctions(places, points);
        const sky::SkyDay day(kDayStartUt, kBerlin);
        const std::vector<sky::Paran> parans = sky::parans(day);
        benchmark::DoNotOptimize(conjunctions.data());
        benchmark::DoNotOptimize(parans.data());
    }
}
BENCHMARK(WholeSky)->Unit(benchmark::kMillisecond);

void StarPlacesOfAMoment(benchmark::State& state) {
    for (auto _ : state) {
        const sky::SkyAt at(sky::momentAt(kBirthUt));
        benchmark::DoNotOptimize(sky::starPlaces(at).data());
    }
}
BENCHMARK(StarPlacesOfAMoment)->Unit(benchmark::kMillisecond);

void ParansOfADay(benchmark::State& state) {
    for (auto _ : state) {
        const sky::SkyDay day(kDayStartUt, kBerlin);
        benchmark::DoNotOptimize(sky::parans(day).data());
    }
}
BENCHMARK(ParansOfADay)->Unit(benchmark::kMillisecond);

void ChosenStarPhase(benchmark::State& state) {
    const sky::Star* regulus = sky::findStar("Regulus");
    for (auto _ : state) {
        const sky::StarPhase phase = sky::starPhase(*regulus, 1990, kBerlin);
        benchmark::DoNotOptimize(phase.heliacalRisingJdUt);
    }
}
BENCHMARK(ChosenStarPhase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
