// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_form.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "birth/birth_details.h"
#include "birth/details_moment.h"
#include "chart_saving.h"
#include "chart_view.h"
#include "document/document_file.h"
#include "document/paged_document.h"
#include "document/reading_document.h"
#include "document/sky_document.h"
#include "formbase/colours.h"
#include "formbase/file_menu.h"
#include "formbase/form_font.h"
#include "formbase/last_folder.h"
#include "formbase/link_label.h"
#include "formbase/notice.h"
#include "formbase/placement.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "language/translation.h"
#include "sky/birth_sky.h"
#include "skychart/chart_data.h"
#include "skychart/chart_picture.h"
#include "skychart/chart_texts.h"
#include "stars/lore.h"
#include "stars/reading.h"
#include "web/brand.h"
#include "web/help_menus.h"
#include "web/links.h"
#include "web/strips.h"

namespace asterine {

namespace {

const QColor kNightBlue(0x1c, 0x2b, 0x5a);

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

FrmDisplay::FrmDisplay(Shell& shell) : shell_(shell) {
    // An ordinary window of its own, with no owner: the desktop gives it a
    // taskbar entry and a minimise button, as for the birth-details form,
    // and no maximise button, as it keeps one size.
    offerNoMaximise(this);
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(brand::windowCaption());
    setFont(formFont(8.25));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeForumBanner(this, *shell_.services().urls));

    layout->addWidget(makeDescription(this, QStringLiteral("Label2"), scaled(610)));

    // The reading, and beside it the birth's sky: its Sky section and its
    // two pictures, one at a time, the Sky section first.
    auto* results = new QHBoxLayout;
    QWidget* reading = buildResultsFrame();
    results->addWidget(reading, 0, Qt::AlignTop);
    results->addWidget(buildChartPane(buildSkyFrame(reading->sizeHint().width())));
    layout->addLayout(results);

    auto* buttons = new QHBoxLayout;
    cmdExit_ = new QPushButton(tr("&Exit"), this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    cmdExit_->setAutoDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    cmdOK_ = new QPushButton(tr("&Back"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(true);
    cmdOK_->setMinimumWidth(scaled(260));
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
    QWidget::setTabOrder(cmdOK_, chartTabs_);
    cmdExit_->setFocus();
    fitChartPane();
}

QList<QAction*> FrmDisplay::buildKeepingActions() {
    // Each takes the desktop's own key where there is one; the menu shows it.
    const auto item = [this](const QString& caption, const char* name,
                             const QList<QKeySequence>& keys, std::function<void()> handler) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, std::move(handler));
        return action;
    };
    return {
        item(tr("&Print..."), "mnuPrint", QKeySequence::keyBindings(QKeySequence::Print),
             [this] { print(); }),
        item(tr("Print Pre&view..."), "mnuPrintPreview", {}, [this] { preview(); }),
        item(tr("&Export as PDF..."), "mnuExportPdf", {QKeySequence(Qt::CTRL | Qt::Key_E)},
             [this] { saveAs(FileKind::Pdf); }),
        item(tr("&Save as Text..."), "mnuSaveText", QKeySequence::keyBindings(QKeySequence::Save),
             [this] { saveAs(FileKind::Text); }),
        item(tr("&Copy Reading"), "mnuCopyReading", QKeySequence::keyBindings(QKeySequence::Copy),
             [this] { copyReading(); }),
        item(tr("Save C&hart..."), "mnuSaveChart", {}, [this] { saveChart(); }),
    };
}

QMenuBar* FrmDisplay::buildMenus() {
    auto* bar = new QMenuBar(this);

    addFileMenu(bar, this, tr("&Back"), "mnuFileBack", cmdOK_, buildKeepingActions());
    addChartMenus(bar);
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
    setAccentColour(frame, kNightBlue);
    auto* frameLayout = new QVBoxLayout(frame);

    // The results in white and light yellow on night blue, on any palette.
    auto* panel = new QFrame(frame);
    setColours(panel, Qt::white, kNightBlue);
    frameLayout->addWidget(panel);
    auto* layout = new QVBoxLayout(panel);

    auto* fixedStar = new LinkLabel(QStringLiteral("Label1"), tr("Fixed Star"), false, panel);
    fixedStar->setFont(formFont(9, true, true));
    fixedStar->setAlignment(Qt::AlignCenter);
    connect(fixedStar, &LinkLabel::clicked, this,
            [&urls] { OpenLink(urls, LinkRole::FullyBrandedPage); });
    layout->addWidget(fixedStar);

    lblFixedStar_ = new QLabel(panel);
    lblFixedStar_->setObjectName(QStringLiteral("lblFixedStar"));
    lblFixedStar_->setTextFormat(Qt::PlainText);
    lblFixedStar_->setFont(formFont(9.75, true));
    setAccentColour(lblFixedStar_, QColor(0xff, 0xff, 0xc0));
    lblFixedStar_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblFixedStar_->setWordWrap(true);
    lblFixedStar_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(lblFixedStar_);

    frmShow_ = new QWidget(panel);
    frmShow_->setObjectName(QStringLiteral("frmShow"));
    // Hidden, the frame leaves its place empty: the window keeps one size.
    QSizePolicy keep = frmShow_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    frmShow_->setSizePolicy(keep);
    auto* grid = new QGridLayout(frmShow_);
    grid->setContentsMargins(0, scaled(8), 0, 0);
    grid->setHorizontalSpacing(scaled(10));
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
            value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            grid->addWidget(value, attribute.row, attribute.column + 1, 1, 3);
        } else {
            grid->addWidget(value, attribute.row, attribute.column + 1);
        }
        attributeLabels_[static_cast<std::size_t>(attribute.attribute)] = value;
    }
    // Whatever lies beyond the four columns takes the spare width.
    grid->setColumnStretch(4, 1);
    fixLayout(grid);
    layout->addWidget(frmShow_);
    return frame;
}

