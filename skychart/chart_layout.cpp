// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts of the wheel and of the horizon.

#include "skychart/chart_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "skychart/chart_texts.h"
#include "skynames/sky_names.h"

namespace skychart {

namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double deg) {
    return deg * kPi / 180.0;
}

double wrapped360(double deg) {
    const double r = std::fmod(deg, 360.0);
    return r < 0 ? r + 360.0 : r;
}

// Sorted positions moved apart by pooling neighbours that come too close
// into groups centred on their members' mean, each group kept in [low, high].
std::vector<double> pooled(const std::vector<double>& sorted, double separation, double low,
                           double high) {
    struct Group {
        std::size_t first = 0, count = 0;
        double sum = 0;  // of position - offset within the group
        double start = 0;
    };
    auto place = [&](Group& g) {
        g.start = g.sum / double(g.count);
        const double span = separation * double(g.count - 1);
        g.start = std::clamp(g.start, low, std::max(low, high - span));
    };
    std::vector<Group> groups;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        Group g{i, 1, sorted[i], 0};
        place(g);
        groups.push_back(g);
        while (groups.size() > 1) {
            Group& prev = groups[groups.size() - 2];
            const Group& last = groups.back();
            if (prev.start + separation * double(prev.count) <= last.start + 1e-9)
                break;
            // Merge: the last group's members sit after the previous one's.
            for (std::size_t k = 0; k < last.count; ++k)
                prev.sum += sorted[last.first + k] - separation * double(prev.count + k);
            prev.count += last.count;
            groups.pop_back();
            place(groups.back());
        }
    }
    std::vector<double> out;
    for (const Group& g : groups) {
        for (std::size_t k = 0; k < g.count; ++k)
            out.push_back(g.start + separation * double(k));
    }
    return out;
}

// How many times its usual size a picture's words are drawn: enough for the
// style's least size, but no more than two and a half times, beyond which
// the pictures' crowded places would leave them no room.
double wordScale(const ChartStyle& style, double usualPixels) {
    return usualPixels > 0 ? std::clamp(style.leastTextPixels / usualPixels, 1.0, 2.5) : 1.0;
}

std::vector<std::size_t> orderOf(const std::vector<double>& values) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    return order;
}

}  // namespace

std::vector<double> spreadOnLine(const std::vector<double>& positions, double separation,
                                 double low, double high) {
    if (positions.empty())
        return {};
    const std::size_t n = positions.size();
    if (n > 1 && separation * double(n - 1) > high - low)
        separation = (high - low) / double(n - 1);
    const std::vector<std::size_t> order = orderOf(positions);
    std::vector<double> sorted;
    for (std::size_t i : order)
        sorted.push_back(positions[i]);
    const std::vector<double> spread = pooled(sorted, separation, low, high);
    std::vector<double> out(n);
    for (std::size_t k = 0; k < n; ++k)
        out[order[k]] = spread[k];
    return out;
}

std::vector<double> spreadOnCircle(const std::vector<double>& anglesDeg, double separationDeg) {
    const std::size_t n = anglesDeg.size();
    if (n < 2) {
        std::vector<double> out;
        for (double a : anglesDeg)
            out.push_back(wrapped360(a));
        return out;
    }
    std::vector<double> angles;
    for (double a : anglesDeg)
        angles.push_back(wrapped360(a));
    const std::vector<std::size_t> order = orderOf(angles);
    std::vector<double> out(n);
    if (separationDeg * double(n) >= 360.0) {
        // No room: evenly round the circle, from the first.
        for (std::size_t k = 0; k < n; ++k)
            out[order[k]] = wrapped360(angles[order[0]] + 360.0 * double(k) / double(n));
        return out;
    }
    // Cut the circle in its widest gap and spread along the line that makes.
    std::size_t cut = 0;
    double widest = -1;
    for (std::size_t k = 0; k < n; ++k) {
        const double next = k + 1 < n ? angles[order[k + 1]] : angles[order[0]] + 360.0;
        const double gap = next - angles[order[k]];
        if (gap > widest) {
            widest = gap;
            cut = (k + 1) % n;
        }
    }
    std::vector<double> line;
    const double start = angles[order[cut]];
    for (std::size_t k = 0; k < n; ++k) {
        double a = angles[order[(cut + k) % n]];
        if (a < start)
            a += 360.0;
        line.push_back(a);
    }
    // The line's ends must stay a separation apart across the cut as well.
    const double middle = (line.front() + line.back()) / 2.0;
    const double half = (360.0 - separationDeg) / 2.0;
    const std::vector<double> spread = pooled(line, separationDeg, middle - half, middle + half);
    for (std::size_t k = 0; k < n; ++k)
        out[order[(cut + k) % n]] = wrapped360(spread[k]);
    return out;
}

