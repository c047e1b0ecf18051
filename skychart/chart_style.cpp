// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures' colours and type.

#include "skychart/chart_style.h"

#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace skychart {

namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor withContrast(const QColor& preferred, const QColor& background, double contrast) {
    QColor colour = preferred.toRgb();
    colour.setAlpha(255);
    if (contrastRatio(colour, background) >= contrast)
        return colour;
    const QColor target =
        contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background)
            ? QColor(Qt::white)
            : QColor(Qt::black);
    // Towards white or black in small steps, keeping the hue as long as it can.
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(float(colour.redF() + (target.redF() - colour.redF()) * t),
                             float(colour.greenF() + (target.greenF() - colour.greenF()) * t),
                             float(colour.blueF() + (target.blueF() - colour.blueF()) * t));
        if (contrastRatio(mixed, background) >= contrast)
            return mixed;
    }
    return target;
}

ChartStyle paperStyle() {
    ChartStyle style;
    style.background = Qt::white;
    style.text = Qt::black;
    style.line = Qt::black;
    style.star = QColor(0x8b, 0x1a, 0x1a);  // a dark red, 8.5:1 on white
    style.sun = QColor(0x9a, 0x5b, 0x00);   // a dark amber, 5:1 on white
    style.ground = QColor(0xee, 0xee, 0xee);
    style.family = QStringLiteral("DejaVu Sans");
    return style;
}

ChartStyle screenStyle(const QPalette& palette, const QFont& font) {
    ChartStyle style;
    style.background = palette.color(QPalette::Active, QPalette::Window).toRgb();
    style.background.setAlpha(255);
    const bool dark =
        contrastRatio(Qt::white, style.background) > contrastRatio(Qt::black, style.background);
    style.text = withContrast(palette.color(QPalette::Active, QPalette::WindowText),
                              style.background, kTextContrast);
    style.line = withContrast(palette.color(QPalette::Active, QPalette::WindowText),
                              style.background, kLineContrast);
    style.star = withContrast(dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x1c, 0x1c),
                              style.background, kTextContrast);
    style.sun = withContrast(dark ? QColor(0xff, 0xc1, 0x07) : QColor(0x9a, 0x5b, 0x00),
                             style.background, kTextContrast);
    // The ground: a tint of the text colour over the background.
    const double tint = dark ? 0.16 : 0.08;
    style.ground =
        QColor::fromRgbF(float(style.background.redF() * (1 - tint) + style.text.redF() * tint),
                         float(style.background.greenF() * (1 - tint) + style.text.greenF() * tint),
                         float(style.background.blueF() * (1 - tint) + style.text.blueF() * tint));
    // Texts are read on the ground too.
    style.text = withContrast(style.text, style.ground, kTextContrast);
    style.star = withContrast(style.star, style.ground, kTextContrast);
    style.sun = withContrast(style.sun, style.ground, kTextContrast);
    style.line = withContrast(style.line, style.ground, kLineContrast);
    style.family = QStringLiteral("DejaVu Sans");
    style.leastTextPixels = leastTextPixels(font);
    return style;
}

double leastTextPixels(const QFont& font) {
    const QFontInfo info(font);
    return info.pointSizeF() > 10.0 + 1e-6 ? double(info.pixelSize()) : 0.0;
}

QFont chartFont(const ChartStyle& style, double pixelSize, bool bold) {
    QFont font(style.family);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace skychart
