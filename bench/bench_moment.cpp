// SPDX-License-Identifier: GPL-3.0-or-later
// The moment of birth: the first reading of a zone, when Qt opens and reads
// its tzdata file, timed once; then every later moment in the same zones,
// each well under a millisecond: a plain winter afternoon, a summer one in
// 2050 (past the file's last written change, from its rule), a birth in
// 1850 before standard time, a clock time the clocks skipped, one answered
// by daylight saving, half-hour daylight saving on Lord Howe Island; and the
// zone's text read, and the list of zones searched.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "birth/moment.h"
#include "birth/zone.h"

namespace {

using birth::BirthClock;
using birth::Zone;

BirthClock clockIn(const char* zone, QDate date, QTime time, double longitude) {
    return {date, time, Zone::iana(zone), longitude};
}

void reportFirstOpening(const char* zone) {
    const BirthClock clock = clockIn(zone, QDate(1990, 12, 10), QTime(14, 30), 13.4);
    const auto start = std::chrono::steady_clock::now();
    const birth::MomentResult result = birth::momentOf(clock);
    const auto spent = std::chrono::steady_clock::now() - start;
    std::printf("first moment in %s (its tzdata file opened): %.3f ms%s\n", zone,
                std::chrono::duration<double, std::milli>(spent).count(),
                result.moment ? "" : " (no moment!)");
    std::fflush(stdout);
}

void moment(benchmark::State& state, BirthClock clock, birth::Resolution resolution) {
    // The zone's file is opened before the clock starts.
    birth::momentOf(clock, resolution);
    for (auto _ : state) {
        const birth::MomentResult result = birth::momentOf(clock, resolution);
        if (!result.moment && !result.question) {
            state.SkipWithError("neither a moment nor a question");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK_CAPTURE(moment, winter_afternoon,
                  clockIn("Europe/Berlin", QDate(1990, 12, 10), QTime(14, 30), 13.4),
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, summer_2050,
                  clockIn("America/New_York", QDate(2050, 7, 1), QTime(12, 0), -74.0),
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, before_standard_time,
                  clockIn("Europe/Berlin", QDate(1850, 6, 1), QTime(12, 0), 11.575),
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, skipped_asked,
                  clockIn("Europe/Berlin", QDate(2021, 3, 28), QTime(2, 30), 13.4),
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, repeated_answered,
                  clockIn("Europe/Berlin", QDate(2021, 10, 31), QTime(2, 30), 13.4),
                  birth::Resolution{std::nullopt, true})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, lord_howe,
                  clockIn("Australia/Lord_Howe", QDate(1985, 3, 3), QTime(1, 45), 159.08),
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(moment, local_mean_time,
                  BirthClock{QDate(1990, 12, 10), QTime(14, 30), Zone::localMeanTime(), 13.4},
                  birth::Resolution{})
    ->Unit(benchmark::kMicrosecond);

void zoneRead(benchmark::State& state, const char* text) {
    const QString typed = QString::fromLatin1(text);
    birth::parseZone(typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(birth::parseZone(typed));
}

BENCHMARK_CAPTURE(zoneRead, iana, "Europe/Berlin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(zoneRead, capitals_forgiven, "europe/berlin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(zoneRead, fixed_offset, "UTC+05:30")->Unit(benchmark::kMicrosecond);

void zoneSearch(benchmark::State& state) {
    const QStringList& ids = birth::zoneIds();
    for (auto _ : state)
        benchmark::DoNotOptimize(birth::zoneIdsMatching(ids, u"new york"));
}

BENCHMARK(zoneSearch)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    reportFirstOpening("Europe/Berlin");
    reportFirstOpening("Asia/Kolkata");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
