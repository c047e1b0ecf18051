// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_filter.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace asterine {

long typedCharacterCode(const QKeyEvent* event) {
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
    const long code = typedCharacterCode(event);
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
