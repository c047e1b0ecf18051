// SPDX-License-Identifier: GPL-3.0-or-later
#include "tell_a_friend_form.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "formbase/colours.h"
#include "formbase/file_menu.h"
#include "formbase/form_font.h"
#include "formbase/key_filter.h"
#include "formbase/link_label.h"
#include "formbase/placement.h"
#include "formbase/program_icon.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "referral.h"
#include "web/brand.h"
#include "web/links.h"

namespace asterine {

namespace {

// The text a field holds while nothing is typed in it: the field's own text,
// never Qt's grey hint.
const char* const kPlaceholderProperty = "farewellPlaceholder";

// The form is designed in black on white, with white on navy frames, on any
// desktop palette.
const QColor kNavy(0x00, 0x00, 0x80);

birth::KeyVerdict emailKey(char32_t code) {
    return code == U' ' ? birth::KeyVerdict::discard() : birth::KeyVerdict::pass();
}

}  // namespace

FrmTellAFriend::FrmTellAFriend(Shell& shell) : QDialog(nullptr), shell_(shell) {
    setObjectName(QStringLiteral("frmTellAFriend"));
    setWindowTitle(brand::windowCaption());
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    offerNoMaximise(this, Qt::Dialog, Qt::WindowStaysOnTopHint);
    // A light design on any desktop: every control, check box and buttons
    // included, takes a light palette, with the window white.
    setPalette(lightPalette());
    setColours(this, Qt::black, Qt::white);

    auto* columns = new QHBoxLayout(this);
    columns->setSizeConstraint(QLayout::SetFixedSize);
    auto* left = new QVBoxLayout;
    columns->addLayout(left);

    auto* title = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(programIcon().pixmap(scaled(36), scaled(36)));
    title->addWidget(picture);
    auto* heading = new QLabel(brand::windowCaption(), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(formFont(18));
    title->addWidget(heading);
    title->addStretch();
    left->addLayout(title);

    // The support message is drawn once for each load of the form.
    RandomSource& random = *shell_.services().random;
    random.seedFromTimer();
    const QStringList messages = brand::supportMessages();
    const int k = qBound(0, static_cast<int>(4 * random.draw()), 3);
    Label2_ = new QLabel(messages[k], this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setWordWrap(true);
    Label2_->setFont(formFont(9.75, true));
    Label2_->setMinimumWidth(scaled(470));
    left->addWidget(Label2_);

    Check1_ = new QCheckBox(tr("Click Here To Visit %1 Now").arg(brand::shownAddress()), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setFont(formFont(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    connect(Check1_, &QCheckBox::clicked, this, &FrmTellAFriend::visitHome);
    left->addWidget(Check1_);

    cmdClose_ = new QPushButton(tr("E&xit"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setAutoDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, [this] { shell_.endApplication(); });
    // The desktop's Quit key does what Exit does, wherever the focus is.
    auto* quit = new QAction(this);
    quit->setObjectName(QStringLiteral("quitKey"));
    quit->setShortcuts(quitKeys());
    connect(quit, &QAction::triggered, cmdClose_, &QPushButton::click);
    addAction(quit);
    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(cmdClose_);
    left->addLayout(exitRow);

    left->addWidget(buildReferralFrame());
    columns->addWidget(buildSoftwaresFrame());

    const QList<QWidget*> order = {cmdClose_, Check1_,         txtName_,      cmdSubmit_,
                                   txtEmail_, txtFriendEmail_, txtFriendName_};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    cmdClose_->setFocus();
}

QWidget* FrmTellAFriend::buildReferralFrame() {
    auto* frame = new QGroupBox(tr("Refer A Friend"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setFont(formFont(9.75, true));
    setColours(frame, Qt::white, kNavy);
    auto* grid = new QGridLayout(frame);
    const ReferralDetails placeholders = referralPlaceholders();
    txtName_ = field(QStringLiteral("txtName"), placeholders.senderName, false, frame);
    txtEmail_ = field(QStringLiteral("txtEmail"), placeholders.senderEmail, true, frame);
    txtFriendName_ = field(QStringLiteral("txtFriendName"), placeholders.friendName, false, frame);
    txtFriendEmail_ =
        field(QStringLiteral("txtFriendEmail"), placeholders.friendEmail, true, frame);
    grid->addWidget(txtName_, 0, 0);
    grid->addWidget(txtEmail_, 0, 1);
    grid->addWidget(txtFriendName_, 1, 0);
    grid->addWidget(txtFriendEmail_, 1, 1);

    cmdSubmit_ = new QPushButton(tr("Refer A Friend &Now"), frame);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setFont(formFont(8.25, true));
    cmdSubmit_->setAutoDefault(true);
    connect(cmdSubmit_, &QPushButton::clicked, this, &FrmTellAFriend::submit);
    grid->addWidget(cmdSubmit_, 2, 0, 1, 2, Qt::AlignHCenter);

    // The message field is never shown and takes no focus, so its initial
    // text always goes out with the referral.
    txtMessage_ = new QLineEdit(frame);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setText(placeholders.message + QStringLiteral("\r\n"));
    txtMessage_->setFocusPolicy(Qt::NoFocus);
    txtMessage_->setVisible(false);
    return frame;
}

QWidget* FrmTellAFriend::buildSoftwaresFrame() {
    auto* frame = new QGroupBox(tr("Download Quorvane Softwares"), this);
    frame->setObjectName(QStringLiteral("Frame6"));
    frame->setFont(formFont(9.75, true));
    setColours(frame, Qt::white, kNavy);
    auto* layout = new QVBoxLayout(frame);
    auto* paragraph = new QLabel(brand::softwaresParagraph(), frame);
    paragraph->setObjectName(QStringLiteral("Label3"));
    paragraph->setWordWrap(true);
    paragraph->setFont(formFont(9));
    layout->addWidget(paragraph);
    layout->addStretch();
    auto* goToHome = new LinkLabel(QStringLiteral("lblGoToHome"),
                                   tr("Click Here To Visit Quorvane Softwares"), true, frame);
    goToHome->setFont(formFont(9, true, true));
    goToHome->setWordWrap(true);
    setAccentColour(goToHome, Qt::yellow);
    connect(goToHome, &LinkLabel::clicked, this,
            [this] { OpenLink(*shell_.services().urls, LinkRole::SoftwaresPage); });
    layout->addWidget(goToHome);
    // The column's width, or its title's where the language's is longer.
    frame->setFixedWidth(std::max(scaled(250), frame->minimumSizeHint().width()));
    return frame;
}

QLineEdit* FrmTellAFriend::field(const QString& name, const QString& placeholder, bool email,
                                 QWidget* parent) {
    auto* box =
        new FilteredLineEdit(name, email ? birth::KeyFilter(emailKey) : birth::KeyFilter(), parent);
    box->setText(placeholder);
    box->setAccessibleName(placeholder);
    box->setProperty(kPlaceholderProperty, placeholder);
    box->setFont(formFont(8.25));
    setColours(box, Qt::black, Qt::white);
    box->setMinimumWidth(scaled(210));
    box->installEventFilter(this);
    if (email) {
        connect(box, &FilteredLineEdit::keyRefused, this, [this, box] {
            shell_.services().messages->show(this, tr("Email Address Cannot Contain Space"),
                                             MessageIcon::Critical);
            box->setFocus();
        });
    }
    return box;
}

bool FrmTellAFriend::eventFilter(QObject* watched, QEvent* event) {
    // A field holds its placeholder while nothing is typed in it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            const QString placeholder = box->property(kPlaceholderProperty).toString();
            const QString text = trimBlanks(box->text());
            if (event->type() == QEvent::FocusIn && text == placeholder)
                box->clear();
            else if (event->type() == QEvent::FocusOut && text.isEmpty())
                box->setText(placeholder);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmTellAFriend::visitHome() {
    if (!Check1_->isChecked())
        return;
    Check1_->setChecked(false);
    OpenLink(*shell_.services().urls, LinkRole::HomePage);
}

void FrmTellAFriend::submit() {
    const ReferralDetails details{trimBlanks(txtName_->text()), trimBlanks(txtEmail_->text()),
                                  trimBlanks(txtMessage_->text()),
                                  trimBlanks(txtFriendName_->text()),
                                  trimBlanks(txtFriendEmail_->text())};
    SubmitReferral(details, *shell_.services().messages, *shell_.services().urls, this);
}

void FrmTellAFriend::keyPressEvent(QKeyEvent* event) {
    // The form has no default button. A focused button takes Enter itself;
    // Enter anywhere else (a text box, the check box) does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmTellAFriend::reject() {
    // The form has no cancel button: Esc does nothing.
}

void FrmTellAFriend::closeEvent(QCloseEvent* event) {
    event->accept();
    shell_.endApplication();
}

}  // namespace asterine
