// SPDX-License-Identifier: GPL-3.0-or-later
// The sky over the birthplace, drawn from its layout.

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "skychart/chart_layout.h"
#include "skychart/chart_picture.h"
#include "skychart/picture_text.h"

namespace skychart {

namespace {

void drawSegments(QPainter& painter, const std::vector<HorizonLayout::Segment>& segments,
                  const QColor& colour, double width) {
    for (const HorizonLayout::Segment& s : segments) {
        if (s.points.size() < 2)
            continue;
        QPainterPath path(s.points.front());
        for (std::size_t i = 1; i < s.points.size(); ++i)
            path.lineTo(s.points[i]);
        QPen pen(colour, width, s.above ? Qt::SolidLine : Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
}

}  // namespace

void HorizonPainter::paint(QPainter& painter, const QRectF& frame, const ChartStyle& style) const {
    const HorizonLayout h = layoutHorizon(data_, frame, style, painter.device());
    const double unit = std::min(frame.width(), frame.height() * 1.6);
    const double width = std::max(1.0, unit * 0.0025);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(frame, style.background);

    if (data_.day) {
        const double horizon = h.yAt(0);
        // The ground below the horizon, the altitudes' lines, the azimuths' every 45°.
        painter.fillRect(QRectF(h.plot.left(), horizon, h.plot.width(), h.plot.bottom() - horizon),
                         style.ground);
        const QPen gridPen(style.line, width * 0.5, Qt::DotLine, Qt::FlatCap);
        painter.setPen(gridPen);
        for (int alt = -60; alt <= 60; alt += 30) {
            if (alt != 0)
                painter.drawLine(QPointF(h.plot.left(), h.yAt(alt)),
                                 QPointF(h.plot.right(), h.yAt(alt)));
        }
        for (int az = 0; az < 360; az += 45)
            painter.drawLine(QPointF(h.xAt(az), h.plot.top()), QPointF(h.xAt(az), h.plot.bottom()));
        painter.setPen(QPen(style.line, width * 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(h.plot.left(), horizon), QPointF(h.plot.right(), horizon));
        painter.setPen(QPen(style.line, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(h.plot);

        painter.save();
        painter.setClipRect(h.plot);
        drawSegments(painter, h.sunPath, style.sun, width * 2.0);
        drawSegments(painter, h.starPath, style.star, width * 2.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.star);
        const double dot = std::max(1.5, unit * 0.0035);
        for (const QPointF& p : h.starHours)
            painter.drawEllipse(p, dot, dot);
        // The rising, culmination and setting: rings on the path.
        painter.setBrush(style.background);
        painter.setPen(QPen(style.star, width * 1.5));
        for (const QPointF& p : h.starEvents)
            painter.drawEllipse(p, dot * 2.2, dot * 2.2);
        // The moment of birth: a filled square on the star's path, a filled disc on the Sun's.
        if (h.starAtBirth) {
            painter.setPen(QPen(style.text, width));
            painter.setBrush(style.star);
            const double r = dot * 2.6;
            painter.drawRect(QRectF(h.starAtBirth->x() - r, h.starAtBirth->y() - r, 2 * r, 2 * r));
        }
        if (h.sunAtBirth) {
            painter.setPen(QPen(style.text, width));
            painter.setBrush(style.sun);
            painter.drawEllipse(*h.sunAtBirth, dot * 2.6, dot * 2.6);
        }
        painter.restore();
    }

    for (const HorizonLayout::Label& label : h.labels) {
        const bool sunName = label.role == HorizonLayout::Role::Name && !label.star;
        // Labels on the plot lift off the lines behind them.
        if (label.point || label.role == HorizonLayout::Role::Cardinal) {
            const double horizon = h.yAt(0);
            const QRectF box = label.text.box;
            painter.fillRect(
                box.intersected(QRectF(box.left(), box.top(), box.width(), horizon - box.top())),
                style.background);
            painter.fillRect(
                box.intersected(QRectF(box.left(), horizon, box.width(), box.bottom() - horizon)),
                style.ground);
        }
        painter.setPen(label.star ? style.star : sunName ? style.sun : style.text);
        drawTextBox(painter, label.text);
    }
    painter.restore();
}

}  // namespace skychart