bool anyOverlap(const std::vector<QRectF>& boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].intersects(boxes[j]))
                return true;
        }
    }
    return false;
}

TextBox textBox(const QString& text, const QFont& font, QPointF centre,
                const QPaintDevice* device) {
    const QFontMetricsF metrics = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    QRectF ink = metrics.tightBoundingRect(text);
    if (ink.isEmpty())
        ink = QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(text), metrics.height());
    // A little air round the ink, so that boxes that only touch do not touch in ink.
    const double pad = std::max(1.0, metrics.height() * 0.06);
    QRectF box(0, 0, ink.width() + 2 * pad, ink.height() + 2 * pad);
    box.moveCenter(centre);
    return {text, font, box};
}

// ----------------------------------------------------------------------------
// The wheel.

QPointF WheelLayout::at(double longitudeDeg, double radius) const {
    const double screen = radians(180.0 + longitudeDeg - ascendantDeg);
    return {centre.x() + radius * std::cos(screen), centre.y() - radius * std::sin(screen)};
}

std::vector<QRectF> WheelLayout::labelBoxes() const {
    std::vector<QRectF> boxes;
    for (const TextBox& sign : signs)
        boxes.push_back(sign.box);
    for (const Body& body : bodies)
        boxes.push_back(body.box);
    for (const Outer& o : outer)
        boxes.push_back(o.label.box);
    for (const TextBox& line : notice)
        boxes.push_back(line.box);
    return boxes;
}

namespace {

// A box of a size placed outside a circle at an angle: its nearest point to
// the centre about on the circle.
QRectF outsideBox(const WheelLayout& layout, double longitudeDeg, double radius, QSizeF size) {
    const QPointF p = layout.at(longitudeDeg, radius);
    const QPointF u = (p - layout.centre) / radius;
    const double reach = size.width() / 2 * std::abs(u.x()) + size.height() / 2 * std::abs(u.y());
    QRectF box(QPointF(), size);
    box.moveCenter(p + u * reach);
    return box;
}

// A text broken at its spaces onto as few lines as fit within a circle,
// the lines one under another and centred on its centre; the type made
// smaller, step by step, only when the longest word would not fit.
std::vector<TextBox> noticeLines(const QString& text, QFont font, QPointF centre, double radius,
                                 const QPaintDevice* device) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (;;) {
        // Every line's ink lies within the whole text's height: lines a
        // little more than that apart do not touch.
        const double pitch = textBox(text, font, {}, device).box.height() * 1.15;
        const int most = std::max(1, int(2 * radius / pitch));
        for (int count = 1; count <= most && count <= int(words.size()); ++count) {
            // As many words on each row as its chord holds, the rows of a
            // block of `count` lines; a word too long for its row ends the try.
            QStringList lines;
            qsizetype next = 0;
            for (int row = 0; row < count && next < words.size(); ++row) {
                const double far = std::abs(row - (count - 1) / 2.0) * pitch + pitch / 2;
                if (far >= radius)
                    break;
                const double room = 2 * std::sqrt(radius * radius - far * far);
                QString line;
                while (next < words.size()) {
                    const QString longer =
                        line.isEmpty() ? words[next] : line + QLatin1Char(' ') + words[next];
                    if (textBox(longer, font, {}, device).box.width() > room)
                        break;
                    line = longer;
                    ++next;
                }
                if (line.isEmpty())
                    break;
                lines << line;
            }
            if (next < words.size())
                continue;
            // The lines it took, centred as a block, each wholly inside.
            std::vector<TextBox> boxes;
            bool inside = true;
            for (qsizetype row = 0; row < lines.size(); ++row) {
                const double middle = (double(row) - double(lines.size() - 1) / 2.0) * pitch;
                boxes.push_back(textBox(lines[row], font, centre + QPointF(0, middle), device));
                const QRectF& box = boxes.back().box;
                for (QPointF corner :
                     {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
                    const QPointF d = corner - centre;
                    inside = inside && std::hypot(d.x(), d.y()) < radius;
                }
            }
            if (inside)
                return boxes;
        }
        if (font.pixelSize() <= 6)
            return {textBox(text, font, centre, device)};
        font.setPixelSize(std::max(6, int(font.pixelSize() * 0.9)));
    }
}

}  // namespace