void FrmDisplay::fixLayout(QGridLayout* grid) {
    // Every column is as wide as its widest text over all the lore, and the
    // effect box and the star line as tall as their longest text: the window
    // keeps one size and its columns one place, whatever the reading.
    std::array<int, 4> widths{};
    QString longestEffect;
    const auto widen = [&](int column, const QFontMetrics& metrics, const QString& text) {
        // As a label measures itself: shaped scripts (Devanagari, Arabic)
        // can draw wider than their advance.
        const int drawn =
            metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextSingleLine, text).width();
        widths[column] = std::max({widths[column], metrics.horizontalAdvance(text), drawn});
    };
    const QFontMetrics captionMetrics(formFont(9, true, true));
    for (const AttributeRow& attribute : kAttributes) {
        const QLabel* value = attributeLabels_[static_cast<std::size_t>(attribute.attribute)];
        widen(attribute.column, captionMetrics, tr(attribute.caption));
        if (attribute.spansRightColumn)
            continue;
        // The values as the reader sees them, in their language.
        widen(attribute.column + 1, value->fontMetrics(),
              translation::loreText(stars::NotAvailableMark));
        for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore())
            widen(attribute.column + 1, value->fontMetrics(),
                  translation::shownValue(attribute.attribute,
                                          stars::loreValue(star, attribute.attribute)));
    }
    for (int column = 0; column < 4; ++column)
        grid->setColumnMinimumWidth(column, widths[column]);
    if (isRightToLeft()) {
        // The position kept left to right draws its marks in a font of their
        // own: its row is as tall as the tallest of them, whatever the star.
        QLabel* position = attributeLabels_[static_cast<std::size_t>(stars::Attribute::Position)];
        QLabel probe;
        probe.setFont(position->font());
        int height = 0;
        for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore()) {
            probe.setText(document::anglesLeftToRight(translation::shownValue(
                stars::Attribute::Position, stars::loreValue(star, stars::Attribute::Position))));
            height = std::max(height, probe.sizeHint().height());
        }
        probe.setText(translation::loreText(stars::NotAvailableMark));
        position->setMinimumHeight(std::max(height, probe.sizeHint().height()));
    }

    QLabel* effect = attributeLabels_[static_cast<std::size_t>(stars::Attribute::Effect)];
    const int effectWidth = widths[1] + widths[2] + widths[3] + 2 * grid->horizontalSpacing();
    int effectHeight = effect->fontMetrics().lineSpacing() * 4;
    for (const stars::PrincipalStar& star : stars::FillPrincipalStarLore()) {
        // The longest effect in the reader's language sets the height.
        const QString text =
            translation::loreText(stars::loreValue(star, stars::Attribute::Effect));
        effectHeight = std::max(effectHeight, effect->fontMetrics()
                                                  .boundingRect(QRect(0, 0, effectWidth, 1 << 20),
                                                                Qt::TextWordWrap, text)
                                                  .height());
    }
    effect->setFixedHeight(effectHeight);

    const int rowWidth = widths[0] + effectWidth + grid->horizontalSpacing();
    const QString twoLines = QStringLiteral("M\n") + translation::loreText(stars::laterVersionText);
    lblFixedStar_->setFixedHeight(
        lblFixedStar_->fontMetrics()
            .boundingRect(QRect(0, 0, rowWidth, 1 << 20), Qt::TextWordWrap, twoLines)
            .height());
}

