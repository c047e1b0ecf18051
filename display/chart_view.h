// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A picture of the birth's sky on the result window: drawn in the desktop's
// colours, light or dark, and following them when they change; the same way
// round in every language; as large as the type asks for. Screen readers
// are offered the picture as a list of its lines ("Sun, Sagittarius 18°…"),
// one item for each.

#include <QStringList>
#include <QWidget>

#include <memory>

namespace skychart {
class ChartPicture;
}

namespace asterine {

class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    // The picture to show, its lines for those who cannot see it and its
    // name (the list's name to a screen reader).
    void setPicture(std::shared_ptr<const skychart::ChartPicture> picture, const QStringList& lines,
                    const QString& name);

    const skychart::ChartPicture* picture() const { return picture_.get(); }
    std::shared_ptr<const skychart::ChartPicture> sharedPicture() const { return picture_; }
    const QStringList& lines() const { return lines_; }
    // The picture's width over its height.
    double aspect() const { return aspect_; }
    // Where within the view the picture is drawn: as large as the view
    // holds at the picture's aspect, centred.
    QRectF pictureRect() const;

    // In units of the view's type, so that larger type gives a larger picture.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::shared_ptr<const skychart::ChartPicture> picture_;
    double aspect_ = 1.0;
    QStringList lines_;
};

}  // namespace asterine
