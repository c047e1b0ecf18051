// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace asterine {

namespace {

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

const char* const kAccentProperty = "asterineAccent";

// Keeps an accent colour readable when the palette behind it changes.
class AccentKeeper : public QObject {
public:
    explicit AccentKeeper(QWidget* widget) : QObject(widget) {}

    static void apply(QWidget* widget) {
        const QColor preferred = widget->property(kAccentProperty).value<QColor>();
        const QColor colour = readableColour(preferred, backgroundBehind(widget));
        if (widget->palette().color(QPalette::WindowText) == colour &&
            widget->palette().isBrushSet(QPalette::Active, QPalette::WindowText))
            return;
        QPalette palette = widget->palette();
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            palette.setColor(role, colour);
        widget->setPalette(palette);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
            apply(static_cast<QWidget*>(watched));
        return false;
    }
};

}  // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableColour(const QColor& preferred, const QColor& background) {
    QColor colour = preferred.toHsl();
    const bool darkBackground = relativeLuminance(background) < 0.18;
    for (int step = 0; step < 20 && contrastRatio(colour, background) < readableContrast; ++step) {
        const int lightness = colour.lightness();
        colour.setHsl(colour.hslHue(), colour.hslSaturation(),
                      darkBackground ? lightness + (255 - lightness + 1) / 2 : lightness / 2);
    }
    if (contrastRatio(colour, background) < readableContrast)
        colour = darkBackground ? QColor(Qt::white) : QColor(Qt::black);
    return colour.toRgb();
}

QColor backgroundBehind(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return QPalette().color(QPalette::Window);
}

void setColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, text);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setAccentColour(QWidget* widget, const QColor& preferred) {
    const bool first = !widget->property(kAccentProperty).isValid();
    widget->setProperty(kAccentProperty, preferred);
    if (first)
        widget->installEventFilter(new AccentKeeper(widget));
    AccentKeeper::apply(widget);
}

}  // namespace asterine