void FrmDisplay::showReading(const stars::StarReading& english) {
    // The lore in the reader's language; the star's name as it is.
    const stars::StarReading reading = translation::localised(english);
    lblFixedStar_->setText(QString::fromStdString(reading.starLine));
    for (std::size_t i = 0; i < attributeLabels_.size(); ++i) {
        QString value = QString::fromStdString(reading.attributes[i]);
        // A position reads "15°19" from the left, as the angles on the
        // birth-details form do, on a right-to-left desktop too.
        if (isRightToLeft() && static_cast<stars::Attribute>(i) == stars::Attribute::Position)
            value = document::anglesLeftToRight(value);
        attributeLabels_[i]->setText(value);
    }
    frmShow_->setVisible(reading.frameShown);
    // The star as its tables spell it, the line's first line, for the
    // pictures once the sky is worked out.
    const std::string& line = english.starLine;
    chartStar_ = line.substr(0, line.find_first_of("\r\n"));
    startSky();
}

stars::StarReading FrmDisplay::shownReading() const {
    stars::StarReading reading;
    reading.starLine = lblFixedStar_->text().toStdString();
    for (std::size_t i = 0; i < attributeLabels_.size(); ++i)
        reading.attributes[i] = attributeLabels_[i]->text().toStdString();
    reading.frameShown = !frmShow_->isHidden();
    return reading;
}

document::ReadingDocument FrmDisplay::readingDocument() const {
    // The sky the window shows, when it is worked out; until then the
    // document works it out itself, the same.
    document::SkyOptions sky;
    sky.sky = sky_.get();
    return document::makeDocument(shownReading(), shell_.birthDetails(),
                                  shell_.services().clock->now().date(), QLocale(), sky);
}

QWidget* FrmDisplay::buildSkyFrame(int readingWidth) {
    // Untitled: its tab names it.
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("frmSky"));
    frame->setFont(formFont(9, true));
    setAccentColour(frame, kNightBlue);
    auto* frameLayout = new QVBoxLayout(frame);

    // As tall as the reading beside it; its lines scroll.
    auto* scroll = new QScrollArea(frame);
    scroll->setObjectName(QStringLiteral("scrSky"));
    scroll->setAccessibleName(tr("Sky"));
    scroll->setWidgetResizable(true);
    // A line too wide for a narrowed section scrolls rather than being cut.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // One width whatever its lines, so that the window keeps one size; with
    // a large desktop font it gives up width (its lines wrap) for the
    // window to stay on the screen, its frame and margins beside it.
    int width = scaled(420);
    if (const QScreen* shownOn = screen()) {
        const int room =
            shownOn->availableGeometry().width() - readingWidth - std::max(scaled(48), 80);
        width = std::clamp(room, scaled(200), width);
    }
    scroll->setFixedWidth(width);
    scroll->setMinimumHeight(scaled(120));
    scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    setColours(scroll, Qt::white, kNightBlue);
    frameLayout->addWidget(scroll);

    auto* panel = new QWidget;
    setColours(panel, Qt::white, kNightBlue);
    auto* lines = new QVBoxLayout(panel);
    lblSkyStatus_ = new QLabel(panel);
    lblSkyStatus_->setObjectName(QStringLiteral("lblSkyStatus"));
    lblSkyStatus_->setTextFormat(Qt::PlainText);
    lblSkyStatus_->setFont(formFont(8.25, true));
    lines->addWidget(lblSkyStatus_);
    skyLines_ = new QWidget(panel);
    skyLines_->setObjectName(QStringLiteral("skyLines"));
    new QVBoxLayout(skyLines_);
    skyLines_->layout()->setContentsMargins(0, 0, 0, 0);
    lines->addWidget(skyLines_);
    lines->addStretch();
    scroll->setWidget(panel);
    return frame;
}