WheelLayout layoutWheel(const ChartData& data, const QRectF& frame, const ChartStyle& style,
                        const QPaintDevice* device) {
    WheelLayout w;
    w.frame = frame;
    w.centre = frame.center();
    const double side = std::min(frame.width(), frame.height());
    const double half = side / 2.0;
    const double margin = side * 0.015;
    w.ascendantDeg = data.angles ? data.angles->ascendantDeg : 0.0;

    // The words as large as the style asks; the symbols follow the rings.
    const double textScale = wordScale(style, side * 0.024);
    const double words = side * 0.024 * textScale;
    const QFont labelFont = chartFont(style, words);
    const QFont chosenFont = chartFont(style, words, true);
    const QFont markFont = chartFont(style, words, true);

    // The outer labels first: the ring leaves them room on either side.
    struct Pending {
        double longitudeDeg;
        QString text;
        QFont font;
        bool chosen, angle;
    };
    std::vector<Pending> pending;
    if (data.angles) {
        pending.push_back(
            {data.angles->ascendantDeg, ChartTexts::ascendantMark(), markFont, false, true});
        pending.push_back(
            {data.angles->midheavenDeg, ChartTexts::midheavenMark(), markFont, false, true});
    }
    for (const WheelStar& star : data.stars)
        pending.push_back({star.longitudeDeg, star.name, star.chosen ? chosenFont : labelFont,
                           star.chosen, false});
    double widest = 0;
    for (const Pending& p : pending)
        widest = std::max(widest, textBox(p.text, p.font, {}, device).box.width());
    const double gap = side * 0.035;
    w.outerRadius =
        std::clamp(half - margin - gap - std::min(widest, half * 0.3), half * 0.55, half * 0.74);
    w.markRadius = w.outerRadius + gap * 0.25;
    w.labelRadius = w.outerRadius + gap;
    w.ringInnerRadius = w.outerRadius * 0.84;
    w.tickRadius = w.ringInnerRadius - w.outerRadius * 0.05;

    // The signs, centred in the ring's band.
    const QFont signFont = chartFont(style, (w.outerRadius - w.ringInnerRadius) * 0.62);
    const double signRadius = (w.outerRadius + w.ringInnerRadius) / 2.0;
    for (int sign = 0; sign < 12; ++sign)
        w.signs.push_back(
            textBox(signSymbol(sign), signFont, w.at(sign * 30.0 + 15.0, signRadius), device));

    // The bodies: a symbol over its degree, spread so that no two boxes meet.
    const QFont symbolFont = chartFont(style, side * 0.042);
    const QFont degreeFont = chartFont(style, side * 0.022);
    QSizeF biggest;
    std::vector<std::pair<TextBox, TextBox>> texts;
    for (const WheelBody& body : data.bodies) {
        TextBox symbol = textBox(bodySymbol(body.body), symbolFont, {}, device);
        TextBox degree = textBox(degreeText(body.longitudeDeg), degreeFont, {}, device);
        biggest = biggest.expandedTo(QSizeF(std::max(symbol.box.width(), degree.box.width()),
                                            symbol.box.height() + degree.box.height()));
        texts.emplace_back(symbol, degree);
    }
    const double diagonal = std::hypot(biggest.width(), biggest.height());
    w.bodyRadius = w.tickRadius - side * 0.02 - diagonal / 2.0;
    w.innerRadius = std::max(w.bodyRadius - diagonal / 2.0 - side * 0.015, w.outerRadius * 0.2);
    if (!data.bodies.empty()) {
        // Boxes whose centres are a diagonal apart cannot overlap, whatever the direction.
        const double chord = diagonal * 1.04;
        const double separation =
            2.0 * std::asin(std::min(1.0, chord / (2.0 * w.bodyRadius))) * 180.0 / kPi;
        std::vector<double> longitudes;
        for (const WheelBody& body : data.bodies)
            longitudes.push_back(body.longitudeDeg);
        const std::vector<double> shown = spreadOnCircle(longitudes, separation);
        for (std::size_t i = 0; i < data.bodies.size(); ++i) {
            WheelLayout::Body b;
            b.body = data.bodies[i].body;
            b.longitudeDeg = data.bodies[i].longitudeDeg;
            b.shownDeg = shown[i];
            const QPointF c = w.at(shown[i], w.bodyRadius);
            const double h = texts[i].first.box.height() + texts[i].second.box.height();
            b.symbol = texts[i].first;
            b.degree = texts[i].second;
            b.symbol.box.moveCenter({c.x(), c.y() - h / 2 + b.symbol.box.height() / 2});
            b.degree.box.moveCenter({c.x(), c.y() + h / 2 - b.degree.box.height() / 2});
            b.box = b.symbol.box.united(b.degree.box);
            w.bodies.push_back(b);
        }
    } else {
        // As large as the signs' symbols, and never smaller than the stars'
        // names; broken onto lines that stay within the inner circle.
        const double size = std::max(double(signFont.pixelSize()), words);
        w.notice = noticeLines(ChartTexts::noTime(), chartFont(style, size), w.centre,
                               w.innerRadius - std::max(2.0, side * 0.012), device);
    }

    // The stars and the angles' marks outside the ring, spread until no
    // boxes come within two fifths of a line of each other (closer, names
    // read as one) and each stays in the picture; where even that cannot
    // be, in smaller type, down to half the usual size whatever the style's.
    if (!pending.empty()) {
        std::vector<double> longitudes;
        for (const Pending& p : pending)
            longitudes.push_back(p.longitudeDeg);
        const double step = 0.1 / textScale;
        for (double scale = 1.0; scale * textScale > 0.45; scale -= step) {
            std::vector<TextBox> texts;
            double tall = 0;
            for (const Pending& p : pending) {
                QFont font = p.font;
                font.setPixelSize(std::max(1, int(std::lround(p.font.pixelSize() * scale))));
                texts.push_back(textBox(p.text, font, {}, device));
                tall = std::max(tall, texts.back().box.height());
            }
            const double air = tall * 0.2;
            double separation =
                2.0 * std::asin(std::min(1.0, tall * 1.2 / (2 * w.labelRadius))) * 180.0 / kPi;
            bool fits = false;
            for (int attempt = 0; attempt < 16 && !fits; ++attempt) {
                const std::vector<double> shown = spreadOnCircle(longitudes, separation);
                w.outer.clear();
                std::vector<QRectF> grown;
                fits = true;
                for (std::size_t i = 0; i < pending.size(); ++i) {
                    WheelLayout::Outer o;
                    o.longitudeDeg = pending[i].longitudeDeg;
                    o.shownDeg = shown[i];
                    o.chosen = pending[i].chosen;
                    o.angle = pending[i].angle;
                    o.label = texts[i];
                    o.label.box = outsideBox(w, shown[i], w.labelRadius, texts[i].box.size());
                    grown.push_back(o.label.box.adjusted(-air, -air, air, air));
                    fits = fits && frame.contains(o.label.box);
                    w.outer.push_back(o);
                }
                fits = fits && !anyOverlap(grown);
                separation *= 1.25;
            }
            if (fits)
                break;
        }
    }
    return w;
}

