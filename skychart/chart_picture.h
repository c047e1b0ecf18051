// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture of the birth's sky, drawn the same way on a window, a printer, a
// PDF or a file: whatever the painter paints on.

#include <QRectF>

#include "skychart/chart_data.h"
#include "skychart/chart_style.h"

class QPainter;

namespace skychart {

class ChartPicture {
public:
    virtual ~ChartPicture() = default;
    // Paints the picture into `frame`, its background included.
    virtual void paint(QPainter& painter, const QRectF& frame, const ChartStyle& style) const = 0;
    // The width over the height the picture is drawn best at.
    virtual double aspect() const = 0;
};

// The wheel: the zodiac, the bodies, the angles and the marked stars. It is
// drawn the same way in every language, right to left ones included.
class WheelPainter : public ChartPicture {
public:
    explicit WheelPainter(ChartData data) : data_(std::move(data)) {}
    void paint(QPainter& painter, const QRectF& frame, const ChartStyle& style) const override;
    double aspect() const override { return 1.0; }
    const ChartData& data() const { return data_; }

private:
    ChartData data_;
};

// The sky over the birthplace on the birth day: the horizon, the reading's
// star's path and the Sun's, the star's rising, culmination and setting, and
// the moment of birth.
class HorizonPainter : public ChartPicture {
public:
    explicit HorizonPainter(ChartData data) : data_(std::move(data)) {}
    void paint(QPainter& painter, const QRectF& frame, const ChartStyle& style) const override;
    double aspect() const override { return 1.6; }
    const ChartData& data() const { return data_; }

private:
    ChartData data_;
};

}  // namespace skychart
