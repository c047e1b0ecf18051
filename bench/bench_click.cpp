// SPDX-License-Identifier: GPL-3.0-or-later
// From the click on "Get My Fixed Stars Astrology Reading" to the result
// form shown, and from a keystroke in the City box to the atlas's list
// shown, on the offscreen platform with recorded side effects.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "atlas/atlas.h"
#include "display/display_form.h"
#include "entry/main_form.h"
#include "tests/support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

void ClickToReading(benchmark::State& state, const char* degrees, const char* minutes) {
    Harness h;
    h.start();
    FrmMain* main = h.app->mainForm();
    FillValid(main, QLatin1String(degrees));
    Child<QLineEdit>(main, "txtLatM")->setText(QLatin1String(minutes));
    auto* request = Child<QPushButton>(main, "cmdRashi");

    for (auto _ : state) {
        request->click();
        // Shown means laid out and painted, as a person would see it.
        h.app->displayForm()->repaint();
        state.PauseTiming();
        Child<QPushButton>(h.app->displayForm(), "cmdOK")->click();
        Harness::settle();
        state.ResumeTiming();
    }
}

void PrincipalStar(benchmark::State& state) {
    ClickToReading(state, "77", "33");
}
void StarWithoutLore(benchmark::State& state) {
    ClickToReading(state, "40", "30");
}

BENCHMARK(PrincipalStar)->Unit(benchmark::kMillisecond);
BENCHMARK(StarWithoutLore)->Unit(benchmark::kMillisecond);

// Every keystroke of the names of 100 real places (every 243rd of the
// atlas), typed into the City box one character at a time, until the list
// under it is painted. Reports the median and the 95th percentile.
void KeystrokeToSuggestions(benchmark::State& state) {
    Harness h;
    h.start();
    auto* city = Child<QLineEdit>(h.app->mainForm(), "txtMCity");
    city->setFocus();
    const atlas::Atlas atlas = atlas::Atlas::fromGeonames();
    QTest::keyClicks(city, QStringLiteral("Pu"));
    QListWidget* list = PlaceList(h.app->mainForm());
    if (!list) {
        state.SkipWithError("The atlas offered no places");
        return;
    }
    std::vector<double> samples;
    for (auto _ : state) {
        samples.clear();
        for (std::size_t n = 0; n < 100; ++n) {
            city->clear();
            for (const QChar character : QString::fromStdString(atlas.place(n * 243).name)) {
                QElapsedTimer timer;
                timer.start();
                TypeCharacter(city, QString(character));
                if (list->isVisible())
                    list->repaint();
                samples.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2];
    state.counters["p95_ms"] = samples[samples.size() * 95 / 100];
    state.counters["keystrokes"] = static_cast<double>(samples.size());
}
BENCHMARK(KeystrokeToSuggestions)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
