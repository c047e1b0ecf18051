// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_menu.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenuBar>

namespace asterine {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::FileMenu)
};

}  // namespace

QList<QKeySequence> quitKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (keys.isEmpty())
        keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    return keys;
}

void addFileMenu(QMenuBar* bar, QWidget* form, const QString& firstCaption, const char* firstName,
                 QAbstractButton* first, const QList<QAction*>& before) {
    QMenu* file = bar->addMenu(Texts::tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    if (!before.isEmpty()) {
        file->addActions(before);
        file->addSeparator();
    }
    QAction* firstItem = file->addAction(firstCaption);
    firstItem->setObjectName(QLatin1String(firstName));
    QObject::connect(firstItem, &QAction::triggered, first, &QAbstractButton::click);
    QAction* exit = file->addAction(Texts::tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // The desktop's Quit key, wherever the focus is on the form: a shortcut,
    // never a character typed into a box.
    exit->setShortcuts(quitKeys());
    exit->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(exit, &QAction::triggered, form, &QWidget::close);
}

}  // namespace asterine