// ----------------------------------------------------------------------------
// The horizon.

double HorizonLayout::xAt(double azimuthDeg) const {
    return plot.left() + wrapped360(azimuthDeg - centreAzimuthDeg + 180.0) / 360.0 * plot.width();
}

double HorizonLayout::yAt(double altitudeDeg) const {
    return plot.top() + (90.0 - altitudeDeg) / 180.0 * plot.height();
}

QPointF HorizonLayout::at(double azimuthDeg, double altitudeDeg) const {
    return {xAt(azimuthDeg), yAt(altitudeDeg)};
}

std::vector<QRectF> HorizonLayout::labelBoxes() const {
    std::vector<QRectF> boxes;
    for (const Label& label : labels)
        boxes.push_back(label.text.box);
    return boxes;
}

namespace {

// A path as pieces above and below the horizon, cut where it crosses the
// horizon and where it runs off one side of the picture onto the other.
std::vector<HorizonLayout::Segment> segments(const HorizonLayout& h,
                                             const std::vector<sky::PathPoint>& path) {
    std::vector<HorizonLayout::Segment> out;
    auto add = [&](QPointF p, bool above) {
        if (out.empty() || out.back().above != above)
            out.push_back({{}, above});
        out.back().points.push_back(p);
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const double alt = path[i].horizontal.altitudeDeg;
        const double az = path[i].horizontal.azimuthDeg;
        const bool above = alt >= 0;
        if (i > 0) {
            const double prevAlt = path[i - 1].horizontal.altitudeDeg;
            const double prevAz = path[i - 1].horizontal.azimuthDeg;
            const double step = sky::normalized180(az - prevAz);
            const double x0 = h.xAt(prevAz);
            const double x1 = x0 + step / 360.0 * h.plot.width();
            const bool wraps = x1 < h.plot.left() || x1 > h.plot.right();
            if ((prevAlt >= 0) != above) {
                // The crossing, in both pieces.
                const double t = prevAlt / (prevAlt - alt);
                const double crossAz = prevAz + step * t;
                const QPointF cross(h.xAt(crossAz), h.yAt(0));
                add(cross, prevAlt >= 0);
                out.push_back({{cross}, above});
            } else if (wraps) {
                // Off one edge and on at the other.
                const double edge = x1 < h.plot.left() ? h.plot.left() : h.plot.right();
                const double t = (edge - x0) / (x1 - x0);
                const double altEdge = prevAlt + (alt - prevAlt) * t;
                add({edge, h.yAt(altEdge)}, above);
                const double other = edge == h.plot.left() ? h.plot.right() : h.plot.left();
                out.push_back({{QPointF(other, h.yAt(altEdge))}, above});
            }
        }
        add(h.at(az, alt), above);
    }
    return out;
}

// Where a path is at a moment, from its samples.
std::optional<sky::Horizontal> pathAt(const std::vector<sky::PathPoint>& path, double jd) {
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (jd >= path[i - 1].julianDayUt && jd <= path[i].julianDayUt) {
            const double t =
                (jd - path[i - 1].julianDayUt) / (path[i].julianDayUt - path[i - 1].julianDayUt);
            const sky::Horizontal& a = path[i - 1].horizontal;
            const sky::Horizontal& b = path[i].horizontal;
            sky::Horizontal out;
            out.altitudeDeg = a.altitudeDeg + (b.altitudeDeg - a.altitudeDeg) * t;
            out.azimuthDeg =
                wrapped360(a.azimuthDeg + sky::normalized180(b.azimuthDeg - a.azimuthDeg) * t);
            return out;
        }
    }
    return std::nullopt;
}

