// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QWidget>

namespace asterine {

namespace {

// A drop-down list that a screen reader names by its accessible name
// ("Month of birth") and reads its choice as its value. On Linux Qt names a
// list by its current text, so six lists of numbers read alike.
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
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        return s;
    }

    // The list of choices, as Qt's own drop-down lists show it.
    int childCount() const override { return list()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0 || !list()->view())
            return nullptr;
        return QAccessible::queryAccessibleInterface(list()->view());
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && list()->view() && child->object() == list()->view() ? 0 : -1;
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
        if (!list->isEditable() && !list->accessibleName().isEmpty())
            return new NamedListAccessible(list);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(&programAccessibles);
}

}  // namespace asterine
