// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>

namespace asterine {

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1c, 0x2b, 0x5a));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QPolygonF star;
    const QPointF centre(size / 2.0, size / 2.0);
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0 ? 0.42 : 0.17) * size;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    painter.setBrush(QColor(0xff, 0xd7, 0x40));
    painter.drawPolygon(star);
    return image;
}

namespace {

class StarIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, paint(qMin(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return paint(qMin(size.width(), size.height()));
    }
    QIconEngine* clone() const override { return new StarIconEngine; }

private:
    static QPixmap paint(int size) { return QPixmap::fromImage(programIconImage(size)); }
};

}  // namespace

QIcon programIcon() {
    return QIcon(new StarIconEngine);
}

}  // namespace asterine
