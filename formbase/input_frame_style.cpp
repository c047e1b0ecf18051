// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_frame_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <functional>

#include "colours.h"

namespace asterine {

namespace {

// How the wrapped style turns the palette's window colour into the outline
// of one kind of input.
using OutlineOf = std::function<QColor(const QColor& window)>;

// A window colour from which `outlineOf` gives an outline that stands out
// from `background` at visibleOutlineContrast: `window` itself where it
// already does, otherwise the same hue made lighter (on a dark background)
// or darker (on a light one) in small steps.
QColor windowForVisibleOutline(const QColor& window, const QColor& background,
                               const OutlineOf& outlineOf, double contrast) {
    if (contrastRatio(outlineOf(window), background) >= contrast)
        return window;
    const bool lighter = isDark(background);
    QColor candidate = window.toHsl();
    for (int step = 0; step < 64; ++step) {
        const int lightness = candidate.lightness() + (lighter ? 4 : -4);
        candidate.setHsl(candidate.hslHue(), candidate.hslSaturation(),
                         std::clamp(lightness, 0, 255));
        if (contrastRatio(outlineOf(candidate), background) >= contrast)
            return candidate.toRgb();
        if (lightness <= 0 || lightness >= 255)
            break;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

// The colours the outline is drawn against: what the input itself fills, or
// what shows through around it.
QColor around(const QWidget* widget, const QStyleOption* option) {
    return widget ? backgroundBehind(widget) : option->palette.color(QPalette::Window);
}

template <typename Option>
Option withVisibleOutline(const Option& option, const QWidget* widget, const OutlineOf& outlineOf,
                          double contrast = visibleOutlineContrast) {
    Option copy(option);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor window = copy.palette.color(group, QPalette::Window);
        copy.palette.setColor(
            group, QPalette::Window,
            windowForVisibleOutline(window, around(widget, &option), outlineOf, contrast));
    }
    return copy;
}

// A circle's edge never covers a whole pixel, so its pen must be stronger
// for the edge as drawn to stand out as a straight one does.
constexpr double circleOutlineContrast = 4.0;

bool isFusion(const QStyle* style) {
    return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

}  // namespace

InputFrameStyle::InputFrameStyle(const QString& key) : QProxyStyle(key) {
    setObjectName(QStringLiteral("InputFrameStyle"));
}

void InputFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    // The outlines Fusion draws from the window colour.
    if (isFusion(baseStyle())) {
        if (element == PE_FrameLineEdit) {
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                const QStyleOptionFrame visible = withVisibleOutline(
                    *frame, widget, [](const QColor& w) { return w.darker(140); });
                QProxyStyle::drawPrimitive(element, &visible, painter, widget);
                return;
            }
        } else if (element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) {
            if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
                const OutlineOf outlineOf =
                    element == PE_IndicatorCheckBox
                        ? OutlineOf([](const QColor& w) { return w.darker(140).lighter(110); })
                        : OutlineOf([](const QColor& w) { return w.darker(150); });
                const QStyleOptionButton visible =
                    withVisibleOutline(*button, widget, outlineOf,
                                       element == PE_IndicatorRadioButton ? circleOutlineContrast
                                                                          : visibleOutlineContrast);
                QProxyStyle::drawPrimitive(element, &visible, painter, widget);
                return;
            }
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void InputFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox && isFusion(baseStyle())) {
        if (const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            const QStyleOptionComboBox visible =
                withVisibleOutline(*list, widget, [](const QColor& w) { return w.darker(140); });
            QProxyStyle::drawComplexControl(control, &visible, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void installInputFrameStyle() {
    if (qobject_cast<InputFrameStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new InputFrameStyle(QApplication::style()->name()));
}

}  // namespace asterine
