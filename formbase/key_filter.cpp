// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace asterine {

long typedCharacterCode(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    // Control and a letter types that letter's control character (Ctrl+C
    // is 3, Ctrl+V 22, Ctrl+X 24), whatever text the platform attaches.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & Qt::ControlModifier) && !(modifiers & (Qt::AltModifier | Qt::MetaModifier)) &&
        event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    const char32_t code = text.toUcs4().value(0);
    // X11 gives Delete the text DEL; like the arrows, Home and End it edits
    // or moves and types nothing.
    if (code == 0x7f)
        return -1;
    return static_cast<long>(code);
}

FilteredLineEdit::FilteredLineEdit(const QString& objectName, birth::KeyFilter filter,
                                   QWidget* parent)
    : QLineEdit(parent), filter_(std::move(filter)) {
    setObjectName(objectName);
}

FilteredLineEdit::FilteredText FilteredLineEdit::filterText(const QString& text) const {
    FilteredText filtered;
    for (const char32_t code : text.toUcs4()) {
        const birth::KeyVerdict verdict = filter_(code);
        switch (verdict.action) {
        case birth::KeyVerdict::Pass:
            filtered.accepted += QString::fromUcs4(&code, 1);
            break;
        case birth::KeyVerdict::Replace:
            filtered.accepted += verdict.replacement;
            break;
        case birth::KeyVerdict::Discard:
            ++filtered.refused;
            break;
        }
    }
    return filtered;
}

void FilteredLineEdit::keyPressEvent(QKeyEvent* event) {
    const long code = typedCharacterCode(event);
    if (code < 0 || !filter_) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Enter, Backspace and the control characters are one code, whatever
    // text comes with them: they pass as the key they are, or not at all.
    // Any other key's text meets the filter character by character.
    const bool control = code < 0x20;
    const char32_t controlCode = static_cast<char32_t>(code);
    const QString text = control ? QString::fromUcs4(&controlCode, 1) : event->text();
    const FilteredText filtered = filterText(text);
    if (filtered.accepted == text) {
        QLineEdit::keyPressEvent(event);
    } else if (!filtered.accepted.isEmpty() && !control) {
        QKeyEvent replaced(event->type(), event->key(), event->modifiers(), filtered.accepted,
                           event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&replaced);
    } else {
        event->accept();
    }
    // One key is one action: at most one refusal, however much text it typed.
    if (filtered.refused > 0)
        emit keyRefused();
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Composed letters (dead keys) and input methods commit their text in
    // one go; it meets the filter character by character, as if typed.
    // Text still being composed is only shown, never inserted.
    if (!filter_ || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const FilteredText filtered = filterText(event->commitString());
    QInputMethodEvent accepted(event->preeditString(), event->attributes());
    accepted.setCommitString(filtered.accepted, event->replacementStart(),
                             event->replacementLength());
    QLineEdit::inputMethodEvent(&accepted);
    event->accept();
    // A commit is one action of the user's, however long: one refusal.
    if (filtered.refused > 0)
        emit keyRefused();
}

}  // namespace asterine
