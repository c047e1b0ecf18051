// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_form.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "formbase/form_font.h"
#include "formbase/link_label.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "stars/reading.h"
#include "web/brand.h"
#include "web/help_menus.h"
#include "web/links.h"
#include "web/strips.h"

namespace asterine {

namespace {

// One attribute of the reading: its caption, the label that shows its value
// and where both sit. The left column holds Latin Name, Designation,
// Gemstone, Plant, Keywords and Effect; the right column Position, Ruling
// Planet, Direction and Angel beside the first four rows. Effect's value is
// a box about four lines high reaching under the right column.
struct AttributeRow {
    stars::Attribute attribute;
    const char* captionName;
    const char* caption;
    const char* valueName;
    int row;
    int column;
    std::optional<LinkRole> link;  // the page a click on the caption opens
    bool spansRightColumn;
};

constexpr AttributeRow kAttributes[] = {
    {stars::Attribute::LatinName, "Label3", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Latin Name"),
     "lblLatinName", 0, 0, std::nullopt, false},
    {stars::Attribute::Designation, "Label7",
     QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Designation"), "lblDesignation", 1, 0, std::nullopt,
     false},
    {stars::Attribute::Gemstone, "Label9", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Gemstone"),
     "lblGemstone", 2, 0, std::nullopt, false},
    {stars::Attribute::Plant, "Label19", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Plant"),
     "lblPlant", 3, 0, LinkRole::CoBrandPage, false},
    {stars::Attribute::Position, "Label15", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Position"),
     "lblPosition", 0, 2, std::nullopt, false},
    {stars::Attribute::RulingPlanet, "Label17",
     QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Ruling Planet"), "lblRulingPlanet", 1, 2,
     std::nullopt, false},
    {stars::Attribute::Keywords, "dsds", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Keywords"),
     "lblKeywords", 4, 0, std::nullopt, false},
    {stars::Attribute::Effect, "Label11", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Effect"),
     "lblEffect", 5, 0, std::nullopt, true},
    {stars::Attribute::Angel, "Label21", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Angel"),
     "lblAngel", 3, 2, std::nullopt, false},
    {stars::Attribute::Direction, "Label5", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Direction"),
     "lblDirection", 2, 2, std::nullopt, false},
};
static_assert(std::size(kAttributes) == stars::attributeCount);

}  // namespace

FrmDisplay::FrmDisplay(Shell& shell) : QDialog(nullptr), shell_(shell) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(brand::windowCaption());
    setFont(formFont(8.25));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeForumBanner(this, *shell_.services().urls));

    auto* description = new QLabel(brand::description(), this);
    description->setObjectName(QStringLiteral("Label2"));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    description->setMinimumWidth(610);
    layout->addWidget(description);

    layout->addWidget(buildResultsFrame());

    auto* buttons = new QHBoxLayout;
    cmdExit_ = new QPushButton(tr("&Exit"), this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    cmdOK_ = new QPushButton(tr("&Back"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setMinimumWidth(260);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmDisplay::back);
    buttons->addStretch();
    buttons->addWidget(cmdExit_);
    buttons->addWidget(cmdOK_);
    buttons->addStretch();
    layout->addLayout(buttons);

    const PromotionStrip strip = makePromotionStrip(this, *shell_.services().urls);
    layout->addWidget(strip.frame);

    // The File menu clicks the form's buttons, so it comes after them.
    layout->setMenuBar(buildMenus());
    QWidget::setTabOrder(cmdExit_, cmdOK_);
    cmdExit_->setFocus();
}

QMenuBar* FrmDisplay::buildMenus() {
    auto* bar = new QMenuBar(this);

    addFileMenu(bar, this, tr("&Back"), "mnuFileBack", cmdOK_);
    addHelpAndDonateMenus(bar, *shell_.services().urls,
                          {tr("&Check for Software Update"), QStringLiteral("mnuFileSep1"),
                           QStringLiteral("mnuFileSep2")},
                          [this] { shell_.showAbout(this); });
    return bar;
}

QWidget* FrmDisplay::buildResultsFrame() {
    UrlOpener& urls = *shell_.services().urls;
    auto* frame = new QGroupBox(tr("Asterine Results"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(formFont(9, true));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { background: #1c2b5a; color: white; border: 1px solid #0d1533;"
        " border-radius: 3px; margin-top: 1.4em; padding: 6px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 8px; color: #1c2b5a; }"
        "QLabel { color: white; }"));
    auto* layout = new QVBoxLayout(frame);

    auto* fixedStar = new LinkLabel(QStringLiteral("Label1"), tr("Fixed Star"), false, frame);
    fixedStar->setFont(formFont(9, true, true));
    fixedStar->setAlignment(Qt::AlignCenter);
    connect(fixedStar, &LinkLabel::clicked, this,
            [&urls] { OpenLink(urls, LinkRole::FullyBrandedPage); });
    layout->addWidget(fixedStar);

    lblFixedStar_ = new QLabel(frame);
    lblFixedStar_->setObjectName(QStringLiteral("lblFixedStar"));
    lblFixedStar_->setTextFormat(Qt::PlainText);
    lblFixedStar_->setFont(formFont(9.75, true));
    lblFixedStar_->setStyleSheet(QStringLiteral("color: #ffffc0;"));
    lblFixedStar_->setAlignment(Qt::AlignCenter);
    lblFixedStar_->setWordWrap(true);
    layout->addWidget(lblFixedStar_);

    frmShow_ = new QWidget(frame);
    frmShow_->setObjectName(QStringLiteral("frmShow"));
    auto* grid = new QGridLayout(frmShow_);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (const AttributeRow& attribute : kAttributes) {
        auto* caption = new LinkLabel(QLatin1String(attribute.captionName), tr(attribute.caption),
                                      false, frmShow_);
        caption->setFont(formFont(9, true, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (const std::optional<LinkRole> role = attribute.link)
            connect(caption, &LinkLabel::clicked, this, [&urls, role] { OpenLink(urls, *role); });
        grid->addWidget(caption, attribute.row, attribute.column);

        auto* value = new QLabel(QLatin1String(attribute.valueName), frmShow_);
        value->setObjectName(QLatin1String(attribute.valueName));
        value->setTextFormat(Qt::PlainText);
        value->setFont(formFont(8.25, true));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (attribute.spansRightColumn) {
            value->setWordWrap(true);
            value->setMinimumHeight(value->fontMetrics().lineSpacing() * 4);
            grid->addWidget(value, attribute.row, attribute.column + 1, 1, 3);
        } else {
            grid->addWidget(value, attribute.row, attribute.column + 1);
        }
        attributeLabels_[static_cast<std::size_t>(attribute.attribute)] = value;
    }
    layout->addWidget(frmShow_);
    return frame;
}

void FrmDisplay::showReading(const stars::StarReading& reading) {
    lblFixedStar_->setText(QString::fromStdString(reading.starLine));
    for (std::size_t i = 0; i < attributeLabels_.size(); ++i)
        attributeLabels_[i]->setText(QString::fromStdString(reading.attributes[i]));
    frmShow_->setVisible(reading.frameShown);
}

void FrmDisplay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QAccessibleEvent announcement(lblFixedStar_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&announcement);
}

void FrmDisplay::back() {
    close();
    shell_.showMain();
    shell_.hideTellAFriend();
}

void FrmDisplay::reject() {
    cmdExit_->click();
}

void FrmDisplay::closeEvent(QCloseEvent* event) {
    shell_.showTellAFriend();
    event->accept();
}

}  // namespace asterine
