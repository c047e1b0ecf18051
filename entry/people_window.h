// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The People window: everyone the program remembers, found as the user
// types by name or place; opening a person fills the birth-details form.
// Import and export of CSV.

#include <QWidget>

#include "people/people_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace asterine {

class Shell;

class PeopleWindow : public QWidget {
    Q_OBJECT
public:
    explicit PeopleWindow(Shell& shell);

    // Reads the store again and shows everyone it holds.
    void reload();
    people::PeopleModel* model() const { return model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Tells what reading the store found wrong, over this window once it
    // is shown.
    void tellProblems();
    void openRow(int row);
    void openCurrent();
    void deleteCurrent();
    void importCsv();
    void exportCsv(bool selectedOnly);

    Shell& shell_;
    QLineEdit* txtSearch_ = nullptr;
    QTreeView* lstPeople_ = nullptr;
    people::PeopleModel* model_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QLabel* lblEmpty_ = nullptr;
    QString problem_;  // the store's, told once the window is shown
};

}  // namespace asterine
