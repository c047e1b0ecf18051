// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where everything of the two pictures goes, worked out before anything is
// drawn: the painters draw what these layouts give, and the checks read the
// same layouts (the label boxes, that nothing overlaps, that everything lies
// inside the picture).

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

#include "skychart/chart_data.h"
#include "skychart/chart_style.h"

class QPaintDevice;

namespace skychart {

// Angles on a circle, degrees, moved apart as little as they can be so that
// neighbours are at least `separationDeg` apart; the order round the circle
// is kept. When they cannot all fit, they are spread evenly. The result is in
// the order of the input.
std::vector<double> spreadOnCircle(const std::vector<double>& anglesDeg, double separationDeg);
// Positions on a line within [low, high], the same way.
std::vector<double> spreadOnLine(const std::vector<double>& positions, double separation,
                                 double low, double high);

// Whether any two of the boxes overlap.
bool anyOverlap(const std::vector<QRectF>& boxes);

// A text drawn centred on its box: the box is the text's ink, so that the
// boxes of labels that do not overlap hold ink that does not touch.
struct TextBox {
    QString text;
    QFont font;
    QRectF box;
};
TextBox textBox(const QString& text, const QFont& font, QPointF centre,
                const QPaintDevice* device = nullptr);

struct WheelLayout {
    QRectF frame;  // the picture
    QPointF centre;
    double outerRadius = 0;      // the zodiac ring's outer edge
    double ringInnerRadius = 0;  // its inner edge, where the degree ticks start
    double tickRadius = 0;       // the inner end of the longest ticks
    double bodyRadius = 0;       // the bodies' symbols
    double innerRadius = 0;      // the inner circle, within which the axes cross
    double markRadius = 0;       // the stars' marks, just outside the ring
    double labelRadius = 0;      // where the stars' names begin
    double ascendantDeg = 0;     // the longitude drawn on the left (0 Aries without the angles)

    struct Body {
        sky::Body body = sky::Body::Sun;
        double longitudeDeg = 0;
        double shownDeg = 0;  // where its label stands, spread from the others
        TextBox symbol;
        TextBox degree;
        QRectF box;  // symbol and degree together
    };
    struct Outer {
        double longitudeDeg = 0;
        double shownDeg = 0;
        TextBox label;
        bool chosen = false;  // the reading's star
        bool angle = false;   // the Ascendant's or the Midheaven's mark
    };
    std::vector<TextBox> signs;
    std::vector<Body> bodies;
    std::vector<Outer> outer;
    // Without a time of birth, the notice that says so: its lines, one under
    // another, centred in the inner circle.
    std::vector<TextBox> notice;

    // The point at a longitude and a radius: longitudes run anticlockwise,
    // the Ascendant on the left.
    QPointF at(double longitudeDeg, double radius) const;
    // Every label's box: signs, bodies, stars and angles, the notice.
    std::vector<QRectF> labelBoxes() const;
};

WheelLayout layoutWheel(const ChartData& data, const QRectF& frame, const ChartStyle& style,
                        const QPaintDevice* device = nullptr);

struct HorizonLayout {
    QRectF frame;
    QRectF plot;  // altitude -90° to 90°, azimuth across 360°
    double centreAzimuthDeg =
        180;  // the azimuth in the middle: the meridian the star culminates on

    // A piece of a path above or below the horizon.
    struct Segment {
        std::vector<QPointF> points;
        bool above = true;
    };
    enum class Role { Title, Caption, Cardinal, Altitude, Event, Birth, Name };
    struct Label {
        TextBox text;
        Role role = Role::Title;
        bool star = false;             // of the reading's star (else the Sun's, or the picture's)
        std::optional<QPointF> point;  // the point it names
    };
    std::vector<Segment> starPath;
    std::vector<Segment> sunPath;
    std::vector<QPointF> starHours;   // the star's place at each whole hour
    std::vector<QPointF> starEvents;  // rising, culmination, setting
    std::optional<QPointF> starAtBirth;
    std::optional<QPointF> sunAtBirth;
    std::vector<Label> labels;

    double xAt(double azimuthDeg) const;
    double yAt(double altitudeDeg) const;
    QPointF at(double azimuthDeg, double altitudeDeg) const;
    std::vector<QRectF> labelBoxes() const;
};

HorizonLayout layoutHorizon(const ChartData& data, const QRectF& frame, const ChartStyle& style,
                            const QPaintDevice* device = nullptr);

}  // namespace skychart
