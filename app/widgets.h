#pragma once

// Small widgets the forms share: fonts by point size, labels that act as
// links, and text boxes whose typed characters pass a filter first.

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace asterine {

// The program's icon: a golden star on a night-blue disc.
QIcon ProgramIcon();
// The same icon as an image of `size` pixels square (it matches asterine.svg).
QImage ProgramIconImage(int size);

// Whether a windowing system can be reached: a display, or a platform
// chosen explicitly.
bool DisplayAvailable();

// Moves a top-level window to the middle of its screen.
void CentreOnScreen(QWidget* window);

// Verdana where it is installed, otherwise a close sans-serif face.
QFont FormFont(double pointSize, bool bold = false, bool underline = false);

// A label that reports a left click; `hand` gives it the hand-shaped pointer.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& objectName, const QString& text, bool hand, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// What a key filter makes of a typed character.
struct KeyVerdict {
    enum Action { Pass, Replace, Discard };
    Action action = Pass;
    QChar replacement;

    static KeyVerdict pass() { return {}; }
    static KeyVerdict replace(QChar c) { return {Replace, c}; }
    static KeyVerdict discard() { return {Discard, {}}; }
};

using KeyFilter = std::function<KeyVerdict(char32_t code)>;

// The character code a key press types: 13 for Enter, 8 for Backspace, 3, 24
// and 22 for the copy, cut and paste shortcuts, the character itself
// otherwise; -1 for a key that types nothing (arrows, Delete, Shift...).
long TypedCharacterCode(const QKeyEvent* event);

// A text box whose every typed character passes its filter before it is
// inserted. Text that arrives by other means (the context menu) is not
// filtered.
class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(const QString& objectName, KeyFilter filter, QWidget* parent);

signals:
    // A typed character was discarded by the filter.
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    KeyFilter filter_;
};

}  // namespace asterine
