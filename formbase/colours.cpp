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

bool isDark(const QColor& background) {
    return relativeLuminance(background) < 0.18;
}

QColor readableColour(const QColor& preferred, const QColor& background, double contrast) {
    QColor colour = preferred.toHsl();
    const bool darkBackground = isDark(background);
    for (int step = 0; step < 20 && contrastRatio(colour, background) < contrast; ++step) {
        const int lightness = colour.lightness();
        colour.setHsl(colour.hslHue(), colour.hslSaturation(),
                      darkBackground ? lightness + (255 - lightness + 1) / 2 : lightness / 2);
    }
    if (contrastRatio(colour, background) < contrast)
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

QPalette lightPalette() {
    // Black text, white boxes and a light grey window, whatever the desktop
    // has chosen; Qt works out the shades of the buttons from the grey.
    QPalette palette(QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7));
    palette.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xff));
    palette.setColor(QPalette::LinkVisited, QColor(0xff, 0x00, 0xff));
    palette.setColor(QPalette::PlaceholderText, QColor(0x6d, 0x6d, 0x6d));
    return palette;
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
