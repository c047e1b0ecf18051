// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text boxes whose typed characters pass a filter before they are inserted.

#include <QLineEdit>

#include "birth/key_verdict.h"

namespace asterine {

// The character code a key press types: 13 for Enter, 8 for Backspace, a
// control character for Control and a letter (3, 22 and 24 for the copy,
// paste and cut shortcuts), the character itself otherwise; -1 for a key
// that types nothing (Delete, the arrows, Home, End, Shift...).
long typedCharacterCode(const QKeyEvent* event);

// A text box whose every typed character passes its filter before it is
// inserted, whether it comes from a key or is committed by a dead key or an
// input method. Text that arrives by other means (pasting from the context
// menu or the selection) is not filtered.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(const QString& objectName, birth::KeyFilter filter, QWidget* parent);

signals:
    // A key, or a text committed by a dead key or an input method, had
    // characters that the filter discarded: once for each such action,
    // however many characters it discarded.
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // What the filter leaves of a text, and how many of its characters it
    // refused.
    struct FilteredText {
        QString accepted;
        int refused = 0;
    };
    FilteredText filterText(const QString& text) const;

    birth::KeyFilter filter_;
};

}  // namespace asterine
