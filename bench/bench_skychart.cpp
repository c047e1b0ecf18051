// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the pictures of a birth's sky: the wheel and the horizon each onto
// an 800x800 image (a frame's time is 16 ms), and both into a PDF file.
// The sky itself is worked out once, outside the timing, and timed apart.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "sky/time_scale.h"
#include "skychart/chart_data.h"
#include "skychart/chart_files.h"
#include "skychart/chart_picture.h"

namespace {

// Seven bodies in Aquarius over Delhi, 1962 February 4, noon: the most
// crowded wheel of the checks.
sky::BirthSkyRequest request() {
    sky::BirthSkyRequest r;
    r.year = 1962;
    r.latitudeDeg = 28.61;
    r.eastLongitudeDeg = 77.21;
    r.dayStartJdUt = sky::julianDayOf(1962, 2, 4) - 5.5 / 24.0;
    r.julianDayUt = *r.dayStartJdUt + 0.5;
    r.chosenStar = "Sirius";
    return r;
}

const skychart::ChartData& data() {
    static const skychart::ChartData d = skychart::chartData(request());
    return d;
}

void paintOnImage(benchmark::State& state, const skychart::ChartPicture& picture) {
    QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
    const skychart::ChartStyle style = skychart::paperStyle();
    for (auto _ : state) {
        QPainter painter(&image);
        picture.paint(painter, QRectF(0, 0, 800, 800), style);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void Wheel800(benchmark::State& state) {
    paintOnImage(state, skychart::WheelPainter(data()));
}
BENCHMARK(Wheel800)->Unit(benchmark::kMillisecond);

void Horizon800(benchmark::State& state) {
    paintOnImage(state, skychart::HorizonPainter(data()));
}
BENCHMARK(Horizon800)->Unit(benchmark::kMillisecond);

void PdfOfBoth(benchmark::State& state) {
    QTemporaryDir dir;
    const skychart::WheelPainter wheel(data());
    const skychart::HorizonPainter horizon(data());
    const QString path = dir.filePath(QStringLiteral("chart.pdf"));
    for (auto _ : state) {
        const QString error = skychart::savePdf({&wheel, &horizon}, skychart::paperStyle(), path,
                                                QStringLiteral("Chart"));
        if (!error.isEmpty())
            state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK(PdfOfBoth)->Unit(benchmark::kMillisecond);

void SkyOfTheBirth(benchmark::State& state) {
    const sky::BirthSkyRequest r = request();
    for (auto _ : state)
        benchmark::DoNotOptimize(skychart::chartData(r));
}
BENCHMARK(SkyOfTheBirth)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