// A label near its point: the first of the places round it where it meets
// none of the labels placed and stays in the plot, further out when none does.
TextBox nearPoint(TextBox text, QPointF point, double gap, const QRectF& within,
                  const std::vector<QRectF>& taken, const std::vector<QPointF>& lines,
                  bool preferBelow) {
    const QSizeF size = text.box.size();
    // Clear of the paths where it can be, else only of the other labels.
    for (bool avoidLines : {true, false}) {
        for (int ring = 0; ring < 12; ++ring) {
            const double d = gap + ring * size.height() * 0.6;
            const double dx = size.width() / 2 + d, dy = size.height() / 2 + d;
            std::vector<QPointF> centres{
                {point.x(), point.y() - dy},      {point.x(), point.y() + dy},
                {point.x() + dx, point.y()},      {point.x() - dx, point.y()},
                {point.x() + dx, point.y() - dy}, {point.x() - dx, point.y() - dy},
                {point.x() + dx, point.y() + dy}, {point.x() - dx, point.y() + dy}};
            if (preferBelow)
                std::swap(centres[0], centres[1]);
            for (const QPointF& c : centres) {
                QRectF box(QPointF(), size);
                box.moveCenter(c);
                if (!within.contains(box))
                    continue;
                if (std::none_of(taken.begin(), taken.end(),
                                 [&](const QRectF& t) { return t.intersects(box); }) &&
                    (!avoidLines || std::none_of(lines.begin(), lines.end(), [&](const QPointF& p) {
                        return box.contains(p);
                    }))) {
                    text.box = box;
                    return text;
                }
            }
        }
    }
    QRectF box(QPointF(), size);
    box.moveCenter({point.x(), point.y() - gap - size.height() / 2});
    text.box = box;
    return text;
}

