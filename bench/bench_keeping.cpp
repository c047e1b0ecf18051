// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a reading from the result form, on the offscreen platform with the
// save dialog answered at once: from Export as PDF accepted to the file
// closed, for every principal star and a star without lore (median and 95th
// percentile over all of them), and Copy Reading.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include "display/display_form.h"
#include "entry/main_form.h"
#include "tests/support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

// Latitudes and years whose readings are the principal stars and MIRFAK.
struct Birth {
    QString degrees;
    QString minutes;
    int year;
};
std::vector<Birth> Births() {
    std::vector<Birth> found;
    QSet<QString> stars;
    for (const int year : {1970, 2010}) {
        for (int degrees = 0; degrees < 180; ++degrees) {
            for (int minutes = 0; minutes < 60; ++minutes) {
                stars::ReadingEngine engine;
                const auto outcome =
                    engine.RequestReading(std::to_string(degrees), std::to_string(minutes), year);
                if (!outcome.accepted())
                    continue;
                const QString star = QString::fromStdString(engine.CurrentStarName());
                const bool wanted = outcome.reading->frameShown || star == QLatin1String("MIRFAK");
                if (wanted && !stars.contains(star)) {
                    stars.insert(star);
                    found.push_back({QString::number(degrees), QString::number(minutes), year});
                }
            }
        }
    }
    return found;
}

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

void ExportAsPdf(benchmark::State& state) {
    Harness h;
    h.start();
    FrmMain* main = h.app->mainForm();
    FillValid(main);
    QTemporaryDir folder;
    std::vector<double> times;
    const std::vector<Birth> births = Births();
    for (auto _ : state) {
        for (const Birth& birth : births) {
            state.PauseTiming();
            main->show();
            Child<QLineEdit>(main, "txtLatD")->setText(birth.degrees);
            Child<QLineEdit>(main, "txtLatM")->setText(birth.minutes);
            Child<QComboBox>(main, "cboYear")->setCurrentText(QString::number(birth.year));
            Click(main, "cmdRashi");
            h.files.answer = folder.filePath(QStringLiteral("reading.pdf"));
            state.ResumeTiming();
            QElapsedTimer clock;
            clock.start();
            Trigger(h.app->displayForm(), "mnuExportPdf");
            times.push_back(clock.nsecsElapsed() / 1e6);
            state.PauseTiming();
            Click(h.app->displayForm(), "cmdOK");
            Harness::settle();
            state.ResumeTiming();
        }
    }
    state.counters["stars"] = double(births.size());
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p95_ms"] = Percentile(times, 0.95);
}

void CopyReading(benchmark::State& state) {
    Harness h;
    h.start();
    FrmMain* main = h.app->mainForm();
    FillValid(main, QStringLiteral("77"));
    Child<QLineEdit>(main, "txtLatM")->setText(QStringLiteral("33"));
    Click(main, "cmdRashi");
    FrmDisplay* display = h.app->displayForm();
    for (auto _ : state)
        Trigger(display, "mnuCopyReading");
}

BENCHMARK(ExportAsPdf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(CopyReading)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