void FrmDisplay::startSky() {
    // The sky takes the engine a while (every catalogue star's place, a
    // year of the Sun for the star's phase): it is worked out off the
    // window's thread, once for each reading shown.
    const int round = ++skyRound_;
    sky_.reset();
    qDeleteAll(skyLines_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    lblSkyStatus_->setText(tr("Working out the sky\u2026"));
    lblSkyStatus_->show();
    // The pictures come with the sky.
    const QStringList working{lblSkyStatus_->text()};
    wheelView_->setPicture(nullptr, working, tr("Wheel of the birth's sky"));
    horizonView_->setPicture(nullptr, working, skychart::ChartTexts::horizonTitle());

    const birth::BirthDetails details = shell_.birthDetails();
    QString star = lblFixedStar_->text();
    star = star.left(star.indexOf(QLatin1Char('\r')));
    using Result = std::shared_ptr<const sky::BirthSky>;
    auto* watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, round] {
        watcher->deleteLater();
        if (round != skyRound_)
            return;  // worked out for a reading no longer shown
        sky_ = watcher->result();
        showSky();
        showChart();
    });
    watcher->setFuture(QtConcurrent::run([details, star] {
        return Result(std::make_shared<const sky::BirthSky>(
            document::workOutSky(details, star, document::SkyOptions())));
    }));
}

