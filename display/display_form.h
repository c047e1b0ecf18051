// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The result form: the chosen fixed star and, for a principal star, its ten
// attributes. It is created for a reading and unloaded when the user leaves it.

#include <QDialog>

#include <array>

class QLabel;
class QMenuBar;
class QPushButton;

namespace stars {
struct StarReading;
}

namespace asterine {

class Shell;

class FrmDisplay : public QDialog {
    Q_OBJECT
public:
    explicit FrmDisplay(Shell& shell);

    // Fills every label and shows or hides the attribute frame.
    void showReading(const stars::StarReading& reading);

public slots:
    // Esc acts as a click on Exit.
    void reject() override;

protected:
    // Unloading the form shows the tell-a-friend form.
    void closeEvent(QCloseEvent* event) override;
    // Announces the star line to screen readers as the form comes up.
    void showEvent(QShowEvent* event) override;

private:
    QMenuBar* buildMenus();
    QWidget* buildResultsFrame();

    void back();

    Shell& shell_;
    QLabel* lblFixedStar_ = nullptr;
    QWidget* frmShow_ = nullptr;
    std::array<QLabel*, 10> attributeLabels_{};
    QPushButton* cmdExit_ = nullptr;
    // The Back button: its name is the one the form was specified with.
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace asterine
