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

#include "app/services.h"
#include "app/shell.h"
#include "app/widgets.h"
#include "stars/reading.h"
#include "web/brand.h"
#include "web/help_menus.h"
#include "web/links.h"
#include "web/strips.h"

namespace asterine {

namespace {

struct AttributeRow {
    const char* captionName;
    const char* caption;
    const char* valueName;
};

// In the order the reading fills them.
constexpr AttributeRow kAttributes[10] = {
    {"Label3", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Latin Name"), "lblLatinName"},
    {"Label7", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Designation"), "lblDesignation"},
    {"Label9", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Gemstone"), "lblGemstone"},
    {"Label19", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Plant"), "lblPlant"},
    {"Label15", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Position"), "lblPosition"},
    {"Label17", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Ruling Planet"), "lblRulingPlanet"},
    {"dsds", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Keywords"), "lblKeywords"},
    {"Label11", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Effect"), "lblEffect"},
    {"Label21", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Angel"), "lblAngel"},
    {"Label5", QT_TRANSLATE_NOOP("asterine::FrmDisplay", "Direction"), "lblDirection"},
};

// Where each attribute sits: left column Latin Name, Designation, Gemstone,
// Plant, Keywords, Effect; right column Position, Ruling Planet, Direction,
// Angel beside the first four rows.
struct Place {
    int row;
    int column;
};
constexpr Place kPlaces[10] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 2},
                               {1, 2}, {4, 0}, {5, 0}, {3, 2}, {2, 2}};

}  // namespace

FrmDisplay::FrmDisplay(Shell& shell) : QDialog(nullptr), shell_(shell) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(brand::windowCaption());
    setFont(FormFont(8.25));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(buildMenus());
    layout->addWidget(MakeForumBanner(this, *shell_.services().urls));

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

    const PromotionStrip strip = MakePromotionStrip(this, *shell_.services().urls);
    layout->addWidget(strip.frame);

    QWidget::setTabOrder(cmdExit_, cmdOK_);
    cmdExit_->setFocus();
}

QMenuBar* FrmDisplay::buildMenus() {
    auto* bar = new QMenuBar(this);

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(tr("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, [this] { cmdOK_->click(); });
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    AddHelpAndDonateMenus(bar, *shell_.services().urls,
                          {tr("&Check for Software Update"), QStringLiteral("mnuFileSep1"),
                           QStringLiteral("mnuFileSep2")},
                          [this] { shell_.showAbout(this); });
    return bar;
}

QWidget* FrmDisplay::buildResultsFrame() {
    UrlOpener& urls = *shell_.services().urls;
    auto* frame = new QGroupBox(tr("Asterine Results"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(FormFont(9, true));
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { background: #1c2b5a; color: white; border: 1px solid #0d1533;"
        " border-radius: 3px; margin-top: 1.4em; padding: 6px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 8px; color: #1c2b5a; }"
        "QLabel { color: white; }"));
    auto* layout = new QVBoxLayout(frame);

    auto* fixedStar = new LinkLabel(QStringLiteral("Label1"), tr("Fixed Star"), false, frame);
    fixedStar->setFont(FormFont(9, true, true));
    fixedStar->setAlignment(Qt::AlignCenter);
    connect(fixedStar, &LinkLabel::clicked, this,
            [&urls] { OpenLink(urls, LinkRole::FullyBrandedPage); });
    layout->addWidget(fixedStar);

    lblFixedStar_ = new QLabel(frame);
    lblFixedStar_->setObjectName(QStringLiteral("lblFixedStar"));
    lblFixedStar_->setTextFormat(Qt::PlainText);
    lblFixedStar_->setFont(FormFont(9.75, true));
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
    for (std::size_t i = 0; i < std::size(kAttributes); ++i) {
        const AttributeRow& attribute = kAttributes[i];
        LinkLabel* caption = new LinkLabel(QLatin1String(attribute.captionName),
                                           tr(attribute.caption), false, frmShow_);
        caption->setFont(FormFont(9, true, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* value = new QLabel(QLatin1String(attribute.valueName), frmShow_);
        value->setObjectName(QLatin1String(attribute.valueName));
        value->setTextFormat(Qt::PlainText);
        value->setFont(FormFont(8.25, true));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        attributeLabels_[i] = value;

        const Place place = kPlaces[i];
        grid->addWidget(caption, place.row, place.column);
        if (static_cast<stars::Attribute>(i) == stars::Attribute::Effect) {
            // The effect is a box about four lines high, reaching under the
            // right column, in which long text wraps.
            value->setWordWrap(true);
            value->setMinimumHeight(value->fontMetrics().lineSpacing() * 4);
            grid->addWidget(value, place.row, place.column + 1, 1, 3);
        } else {
            grid->addWidget(value, place.row, place.column + 1);
        }
        if (QLatin1String(attribute.captionName) == QLatin1String("Label19"))
            connect(caption, &LinkLabel::clicked, this,
                    [&urls] { OpenLink(urls, LinkRole::CoBrandPage); });
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
