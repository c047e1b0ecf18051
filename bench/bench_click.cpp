// SPDX-License-Identifier: GPL-3.0-or-later
// From the click on "Get My Fixed Stars Astrology Reading" to the result
// form shown, on the offscreen platform with recorded side effects.

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>

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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
