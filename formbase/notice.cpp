// SPDX-License-Identifier: GPL-3.0-or-later
#include "notice.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>

#include "form_font.h"

namespace asterine {

namespace {

const char* const kNoticeName = "lblNotice";
constexpr int kShownFor = 4000;  // ms

// Keeps the notice at the foot of its window as the window is resized.
class NoticeLabel : public QLabel {
public:
    explicit NoticeLabel(QWidget* window) : QLabel(window) {
        setObjectName(QLatin1String(kNoticeName));
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignCenter);
        setFocusPolicy(Qt::NoFocus);
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::ToolTipBase);
        setForegroundRole(QPalette::ToolTipText);
        setFrameShape(QFrame::Box);
        setMargin(scaled(6));
        hider_.setSingleShot(true);
        connect(&hider_, &QTimer::timeout, this, &QWidget::hide);
        window->installEventFilter(this);
    }

    void tell(const QString& text) {
        setText(text);
        setAccessibleName(text);
        place();
        show();
        raise();
        hider_.start(kShownFor);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize && isVisible())
            place();
        return QLabel::eventFilter(watched, event);
    }

private:
    void place() {
        const QWidget* window = parentWidget();
        const int margin = scaled(8);
        const int width =
            std::min(window->width() - 2 * margin, std::max(scaled(240), sizeHint().width()));
        const int height = heightForWidth(width);
        setGeometry((window->width() - width) / 2, window->height() - height - margin, width,
                    height);
    }

    QTimer hider_;
};

}  // namespace

void showNotice(QWidget* window, const QString& text) {
    auto* label =
        window->findChild<NoticeLabel*>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly);
    if (!label)
        label = new NoticeLabel(window);
    label->tell(text);
}

QLabel* shownNotice(QWidget* window) {
    auto* label =
        window->findChild<QLabel*>(QLatin1String(kNoticeName), Qt::FindDirectChildrenOnly);
    return label && label->isVisibleTo(window) ? label : nullptr;
}

}  // namespace asterine
