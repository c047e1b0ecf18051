// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QWidget>

namespace asterine {

namespace {

// A drop-down list that a screen reader names by its accessible name
// ("Month of birth") and reads its choice as its value. On Linux Qt names a
// list by its current text, so six lists of numbers read alike. A list one
// may also type into ("Time zone of birth") has its text box as a second
// child, where the typing is read, and while it shows, the list of
// completions as a third: Qt keeps that popup out of the application's
// windows, so that a screen reader would find it nowhere else.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }

    // The list of choices, as Qt's own drop-down lists show it, then the
    // text box of a list one types into.
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> all = children();
        if (index < 0 || index >= all.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(all[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(child->object())) : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view() && list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    QList<QObject*> children() const {
        QList<QObject*> found;
        if (list()->view())
            found << list()->view();
        if (QLineEdit* box = list()->lineEdit()) {
            found << box;
            if (QCompleter* completer = list()->completer();
                completer && completer->popup() && completer->popup()->isVisible())
                found << completer->popup();
        }
        return found;
    }
};

// A form of the program's built on a plain QWidget is a window to a screen
// reader, as a dialog or a main window is; Qt would call it a filler. Qt's
// own windows built on QWidget (menus, lists) keep Qt's accessibility.
bool isPlainForm(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow() &&
           widget->metaObject()->superClass() == &QWidget::staticMetaObject &&
           QByteArray(widget->metaObject()->className()).startsWith("asterine::");
}

QAccessibleInterface* programAccessibles(const QString& className, QObject* object) {
    if (isPlainForm(object) && className == QLatin1String(object->metaObject()->className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QComboBox")) {
        auto* list = static_cast<QComboBox*>(object);
        if (!list->accessibleName().isEmpty())
            return new NamedListAccessible(list);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(&programAccessibles);
}

}  // namespace asterine
