// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu that the birth-details and result forms share.

#include <QKeySequence>
#include <QList>
#include <QString>

class QAbstractButton;
class QAction;
class QMenuBar;
class QWidget;

namespace asterine {

// The desktop's keys for quitting a program; Ctrl+Q where the platform
// names none (Linux desktops use it, whatever their theme says).
QList<QKeySequence> quitKeys();

// Adds "&File" to `bar`: the items `before`, if any, set off by a
// separator; then an item named `firstName` that clicks `first`, exactly as
// if the button had been pressed; then "E&xit" (`mnuExit`), which closes
// `form`.
void addFileMenu(QMenuBar* bar, QWidget* form, const QString& firstCaption, const char* firstName,
                 QAbstractButton* first, const QList<QAction*>& before = {});

}  // namespace asterine
