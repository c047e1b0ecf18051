// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "skychart/chart_picture.h"
#include "skychart/chart_style.h"

namespace asterine {

namespace {

// The picture's size in lines of the view's type: smallest and wanted.
constexpr double kMinimumLines = 14;
constexpr double kWantedLines = 24;

// One line of the picture, an item of its list to a screen reader.
class ChartLineAccessible : public QAccessibleInterface {
public:
    ChartLineAccessible(ChartView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ && index_ < view_->lines().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return view_ && view_->window() ? view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name)
            return {};
        return view_->lines().at(index_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_)
            return {};
        // The lines share the picture's place, each a band of it.
        const QRect whole(view_->mapToGlobal(QPoint(0, 0)), view_->size());
        const int count = int(view_->lines().size());
        if (count == 0)
            return whole;
        const int band = std::max(1, whole.height() / count);
        return QRect(whole.left(), whole.top() + index_ * band, whole.width(), band);
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.selectable = false;
        if (!view_ || !view_->isVisible())
            s.invisible = true;
        return s;
    }

private:
    QPointer<ChartView> view_;
    int index_;
};

// The view as a list of the picture's lines.
class ChartViewAccessible : public QAccessibleWidget {
public:
    explicit ChartViewAccessible(ChartView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ChartViewAccessible() override {
        for (const QAccessible::Id id : items_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(view()->lines().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (int(items_.size()) <= index) {
            auto* item = new ChartLineAccessible(view(), int(items_.size()));
            items_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(items_[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < items_.size() && int(i) < childCount(); ++i) {
            if (QAccessible::accessibleInterface(items_[i]) == child)
                return int(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        // The lines once more as the description, for readers that do not
        // walk a list's items.
        if (t == QAccessible::Description)
            return view()->lines().join(QLatin1Char('\n'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

private:
    ChartView* view() const { return static_cast<ChartView*>(widget()); }
    mutable std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ChartView::staticMetaObject.className()))
        return new ChartViewAccessible(static_cast<ChartView*>(object));
    return nullptr;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&chartAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    // A picture of the sky reads the same way in every language.
    setLayoutDirection(Qt::LeftToRight);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ChartView::setPicture(std::shared_ptr<const skychart::ChartPicture> picture,
                           const QStringList& lines, const QString& name) {
    picture_ = std::move(picture);
    aspect_ = picture_ && picture_->aspect() > 0 ? picture_->aspect() : 1.0;
    lines_ = lines;
    setAccessibleName(name);
    updateGeometry();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

QRectF ChartView::pictureRect() const {
    const QRectF area = contentsRect();
    double width = area.width();
    double height = width / aspect_;
    if (height > area.height()) {
        height = area.height();
        width = height * aspect_;
    }
    return QRectF(area.left() + (area.width() - width) / 2,
                  area.top() + (area.height() - height) / 2, width, height);
}

QSize ChartView::minimumSizeHint() const {
    const double line = fontMetrics().height();
    const int width = qRound(kMinimumLines * line);
    return QSize(width, qRound(width / aspect_));
}

QSize ChartView::sizeHint() const {
    const double line = fontMetrics().height();
    const int width = qRound(kWantedLines * line);
    return QSize(width, qRound(width / aspect_));
}

int ChartView::heightForWidth(int width) const {
    return qRound(width / aspect_);
}

void ChartView::paintEvent(QPaintEvent*) {
    // The desktop's colours and type as they are now: a change of palette
    // or font shows at the next paint.
    const skychart::ChartStyle style = skychart::screenStyle(palette(), font());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), style.background);
    if (picture_)
        picture_->paint(painter, pictureRect(), style);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = style.background;
        QWidget::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ChartView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::PaletteChange:
        update();
        break;
    case QEvent::FontChange:
        updateGeometry();
        update();
        break;
    default:
        break;
    }
}

}  // namespace asterine
