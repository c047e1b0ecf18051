// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The farewell window: asks the user to recommend the program to a friend,
// shows a support message and the maker's links, and ends the program when it
// is closed.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace asterine {

class Shell;

class FrmTellAFriend : public QDialog {
    Q_OBJECT
public:
    explicit FrmTellAFriend(Shell& shell);

public slots:
    void reject() override;

protected:
    // Closing the window ends the program.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildReferralFrame();
    QWidget* buildSoftwaresFrame();
    QLineEdit* field(const QString& name, const QString& placeholder, bool email, QWidget* parent);

    void visitHome();
    void submit();

    Shell& shell_;
    QLabel* Label2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QLineEdit* txtMessage_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
};

}  // namespace asterine