// The points of the pieces of paths, at most `step` apart.
void addDense(std::vector<QPointF>& out, const std::vector<HorizonLayout::Segment>& segments,
              double step) {
    for (const HorizonLayout::Segment& s : segments) {
        for (std::size_t i = 0; i < s.points.size(); ++i) {
            out.push_back(s.points[i]);
            if (i == 0)
                continue;
            const QPointF d = s.points[i] - s.points[i - 1];
            const int n = int(std::hypot(d.x(), d.y()) / step);
            for (int k = 1; k < n; ++k)
                out.push_back(s.points[i - 1] + d * (double(k) / n));
        }
    }
}

}  // namespace

HorizonLayout layoutHorizon(const ChartData& data, const QRectF& frame, const ChartStyle& style,
                            const QPaintDevice* device) {
    HorizonLayout h;
    h.frame = frame;
    const double unit = std::min(frame.width(), frame.height() * 1.6);
    const double margin = unit * 0.02;
    const double textScale = wordScale(style, unit * 0.024);
    const double words = unit * textScale;
    const QFont titleFont = chartFont(style, words * 0.03, true);
    const QFont textFont = chartFont(style, words * 0.024);
    const QFont smallFont = chartFont(style, words * 0.02);
    const QFont nameFont = chartFont(style, words * 0.024, true);

    auto addLabel = [&](TextBox text, HorizonLayout::Role role, bool star,
                        std::optional<QPointF> point = std::nullopt) {
        h.labels.push_back({std::move(text), role, star, point});
    };

    // The title and the captions, one under the other at the top.
    double y = frame.top() + margin;
    auto addLine = [&](const QString& line, const QFont& font, HorizonLayout::Role role,
                       bool star) {
        TextBox t = textBox(line, font, {}, device);
        if (t.box.width() > frame.width() - 2 * margin) {
            QFont smaller = font;
            smaller.setPixelSize(
                std::max(1, int(font.pixelSize() * (frame.width() - 2 * margin) / t.box.width())));
            t = textBox(line, smaller, {}, device);
        }
        // A line in a right-to-left script starts on the right.
        if (line.isRightToLeft())
            t.box.moveTopRight({frame.right() - margin, y});
        else
            t.box.moveTopLeft({frame.left() + margin, y});
        y = t.box.bottom() + margin * 0.3;
        addLabel(t, role, star);
    };
    addLine(ChartTexts::horizonTitle(), titleFont, HorizonLayout::Role::Title, false);
    if (!data.day) {
        addLine(ChartTexts::noDay(), textFont, HorizonLayout::Role::Caption, false);
        h.plot = QRectF(frame.left() + margin, y + margin, frame.width() - 2 * margin,
                        frame.bottom() - margin - y - margin);
        return h;
    }
    const HorizonDay& day = *data.day;
    auto caption = [&](const std::optional<sky::DayEvents>& e, const QString& name, bool star) {
        if (!e)
            return;
        if (e->rises.status == sky::EventStatus::AlwaysAbove)
            addLine(ChartTexts::alwaysAbove(name), textFont, HorizonLayout::Role::Caption, star);
        else if (e->rises.status == sky::EventStatus::AlwaysBelow)
            addLine(ChartTexts::alwaysBelow(name), textFont, HorizonLayout::Role::Caption, star);
    };
    caption(day.starEvents, day.starName, true);
    caption(day.sunEvents, skynames::bodyName(sky::Body::Sun), false);

    // The plot: altitude labels on the left.
    const TextBox widestAltitude = textBox(QStringLiteral("−90°"), smallFont, {}, device);
    const double left = frame.left() + margin + widestAltitude.box.width() + margin * 0.5;
    h.plot = QRectF(left, y + margin, frame.right() - margin - left,
                    frame.bottom() - margin - (y + margin));

    // The meridian in the middle: the one the star (or else the Sun) culminates on.
    const std::vector<sky::PathPoint>& main = day.starPath.empty() ? day.sunPath : day.starPath;
    if (!main.empty()) {
        const auto top =
            std::max_element(main.begin(), main.end(), [](const auto& a, const auto& b) {
                return a.horizontal.altitudeDeg < b.horizontal.altitudeDeg;
            });
        const double az = top->horizontal.azimuthDeg;
        h.centreAzimuthDeg = (az > 90.0 && az < 270.0) ? 180.0 : 0.0;
    }

    for (int alt = -60; alt <= 60; alt += 30) {
        const QString text =
            alt < 0 ? QStringLiteral("−%1°").arg(-alt) : QStringLiteral("%1°").arg(alt);
        TextBox t = textBox(text, smallFont, {}, device);
        t.box.moveCenter({0, h.yAt(alt)});
        t.box.moveRight(h.plot.left() - margin * 0.5);
        addLabel(t, HorizonLayout::Role::Altitude, false);
    }
    for (int quarter = 0; quarter < 4; ++quarter) {
        TextBox t = textBox(ChartTexts::cardinal(quarter), textFont, {}, device);
        double x = h.xAt(quarter * 90.0);
        // The one on the picture's edge stands just inside it.
        x = std::clamp(x, h.plot.left() + t.box.width() / 2 + 1,
                       h.plot.right() - t.box.width() / 2 - 1);
        t.box.moveCenter({x, h.yAt(0) + margin * 0.4 + t.box.height() / 2});
        addLabel(t, HorizonLayout::Role::Cardinal, false);
    }

    h.starPath = segments(h, day.starPath);
    h.sunPath = segments(h, day.sunPath);
    for (std::size_t i = 0; i < day.starPath.size(); ++i) {
        const double hours = hoursOfDay(day, day.starPath[i].julianDayUt);
        if (std::abs(hours - std::round(hours)) < 1e-6)
            h.starHours.push_back(h.at(day.starPath[i].horizontal.azimuthDeg,
                                       day.starPath[i].horizontal.altitudeDeg));
    }

    std::vector<QRectF> taken = h.labelBoxes();
    const double gap = unit * 0.012;
    std::vector<QPointF> lines;
    addDense(lines, h.starPath, 2.0);
    addDense(lines, h.sunPath, 2.0);
    // The marks on the paths stay clear of the labels.
    const double markSize = std::max(8.0, unit * 0.02);
    auto markBox = [&](QPointF p) {
        return QRectF(p.x() - markSize / 2, p.y() - markSize / 2, markSize, markSize);
    };
    struct Pending {
        QString text;
        QFont font;
        QPointF point;
        HorizonLayout::Role role;
        bool star, preferBelow;
    };
    std::vector<Pending> pending;

    if (day.starEvents) {
        const sky::DayEvents& e = *day.starEvents;
        struct Mark {
            const sky::Event& event;
            QString (*text)(double);
        };
        for (const Mark& m :
             {Mark{e.rises, &ChartTexts::rises}, Mark{e.culminates, &ChartTexts::culminates},
              Mark{e.sets, &ChartTexts::sets}}) {
            if (m.event.status != sky::EventStatus::Happens)
                continue;
            const QPointF p = h.at(m.event.azimuthDeg, m.event.altitudeDeg);
            h.starEvents.push_back(p);
            taken.push_back(markBox(p));
            pending.push_back({m.text(hoursOfDay(day, m.event.julianDayUt)), textFont, p,
                               HorizonLayout::Role::Event, true, false});
        }
    }
    if (day.birthJdUt) {
        if (const auto at = pathAt(day.starPath, *day.birthJdUt)) {
            h.starAtBirth = h.at(at->azimuthDeg, at->altitudeDeg);
            taken.push_back(markBox(*h.starAtBirth));
            pending.push_back({ChartTexts::birth(hoursOfDay(day, *day.birthJdUt)), textFont,
                               *h.starAtBirth, HorizonLayout::Role::Birth, true, true});
        }
        if (const auto at = pathAt(day.sunPath, *day.birthJdUt)) {
            h.sunAtBirth = h.at(at->azimuthDeg, at->altitudeDeg);
            taken.push_back(markBox(*h.sunAtBirth));
        }
    }
    // The names along each path, away from its culmination where the times
    // stand: the star's some hours before it, the Sun's some hours after.
    auto name = [&](const std::vector<sky::PathPoint>& path, const QString& text, bool star) {
        if (path.empty())
            return;
        const auto top =
            std::max_element(path.begin(), path.end(), [](const auto& a, const auto& b) {
                return a.horizontal.altitudeDeg < b.horizontal.altitudeDeg;
            });
        const std::ptrdiff_t offset = std::ptrdiff_t(path.size() / 10) * (star ? -1 : 1);
        const std::ptrdiff_t index = ((top - path.begin() + offset) % std::ptrdiff_t(path.size()) +
                                      std::ptrdiff_t(path.size())) %
                                     std::ptrdiff_t(path.size());
        const sky::Horizontal& at = path[std::size_t(index)].horizontal;
        pending.push_back({text, star ? nameFont : textFont, h.at(at.azimuthDeg, at.altitudeDeg),
                           HorizonLayout::Role::Name, star, false});
    };
    name(day.starPath, day.starName, true);
    name(day.sunPath, skynames::bodyName(sky::Body::Sun), false);

    // Type larger than the usual that finds no place near its point is made
    // smaller, step by step down to the usual size, until it does.
    const double reach = unit * 0.08;
    for (const Pending& p : pending) {
        TextBox t;
        for (double scale = 1.0;; scale -= 0.1 / textScale) {
            QFont font = p.font;
            font.setPixelSize(std::max(1, int(std::lround(p.font.pixelSize() * scale))));
            t = nearPoint(textBox(p.text, font, {}, device), p.point, gap, h.plot, taken, lines,
                          p.preferBelow);
            if (t.box.adjusted(-reach, -reach, reach, reach).contains(p.point) ||
                (scale - 0.1 / textScale) * textScale < 1.0 - 1e-9)
                break;
        }
        taken.push_back(t.box);
        addLabel(t, p.role, p.star, p.point);
    }
    return h;
}

}  // namespace skychart
