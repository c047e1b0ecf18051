#include "widgets.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QScreen>

#include <cmath>

namespace asterine {

namespace {

QPixmap PaintIcon(int size) {
    return QPixmap::fromImage(ProgramIconImage(size));
}

}  // namespace

QImage ProgramIconImage(int size) {
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

// Paints the icon at whatever size it is asked for, and only then.
class StarIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawPixmap(rect, PaintIcon(qMin(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return PaintIcon(qMin(size.width(), size.height()));
    }
    QIconEngine* clone() const override { return new StarIconEngine; }
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(new StarIconEngine);
}

bool DisplayAvailable() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    return false;
}

void CentreOnScreen(QWidget* window) {
    window->adjustSize();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QFont FormFont(double pointSize, bool bold, bool underline) {
    // Looked up once: asking the font database for a missing face on every
    // control costs more than building the form.
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate :
             {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(candidate))
                return candidate;
        }
        return QFont().family();
    }();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

LinkLabel::LinkLabel(const QString& objectName, const QString& text, bool hand, QWidget* parent)
    : QLabel(text, parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    if (hand)
        setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

long TypedCharacterCode(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        return 3;
    if (event->matches(QKeySequence::Cut))
        return 24;
    if (event->matches(QKeySequence::Paste))
        return 22;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    return static_cast<long>(text.toUcs4().value(0));
}

FilteredLineEdit::FilteredLineEdit(const QString& objectName, KeyFilter filter, QWidget* parent)
    : QLineEdit(parent), filter_(std::move(filter)) {
    setObjectName(objectName);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    const long code = TypedCharacterCode(event);
    if (code < 0 || !filter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const KeyVerdict verdict = filter_(static_cast<char32_t>(code));
    switch (verdict.action) {
    case KeyVerdict::Pass:
        QLineEdit::keyPressEvent(event);
        break;
    case KeyVerdict::Replace: {
        QKeyEvent replaced(event->type(), event->key(), event->modifiers(),
                           QString(verdict.replacement), event->isAutoRepeat(),
                           static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&replaced);
        break;
    }
    case KeyVerdict::Discard:
        event->accept();
        emit keyRefused();
        break;
    }
}

}  // namespace asterine