void FrmDisplay::showSky() {
    // The document's own lines, so that the window and the paper agree.
    const document::ReadingDocument reading = readingDocument();
    qDeleteAll(skyLines_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    auto* layout = static_cast<QVBoxLayout*>(skyLines_->layout());
    const auto text = [this](const QString& value, double points, bool heading) {
        auto* label = new QLabel(value, skyLines_);
        label->setTextFormat(Qt::PlainText);
        label->setFont(formFont(points, true, false));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (heading)
            setAccentColour(label, QColor(0xff, 0xff, 0xc0));
        return label;
    };
    // The moment of birth heads the sky, as the time line of the document
    // gives it.
    if (!reading.birthTime.caption.isEmpty()) {
        QLabel* moment =
            text(reading.birthTime.caption + QStringLiteral(": ") + reading.birthTime.value, 8.25,
                 false);
        moment->setObjectName(QStringLiteral("lblSkyMoment"));
        layout->addWidget(moment);
    }
    int section = 0;
    for (const document::SkySection& part : reading.sky) {
        QLabel* title = text(part.title, 9, true);
        title->setObjectName(QStringLiteral("lblSkySection%1").arg(section));
        layout->addWidget(title);
        if (!part.note.isEmpty())
            layout->addWidget(text(part.note, 8.25, false));
        auto* rows = new QWidget(skyLines_);
        auto* grid = new QGridLayout(rows);
        grid->setContentsMargins(0, 0, 0, scaled(6));
        grid->setHorizontalSpacing(scaled(8));
        grid->setVerticalSpacing(scaled(2));
        int row = 0;
        for (const document::Field& field : part.fields) {
            QLabel* caption = text(field.caption, 8.25, false);
            caption->setParent(rows);
            caption->setWordWrap(false);
            QFont underlined = caption->font();
            underlined.setUnderline(true);
            caption->setFont(underlined);
            QLabel* value = text(field.value, 8.25, false);
            value->setParent(rows);
            // A screen reader reads each line whole.
            value->setAccessibleName(field.caption + QStringLiteral(": ") + field.value);
            grid->addWidget(caption, row, 0);
            grid->addWidget(value, row, 1);
            ++row;
        }
        grid->setColumnStretch(1, 1);
        layout->addWidget(rows);
        ++section;
    }
    for (const QString& note : reading.skyNotes)
        layout->addWidget(text(note, 8.25, false));
    lblSkyStatus_->hide();
}

bool FrmDisplay::skyShown() const {
    return sky_ && lblSkyStatus_->isHidden();
}

void FrmDisplay::print() {
    shell_.services().printing->print(this, readingDocument(), chartPictures());
}

void FrmDisplay::preview() {
    shell_.services().printing->preview(this, readingDocument(), chartPictures());
}

void FrmDisplay::saveAs(FileKind kind) {
    const document::ReadingDocument reading = readingDocument();
    const bool pdf = kind == FileKind::Pdf;
    const QString extension = pdf ? QStringLiteral("pdf") : QStringLiteral("txt");
    const SettingsLocation& settings = *shell_.services().settings;
    const QString folder = lastFolder(settings, FolderUse::Readings);
    QString path = shell_.services().files->saveFileName(
        this, pdf ? tr("Export the Reading as PDF") : tr("Save the Reading as Text"),
        QDir(folder).filePath(document::suggestedFileName(reading, extension)),
        pdf ? tr("PDF documents (*.pdf)") : tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + extension;
    rememberFolder(settings, FolderUse::Readings, path);
    const QByteArray bytes =
        pdf ? document::toPdf(reading, document::pageSizeFor(QLocale()), chartPictures())
            : document::toText(reading).toUtf8();
    if (const std::optional<QString> problem = document::saveFile(path, bytes))
        shell_.services().messages->show(this, *problem, MessageIcon::Critical);
}

void FrmDisplay::copyReading() {
    const document::ReadingDocument reading = readingDocument();
    auto* data = new QMimeData;
    data->setText(document::toText(reading));
    data->setHtml(document::toHtml(reading));
    QGuiApplication::clipboard()->setMimeData(data);
    showNotice(this, tr("The reading is copied."));
}

QWidget* FrmDisplay::buildChartPane(QWidget* skyFrame) {
    // The Sky section, the wheel and the day over the birthplace, one at a
    // time, as tall as the reading beside them.
    chartTabs_ = new QTabWidget(this);
    chartTabs_->setObjectName(QStringLiteral("tabChart"));
    // Every tab's caption whole, in every language: the pane is never
    // narrower than its tabs.
    chartTabs_->setUsesScrollButtons(false);
    chartTabs_->setElideMode(Qt::ElideNone);
    chartTabs_->addTab(skyFrame, tr("Sky"));
    wheelView_ = new ChartView(chartTabs_);
    wheelView_->setObjectName(QStringLiteral("chartWheel"));
    horizonView_ = new ChartView(chartTabs_);
    horizonView_->setObjectName(QStringLiteral("chartHorizon"));
    chartTabs_->addTab(wheelView_, tr("Wheel"));
    chartTabs_->addTab(horizonView_, tr("Horizon"));
    // The window is as large as the page shown asks: the Sky section asks
    // as much height as the wheel at its width, so that the window keeps
    // one size whichever tab is shown.
    skyFrame->setMinimumHeight(wheelView_->heightForWidth(skyFrame->sizeHint().width()));
    return chartTabs_;
}

void FrmDisplay::fitChartPane() {
    // The pictures widen the window; with large type they take no more than
    // the screen leaves beside the reading, down to their smallest.
    const QScreen* shown = screen();
    if (!shown)
        return;
    const int room = shown->availableGeometry().width() - scaled(24);  // the window's frame
    const int excess = sizeHint().width() - room;
    if (excess > 0)
        chartTabs_->setMaximumWidth(std::max(chartTabs_->minimumSizeHint().width(),
                                             chartTabs_->sizeHint().width() - excess));
}

void FrmDisplay::addChartMenus(QMenuBar* bar) {
    QMenu* edit = bar->addMenu(tr("Ed&it"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* copy = edit->addAction(tr("&Copy Chart"));
    copy->setObjectName(QStringLiteral("mnuCopyChart"));
    connect(copy, &QAction::triggered, this, &FrmDisplay::copyChart);
}

void FrmDisplay::showChart() {
    // The sky worked out for the reading, as the birth-details form gives
    // the birth; without a time or a place the pictures show what they can.
    if (!sky_)
        return;
    const birth::BirthDetails details = shell_.birthDetails();
    const birth::MomentResult moment = birth::momentOfDetails(details);
    const sky::BirthSkyRequest request = birth::skyRequest(details, moment.moment, chartStar_);
    const skychart::ChartData data = skychart::chartData(request, *sky_);
    wheelView_->setPicture(std::make_shared<skychart::WheelPainter>(data),
                           skychart::wheelLines(data), tr("Wheel of the birth's sky"));
    horizonView_->setPicture(std::make_shared<skychart::HorizonPainter>(data),
                             skychart::horizonLines(data), skychart::ChartTexts::horizonTitle());
}

std::vector<const skychart::ChartPicture*> FrmDisplay::chartPictures() const {
    std::vector<const skychart::ChartPicture*> pictures;
    for (const ChartView* view : {wheelView_, horizonView_}) {
        if (view->picture())
            pictures.push_back(view->picture());
    }
    return pictures;
}

ChartView* FrmDisplay::shownChart() const {
    return chartTabs_->currentWidget() == horizonView_ ? horizonView_ : wheelView_;
}

void FrmDisplay::saveChart() {
    // The picture on show, as SVG or, by its name's extension, as PNG.
    const ChartView* view = shownChart();
    if (!view->picture())
        return;
    const SettingsLocation& settings = *shell_.services().settings;
    const QString folder = lastFolder(settings, FolderUse::Readings);
    const QString suggested = document::suggestedFileName(readingDocument(), QStringLiteral("svg"));
    QString path = shell_.services().files->saveFileName(
        this, tr("Save the Chart"), QDir(folder).filePath(suggested),
        tr("SVG pictures (*.svg)") + QStringLiteral(";;") + tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    path = withChartExtension(path);
    // A PNG picture is as many pixels wide as the user asks, the last width
    // asked offered again; cancelled, nothing is saved.
    int width = rememberedChartWidth(settings);
    if (chartFileKind(path) == ChartFileKind::Png) {
        width = shell_.services().pictureSizes->pixelWidth(this, width, view->picture()->aspect());
        if (width <= 0)
            return;
        rememberChartWidth(settings, width);
    }
    rememberFolder(settings, FolderUse::Readings, path);
    const QString problem = saveChartFile(*view->picture(), path, view->accessibleName(), width);
    if (!problem.isEmpty())
        shell_.services().messages->show(this, problem, MessageIcon::Critical);
}

void FrmDisplay::copyChart() {
    // The wheel as a picture, and its lines as text for where no picture goes.
    if (!wheelView_->picture())
        return;
    auto* data = new QMimeData;
    data->setImageData(chartImage(*wheelView_->picture()));
    data->setText(wheelView_->lines().join(QLatin1Char('\n')));
    QGuiApplication::clipboard()->setMimeData(data);
    showNotice(this, tr("The chart is copied."));
}

void FrmDisplay::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QAccessibleEvent announcement(lblFixedStar_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&announcement);
}

void FrmDisplay::back() {
    close();
    shell_.showMain();
    shell_.hideTellAFriend();
}

void FrmDisplay::keyPressEvent(QKeyEvent* event) {
    // Exit is the default and the cancel button: Esc always, and Enter
    // unless a focused button took it, act as Exit.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            cmdExit_->click();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void FrmDisplay::closeEvent(QCloseEvent* event) {
    shell_.showTellAFriend();
    event->accept();
}

}  // namespace asterine
