// SPDX-License-Identifier: GPL-3.0-or-later
// The offline atlas: the first load from libgeonames and the resident memory
// it adds, the latency of a keystroke over every prefix of 100 real names
// (median, 95th percentile, worst), the worst two-letter prefix, and the cost
// of a reload, a fold and single suggestions; then the same load, memory and
// keystrokes for an atlas in German, Hindi and Arabic (names in the language,
// found by them and by the English ones).

#include <benchmark/benchmark.h>
#include <geonames.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "atlas/atlas.h"

namespace {

using Clock = std::chrono::steady_clock;

const atlas::Atlas* loaded = nullptr;

// A field of /proc/self/status in KiB (VmRSS, RssAnon, RssFile).
long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

struct Memory {
    long rss = statusKiB("VmRSS");
    long anon = statusKiB("RssAnon");
    long file = statusKiB("RssFile");
};

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// The value below which `share` of the sorted samples lie.
double percentile(const std::vector<double>& sorted, double share) {
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[at];
}

// Every prefix of two characters or more of the names of 100 places: every
// 243rd of the library's order, from the first.
std::vector<std::string> keystrokes(const atlas::Atlas& atlas) {
    std::vector<std::string> typed;
    for (std::size_t n = 0; n < 100; ++n) {
        const std::string name = atlas.place(n * 243).name;
        std::size_t characters = 0;
        for (std::size_t at = 0; at <= name.size(); ++at) {
            const bool boundary =
                at == name.size() || (static_cast<unsigned char>(name[at]) & 0xC0) != 0x80;
            if (!boundary)
                continue;
            if (characters >= 2)
                typed.push_back(name.substr(0, at));
            ++characters;
        }
    }
    return typed;
}

void reportLatency(const atlas::Atlas& atlas) {
    const std::vector<std::string> typed = keystrokes(atlas);
    constexpr int rounds = 5;
    std::vector<double> samples;
    std::size_t found = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const std::string& text : typed) {
            const auto start = Clock::now();
            const std::vector<atlas::Place> places = atlas.suggestions(text);
            samples.push_back(microseconds(Clock::now() - start));
            found += places.size();
        }
    }
    std::sort(samples.begin(), samples.end());
    std::printf(
        "keystrokes: %zu prefixes of 100 names, %d rounds, %zu queries (%.2f suggestions each)\n"
        "  median %.1f us, 95th percentile %.1f us, 99th %.1f us, worst %.1f us\n",
        typed.size(), rounds, samples.size(),
        static_cast<double>(found) / static_cast<double>(samples.size()), percentile(samples, 0.5),
        percentile(samples, 0.95), percentile(samples, 0.99), samples.back());

    // The largest candidate sets: every two-letter prefix from "aa" to "zz".
    double worst = 0;
    std::string worstText;
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b = 'a'; b <= 'z'; ++b) {
            const std::string text{a, b};
            const auto start = Clock::now();
            benchmark::DoNotOptimize(atlas.suggestions(text));
            const double took = microseconds(Clock::now() - start);
            if (took > worst) {
                worst = took;
                worstText = text;
            }
        }
    }
    std::printf("two-letter prefixes aa..zz: worst %.1f us (\"%s\")\n", worst, worstText.c_str());
}

void Reload(benchmark::State& state) {
    for (auto _ : state) {
        atlas::Atlas atlas = atlas::Atlas::fromGeonames();
        benchmark::DoNotOptimize(atlas);
    }
}
BENCHMARK(Reload)->Unit(benchmark::kMillisecond);

void Suggestions(benchmark::State& state, const char* typed) {
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded->suggestions(typed));
}
BENCHMARK_CAPTURE(Suggestions, TwoLetters, "sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Suggestions, Accented, "São P")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Suggestions, WholeName, "Rio de Janeiro")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Suggestions, NoMatch, "qqxz")->Unit(benchmark::kMicrosecond);

void Fold(benchmark::State& state, const char* text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(atlas::foldForSearch(text));
}
BENCHMARK_CAPTURE(Fold, Ascii, "Rio de Janeiro");
BENCHMARK_CAPTURE(Fold, Accented, "Zürich-Höngg");

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // The first load in the process and the memory it leaves resident: first
    // the library's own one-time set-up (it unpacks its place records), then
    // the atlas read from it.
    const Memory before;
    const auto start = Clock::now();
    benchmark::DoNotOptimize(geonames_get_n_cities());
    const auto set = Clock::now();
    const Memory library;
    const atlas::Atlas atlas = atlas::Atlas::fromGeonames();
    const auto end = Clock::now();
    const Memory after;
    malloc_trim(0);
    const Memory trimmed;
    std::printf("first load: %zu places in %.1f ms (library set-up %.1f ms, atlas %.1f ms)\n",
                atlas.size(), microseconds(end - start) / 1000.0,
                microseconds(set - start) / 1000.0, microseconds(end - set) / 1000.0);
    std::printf(
        "resident memory added: %ld KiB (heap %ld KiB, mapped files %ld KiB); of which the\n"
        "  library's set-up %ld KiB and the atlas %ld KiB, %ld KiB once freed heap is returned\n",
        after.rss - before.rss, after.anon - before.anon, after.file - before.file,
        library.rss - before.rss, after.rss - library.rss, trimmed.rss - library.rss);

    loaded = &atlas;
    reportLatency(atlas);

    for (const char* language : {"de", "hi", "ar"}) {
        const Memory ahead;
        const auto begin = Clock::now();
        const atlas::Atlas translated = atlas::Atlas::fromGeonames({language});
        const auto done = Clock::now();
        const Memory behind;
        std::printf("\nin %s: loaded in %.1f ms, resident memory added %ld KiB\n", language,
                    microseconds(done - begin) / 1000.0, behind.rss - ahead.rss);
        reportLatency(translated);
    }
    std::fflush(stdout);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
