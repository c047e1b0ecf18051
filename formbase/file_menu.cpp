// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_menu.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMenuBar>

namespace asterine {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("asterine::FileMenu", text);
}

}  // namespace

void addFileMenu(QMenuBar* bar, QWidget* form, const QString& firstCaption, const char* firstName,
                 QAbstractButton* first) {
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* firstItem = file->addAction(firstCaption);
    firstItem->setObjectName(QLatin1String(firstName));
    QObject::connect(firstItem, &QAction::triggered, first, &QAbstractButton::click);
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    QObject::connect(exit, &QAction::triggered, form, &QWidget::close);
}

}  // namespace asterine
