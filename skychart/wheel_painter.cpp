// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel, drawn from its layout.

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "skychart/chart_layout.h"
#include "skychart/chart_picture.h"
#include "skychart/picture_text.h"

namespace skychart {

void WheelPainter::paint(QPainter& painter, const QRectF& frame, const ChartStyle& style) const {
    const WheelLayout w = layoutWheel(data_, frame, style, painter.device());
    const double side = std::min(frame.width(), frame.height());
    const double width = std::max(1.0, side * 0.0025);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame, style.background);
    painter.setBrush(Qt::NoBrush);

    const QPen ringPen(style.line, width, Qt::SolidLine, Qt::FlatCap);
    const QPen thinPen(style.line, width * 0.6, Qt::SolidLine, Qt::FlatCap);
    painter.setPen(ringPen);
    painter.drawEllipse(w.centre, w.outerRadius, w.outerRadius);
    painter.drawEllipse(w.centre, w.ringInnerRadius, w.ringInnerRadius);
    painter.drawEllipse(w.centre, w.innerRadius, w.innerRadius);

    // The signs' edges across the band, and the degrees inside it.
    for (int sign = 0; sign < 12; ++sign)
        painter.drawLine(w.at(sign * 30.0, w.ringInnerRadius), w.at(sign * 30.0, w.outerRadius));
    const double tick = w.ringInnerRadius - w.tickRadius;
    for (int degree = 0; degree < 360; ++degree) {
        const bool ten = degree % 10 == 0, five = degree % 5 == 0;
        painter.setPen(five ? ringPen : thinPen);
        const double length = ten ? tick : five ? tick * 0.7 : tick * 0.35;
        painter.drawLine(w.at(degree, w.ringInnerRadius), w.at(degree, w.ringInnerRadius - length));
    }
    painter.setPen(style.text);
    for (const TextBox& sign : w.signs)
        drawTextBox(painter, sign);

    // The axes: across the inner circle, and out through the ring to their marks.
    if (data_.angles) {
        painter.setPen(QPen(style.line, width * 2.0, Qt::SolidLine, Qt::FlatCap));
        for (double axis : {data_.angles->ascendantDeg, data_.angles->midheavenDeg}) {
            painter.drawLine(w.at(axis, w.innerRadius), w.at(axis + 180.0, w.innerRadius));
            painter.drawLine(w.at(axis, w.tickRadius), w.at(axis, w.markRadius));
            painter.drawLine(w.at(axis + 180.0, w.tickRadius), w.at(axis + 180.0, w.outerRadius));
        }
    }

    // The bodies: a dot at the true longitude, a leader line to the symbol
    // where it was spread to.
    const double dot = std::max(1.5, side * 0.004);
    for (const WheelLayout::Body& b : w.bodies) {
        const QPointF truePoint = w.at(b.longitudeDeg, w.tickRadius - dot * 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.line);
        painter.drawEllipse(truePoint, dot, dot);
        painter.setBrush(Qt::NoBrush);
        const QPointF c = b.box.center();
        const QPointF u = (c - w.centre) / std::hypot(c.x() - w.centre.x(), c.y() - w.centre.y());
        const double reach =
            b.box.width() / 2 * std::abs(u.x()) + b.box.height() / 2 * std::abs(u.y());
        const QPointF end = c + u * reach;
        if (std::abs(sky::normalized180(b.shownDeg - b.longitudeDeg)) > 0.5) {
            // Along the band between the ticks and the symbols, then in to
            // the symbol: leaders keep the bodies' order and do not cross.
            const double band = (w.tickRadius - dot * 2 + w.bodyRadius + reach) / 2;
            painter.setPen(thinPen);
            QPolygonF leader{truePoint};
            const double turn = sky::normalized180(b.shownDeg - b.longitudeDeg);
            const int steps = std::max(2, int(std::abs(turn)));
            for (int k = 0; k <= steps; ++k)
                leader << w.at(b.longitudeDeg + turn * k / steps, band);
            leader << end;
            painter.drawPolyline(leader);
        }
        painter.setPen(style.text);
        drawTextBox(painter, b.symbol);
        drawTextBox(painter, b.degree);
    }

    // The stars and the angles' marks outside the ring.
    for (const WheelLayout::Outer& o : w.outer) {
        const QColor colour = o.chosen ? style.star : style.text;
        if (!o.angle) {
            const QPointF mark = w.at(o.longitudeDeg, w.markRadius);
            const double r = o.chosen ? dot * 1.8 : dot * 1.2;
            painter.setPen(Qt::NoPen);
            painter.setBrush(o.chosen ? style.star : style.line);
            painter.drawEllipse(mark, r, r);
            painter.setBrush(Qt::NoBrush);
            const QPointF end = w.at(o.shownDeg, w.labelRadius - dot);
            painter.setPen(QPen(o.chosen ? style.star : style.line, width * 0.6));
            painter.drawLine(w.at(o.longitudeDeg, w.markRadius + r), end);
            // The chosen star's longitude across the ring as well.
            if (o.chosen) {
                painter.setPen(QPen(style.star, width, Qt::DashLine, Qt::FlatCap));
                painter.drawLine(w.at(o.longitudeDeg, w.ringInnerRadius),
                                 w.at(o.longitudeDeg, w.outerRadius));
            }
        } else if (std::abs(sky::normalized180(o.shownDeg - o.longitudeDeg)) > 0.5) {
            painter.setPen(QPen(style.line, width * 0.6));
            painter.drawLine(w.at(o.longitudeDeg, w.markRadius),
                             w.at(o.shownDeg, w.labelRadius - dot));
        }
        painter.setPen(colour);
        drawTextBox(painter, o.label);
    }
    painter.setPen(style.text);
    for (const TextBox& line : w.notice)
        drawTextBox(painter, line);
    painter.restore();
}

}  // namespace skychart
