// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_form.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include "atlas/atlas.h"
#include "birth/birth_details.h"
#include "birth/birth_rules.h"
#include "birth/calendar.h"
#include "birth/details_moment.h"
#include "birth/key_rules.h"
#include "birth/moment.h"
#include "birth/zone.h"
#include "browser/browser_search.h"
#include "document/reading_document.h"
#include "formbase/colours.h"
#include "formbase/file_menu.h"
#include "formbase/form_font.h"
#include "formbase/key_filter.h"
#include "formbase/link_label.h"
#include "formbase/notice.h"
#include "formbase/placement.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "people/people_store.h"
#include "people/person_rules.h"
#include "place_suggestions.h"
#include "stars/engine.h"
#include "web/brand.h"
#include "web/help_menus.h"
#include "web/links.h"
#include "web/strips.h"

namespace asterine {

namespace {

// The list of zones, read from the system's tzdata when the list is first
// opened or reached, rather than at start-up: reading the zones and
// filling the list with them costs the start a few milliseconds.
class ZoneBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        fillZones();
        QComboBox::showPopup();
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        // Before any key reaches it: Up and Down then step through the zones.
        fillZones();
        QComboBox::focusInEvent(event);
    }

private:
    void fillZones() {
        if (filled_)
            return;
        filled_ = true;
        // What is typed or chosen stays as it is.
        const QString text = currentText();
        const int at = lineEdit() ? lineEdit()->cursorPosition() : 0;
        const QSignalBlocker quiet(this);
        addItems(birth::zoneIds());
        setCurrentIndex(findText(text, Qt::MatchExactly));
        setEditText(text);
        if (lineEdit())
            lineEdit()->setCursorPosition(at);
    }

    bool filled_ = false;
};

constexpr int kPlaceBoxLength = 255;

// A refusal's severity as the form's message box shows it.
MessageIcon iconFor(birth::Severity severity) {
    return severity == birth::Severity::Notice ? MessageIcon::Information : MessageIcon::Critical;
}

QLabel* boldCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(formFont(8.25, true));
    return label;
}

// A frame with its title above it; returns the frame that takes the
// controls, and the whole in `whole`.
QWidget* titledFrame(const QString& name, const QString& title, QWidget* parent, QWidget*& whole) {
    whole = new QWidget(parent);
    whole->setObjectName(name);
    whole->setAccessibleName(title);
    auto* layout = new QVBoxLayout(whole);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(boldCaption(title, whole));
    auto* frame = new QFrame(whole);
    frame->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(frame);
    return frame;
}

QComboBox* dropDown(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    // Sized from a fixed number of characters rather than by measuring every entry.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(name == QLatin1String("cboMonth") ? 9 : 4);
    return list;
}

QLineEdit* placeBox(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    // No place name comes near it, and the browser's search takes 255
    // characters in all. Kept short, a pasted flood (thousands of combining
    // marks, say) stays quick to lay out on every edit.
    box->setMaxLength(kPlaceBoxLength);
    return box;
}

}  // namespace

FrmMain::FrmMain(Shell& shell) : shell_(shell) {
    setObjectName(QStringLiteral("frmMain"));
    offerNoMaximise(this);
    setWindowTitle(brand::windowCaption());
    setFont(formFont(8.25));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(makeForumBanner(this, *shell_.services().urls));

    layout->addWidget(makeDescription(this, QStringLiteral("Label3"), scaled(440)));

    layout->addWidget(buildDetailsFrame());

    const PromotionStrip strip = makePromotionStrip(this, *shell_.services().urls);
    lblCobrand_ = strip.coBrand;
    lblFullBrand_ = strip.fullBrand;
    layout->addWidget(strip.frame);

    // The File menu clicks the form's buttons, so it comes after them.
    layout->setMenuBar(buildMenus());
    fillLists();
    setTabOrder();
    txtName_->setFocus();
}

void FrmMain::bringCoBrandToFront() {
    bringToFront(lblCobrand_, lblFullBrand_);
}
void FrmMain::bringFullBrandToFront() {
    bringToFront(lblFullBrand_, lblCobrand_);
}

QList<QAction*> FrmMain::buildPeopleActions() {
    // The desktop's Open and Save keys: menu shortcuts wherever the focus is
    // on the form, never characters typed into a box.
    auto* open = new QAction(tr("&Open Person..."), this);
    open->setObjectName(QStringLiteral("mnuOpenPerson"));
    open->setShortcuts(QKeySequence::keyBindings(QKeySequence::Open));
    connect(open, &QAction::triggered, this, [this] { shell_.showPeople(); });

    auto* save = new QAction(tr("&Save Person"), this);
    save->setObjectName(QStringLiteral("mnuSavePerson"));
    save->setShortcuts(QKeySequence::keyBindings(QKeySequence::Save));
    connect(save, &QAction::triggered, this, &FrmMain::savePerson);

    mnuRecent_ = new QMenu(tr("Open &Recent"), this);
    mnuRecent_->setObjectName(QStringLiteral("mnuRecent"));
    mnuRecent_->menuAction()->setObjectName(QStringLiteral("mnuRecentMenu"));
    connect(mnuRecent_, &QMenu::aboutToShow, this, &FrmMain::fillRecentMenu);
    return {open, save, mnuRecent_->menuAction()};
}

void FrmMain::fillRecentMenu() {
    mnuRecent_->clear();
    people::PeopleStore& store = shell_.peopleStore();
    const QList<people::Person> recent = store.recent();
    shell_.tellPeopleNotice(this);
    for (const people::Person& person : recent) {
        // An ampersand in a name is a letter, not an access key.
        QString caption = person.details.name.left(80);
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = mnuRecent_->addAction(caption);
        const qint64 id = person.id;
        connect(item, &QAction::triggered, this, [this, id] {
            people::PeopleStore& people = shell_.peopleStore();
            const std::optional<people::Person> chosen = people.person(id);
            if (!chosen)
                return;
            if (const people::StoreResult marked =
                    people.markUsed(id, shell_.services().clock->now());
                !marked)
                shell_.services().messages->show(this, marked.message(), MessageIcon::Critical);
            fill(chosen->details);
        });
    }
    if (!recent.isEmpty())
        mnuRecent_->addSeparator();
    QAction* clear = mnuRecent_->addAction(tr("&Clear Recent"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(!recent.isEmpty());
    connect(clear, &QAction::triggered, this, [this] {
        if (const people::StoreResult cleared = shell_.peopleStore().clearRecent(); !cleared)
            shell_.services().messages->show(this, cleared.message(), MessageIcon::Critical);
    });
}

void FrmMain::savePerson() {
    // Saved only what a reading would take, with the reading's messages.
    if (!ValidateBirthDetails())
        return;
    const birth::BirthDetails details = birthDetails();
    people::PeopleStore& store = shell_.peopleStore();
    const bool exists = store.personNamed(details.name).has_value();
    shell_.tellPeopleNotice(this);
    if (exists &&
        shell_.services().messages->show(
            this,
            tr("\u201c%1\u201d is saved already. Replace it?").arg(people::shownName(details.name)),
            MessageIcon::Information, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    if (const people::StoreResult saved = store.save(details, shell_.services().clock->now());
        !saved)
        shell_.services().messages->show(this, saved.message(), MessageIcon::Critical);
    else
        showNotice(this, tr("\u201c%1\u201d is saved.").arg(people::shownName(details.name)));
    shell_.tellPeopleNotice(this);
}

void FrmMain::fill(const birth::BirthDetails& details) {
    txtName_->setText(details.name);
    cboMonth_->setCurrentIndex(details.monthIndex);
    cboDate_->setCurrentIndex(details.day - 1);
    cboYear_->setCurrentIndex(cboYear_->findText(QString::number(details.year)));
    cboHH_->setCurrentIndex(details.hour);
    cboMM_->setCurrentIndex(details.minute);
    cboSS_->setCurrentIndex(details.second);
    const std::pair<QLineEdit*, const QString*> boxes[] = {
        {txtMCity_, &details.city},
        {txtMState_, &details.state},
        {txtMCountry_, &details.country},
        {txtLatD_, &details.latitudeDegrees},
        {txtLatM_, &details.latitudeMinutes},
        {txtLatS_, &details.latitudeSeconds},
        {txtLonD_, &details.longitudeDegrees},
        {txtLonM_, &details.longitudeMinutes},
        {txtLonS_, &details.longitudeSeconds},
    };
    for (const auto& [box, text] : boxes) {
        box->setText(*text);
        box->setCursorPosition(0);
    }
    txtName_->setCursorPosition(0);
    optLat_->button(details.south ? 1 : 0)->setChecked(true);
    optLong_->button(details.west ? 1 : 0)->setChecked(true);
    // The zone as the list names it; one that cannot be read as it was kept.
    const birth::Parsed<birth::Zone> zone = birth::zoneOf(details);
    if (zone.value && zone.value->kind == birth::Zone::Kind::LocalMeanTime)
        cboZone_->setCurrentIndex(0);
    else
        cboZone_->setEditText(zone.value ? zone.value->label() : details.zone);
    cboZone_->lineEdit()->setCursorPosition(0);
    // After the boxes, whose changes clear it.
    answeredOffset_ = details.utcOffsetSeconds;
    // Ready for the reading command.
    cmdRashi_->setFocus();
}

birth::BirthDetails FrmMain::birthDetails() const {
    birth::BirthDetails details;
    details.name = txtName_->text();
    details.monthIndex = cboMonth_->currentIndex();
    details.day = cboDate_->currentIndex() + 1;
    details.year = cboYear_->currentText().toInt();
    details.hour = cboHH_->currentIndex();
    details.minute = cboMM_->currentIndex();
    details.second = cboSS_->currentIndex();
    details.city = txtMCity_->text();
    details.state = txtMState_->text();
    details.country = txtMCountry_->text();
    details.latitudeDegrees = txtLatD_->text();
    details.latitudeMinutes = txtLatM_->text();
    details.latitudeSeconds = txtLatS_->text();
    details.south = optLat_->checkedId() == 1;
    details.longitudeDegrees = txtLonD_->text();
    details.longitudeMinutes = txtLonM_->text();
    details.longitudeSeconds = txtLonS_->text();
    details.west = optLong_->checkedId() == 1;
    details.zone = zoneText();
    details.utcOffsetSeconds = answeredOffset_;
    return details;
}

QString FrmMain::zoneText() const {
    const QString typed = cboZone_->currentText().trimmed();
    if (typed.isEmpty())
        return {};
    if (typed.compare(birth::Zone::localMeanTime().label(), Qt::CaseInsensitive) == 0)
        return birth::Zone::localMeanTime().text();
    const birth::Parsed<birth::Zone> zone = birth::parseZone(typed);
    return zone.value ? zone.value->text() : typed;
}

QMenuBar* FrmMain::buildMenus() {
    auto* bar = new QMenuBar(this);

    addFileMenu(bar, this, tr("Get My Fixed Stars Astrology Reading"), "mnuNext", cmdRashi_,
                buildPeopleActions());
    addHelpAndDonateMenus(
        bar, *shell_.services().urls,
        {tr("Check for Software &Update"), QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2")},
        [this] { shell_.showAbout(this); });
    return bar;
}

QWidget* FrmMain::buildDetailsFrame() {
    QWidget* group = nullptr;
    QWidget* frame = titledFrame(QStringLiteral("Frame1"), tr("Enter Your Details"), this, group);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    int row = 0;

    QLabel* nameCaption = boldCaption(tr("Name"), frame);
    grid->addWidget(nameCaption, row, 0);
    txtName_ = new FilteredLineEdit(QStringLiteral("txtName"),
                                    birth::nameKeyFor(QLocale().language()), frame);
    nameCaption->setBuddy(txtName_);
    // Qt's own limit, as for every other box: a name never comes near it,
    // and a pasted flood of text stays small enough to draw.
    txtName_->setMaxLength(32767);
    txtName_->setAccessibleName(tr("Name"));
    connect(txtName_, &FilteredLineEdit::keyRefused, this, [this] {
        shell_.services().messages->show(this, birth::refusedLetterMessage(),
                                         MessageIcon::Information);
    });
    grid->addWidget(txtName_, row++, 1);

    // A caption and three lists side by side, the caption naming the first.
    const auto listRow = [&](const QString& caption, std::array<QComboBox*, 3> lists,
                             QWidget* after) {
        QLabel* label = boldCaption(caption, frame);
        label->setBuddy(lists[0]);
        grid->addWidget(label, row, 0);
        auto* line = new QHBoxLayout;
        for (QComboBox* list : lists)
            line->addWidget(list);
        if (after)
            line->addWidget(after);
        line->addStretch();
        grid->addLayout(line, row++, 1);
    };
    cboMonth_ = dropDown(QStringLiteral("cboMonth"), tr("Month of birth"), frame);
    cboDate_ = dropDown(QStringLiteral("cboDate"), tr("Day of birth"), frame);
    cboYear_ = dropDown(QStringLiteral("cboYear"), tr("Year of birth"), frame);
    listRow(tr("Date of Birth"), {cboMonth_, cboDate_, cboYear_}, nullptr);
    cboHH_ = dropDown(QStringLiteral("cboHH"), tr("Hour"), frame);
    cboMM_ = dropDown(QStringLiteral("cboMM"), tr("Minute"), frame);
    cboSS_ = dropDown(QStringLiteral("cboSS"), tr("Second"), frame);
    listRow(tr("Time of Birth"), {cboHH_, cboMM_, cboSS_}, new QLabel(tr("HH:MM:SS"), frame));

    auto* coordinates = new QHBoxLayout;
    const CoordinateFrame longitude =
        buildCoordinateFrame(tr("Longitude"), QStringLiteral("Lon"), tr("East"), tr("West"));
    txtLonD_ = longitude.degrees;
    txtLonM_ = longitude.minutes;
    txtLonS_ = longitude.seconds;
    optLong_ = longitude.hemisphere;
    coordinates->addWidget(longitude.frame);
    const CoordinateFrame latitude =
        buildCoordinateFrame(tr("Latitude"), QStringLiteral("Lat"), tr("North"), tr("South"));
    txtLatD_ = latitude.degrees;
    txtLatM_ = latitude.minutes;
    txtLatS_ = latitude.seconds;
    optLat_ = latitude.hemisphere;
    coordinates->addWidget(latitude.frame);
    grid->addLayout(coordinates, row++, 0, 1, 2);

    auto* correctly = new LinkLabel(
        QStringLiteral("Label2"), tr("Enter Your Longitude and Latitude Correctly"), false, frame);
    correctly->setAlignment(Qt::AlignCenter);
    setAccentColour(correctly, QColor(0x80, 0x00, 0x00));
    connect(correctly, &LinkLabel::clicked, this,
            [this] { OpenLink(*shell_.services().urls, LinkRole::FullyBrandedPage); });
    grid->addWidget(correctly, row++, 0, 1, 2);

    auto* place = new QGridLayout;
    txtMCity_ = placeBox(QStringLiteral("txtMCity"), tr("City"), frame);
    txtMState_ = placeBox(QStringLiteral("txtMState"), tr("State"), frame);
    txtMCountry_ = placeBox(QStringLiteral("txtMCountry"), tr("Country"), frame);
    placeSuggestions_ = new PlaceSuggestions(txtMCity_);
    connect(placeSuggestions_, &PlaceSuggestions::placeTaken, this, &FrmMain::takePlace);
    int placeRow = 0;
    for (auto [caption, box] : {std::pair{tr("City"), txtMCity_},
                                {tr("State"), txtMState_},
                                {tr("Country"), txtMCountry_}}) {
        QLabel* placeCaption = boldCaption(caption, frame);
        placeCaption->setBuddy(box);
        place->addWidget(placeCaption, placeRow, 0);
        place->addWidget(box, placeRow++, 1);
    }
    cmdBrowser_ = new QPushButton(tr("Click Here To Find Latitude && Longitude"), frame);
    cmdBrowser_->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser_->setAccessibleName(tr("Click Here To Find Latitude & Longitude"));
    cmdBrowser_->setAutoDefault(true);
    cmdBrowser_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser_, &QPushButton::clicked, this, &FrmMain::findLatitudeAndLongitude);
    place->addWidget(cmdBrowser_, 0, 2, 3, 1);

    // The zone the birthplace's clocks kept: local mean time, a zone of the
    // system's tzdata, or a fixed offset typed as UTC+05:30.
    cboZone_ = new ZoneBox(frame);
    cboZone_->setObjectName(QStringLiteral("cboZone"));
    cboZone_->setAccessibleName(tr("Time zone of birth"));
    cboZone_->setEditable(true);
    cboZone_->setInsertPolicy(QComboBox::NoInsert);
    cboZone_->setMaxVisibleItems(12);
    // Wide enough for the longer ids ("America/Argentina/Buenos_Aires"
    // scrolls), measured in characters of the form's font, not in pixels.
    cboZone_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboZone_->setMinimumContentsLength(24);
    cboZone_->lineEdit()->setMaxLength(kPlaceBoxLength);
    cboZone_->lineEdit()->setAccessibleName(tr("Time zone of birth"));
    // The ids that hold every word typed, capitals and underscores aside:
    // "new york" offers America/New_York.
    zoneMatches_ = new QStringListModel(this);
    auto* completer = new QCompleter(zoneMatches_, cboZone_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(12);
    completer->popup()->setObjectName(QStringLiteral("lstZones"));
    completer->popup()->setAccessibleName(tr("Time zones"));
    connect(cboZone_->lineEdit(), &QLineEdit::textEdited, this, &FrmMain::offerZones);
    cboZone_->setCompleter(completer);
    QLabel* zoneCaption = boldCaption(tr("Time zone"), frame);
    zoneCaption->setBuddy(cboZone_);
    place->addWidget(zoneCaption, placeRow, 0);
    place->addWidget(cboZone_, placeRow, 1, 1, 2);
    place->setColumnStretch(1, 1);
    grid->addLayout(place, row++, 0, 1, 2);

    cmdRashi_ = new QPushButton(tr("Get My Fixed Stars Astrology Reading"), frame);
    cmdRashi_->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi_->setFont(formFont(8.25, true));
    cmdRashi_->setAutoDefault(true);
    cmdRashi_->setMinimumHeight(scaled(30));
    connect(cmdRashi_, &QPushButton::clicked, this, &FrmMain::RequestReading);
    grid->addWidget(cmdRashi_, row++, 0, 1, 2);
    return group;
}

FrmMain::CoordinateFrame FrmMain::buildCoordinateFrame(const QString& title, const QString& prefix,
                                                       const QString& first,
                                                       const QString& second) {
    CoordinateFrame built{};
    QWidget* frame = titledFrame(QStringLiteral("fra") + prefix, title, this, built.frame);
    // An angle reads degrees, minutes, seconds from left to right in every
    // language, as it is written: the boxes keep that order on a
    // right-to-left desktop too.
    frame->setLayoutDirection(Qt::LeftToRight);
    auto* grid = new QGridLayout(frame);
    const QString parts[3] = {QStringLiteral("D"), QStringLiteral("M"), QStringLiteral("S")};
    const QString units[3] = {tr("Deg"), tr("Min"), tr("Sec")};
    const QString spoken[3] = {tr("degrees"), tr("minutes"), tr("seconds")};
    FilteredLineEdit** boxes[3] = {&built.degrees, &built.minutes, &built.seconds};
    for (int i = 0; i < 3; ++i) {
        auto* box =
            new FilteredLineEdit(QStringLiteral("txt") + prefix + parts[i], birth::digitKey, frame);
        box->setMaxLength(3);
        box->setAccessibleName(title + QLatin1Char(' ') + spoken[i]);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
        connect(box, &FilteredLineEdit::keyRefused, this, [this] {
            shell_.services().messages->show(this, birth::refusedDigitMessage(),
                                             MessageIcon::Critical);
        });
        grid->addWidget(box, 0, i);
        auto* unit = new QLabel(units[i], frame);
        unit->setAlignment(Qt::AlignCenter);
        grid->addWidget(unit, 1, i);
        *boxes[i] = box;
    }
    built.hemisphere = new QButtonGroup(frame);
    built.hemisphere->setObjectName(prefix == QLatin1String("Lon") ? QStringLiteral("optLong")
                                                                   : QStringLiteral("optLat"));
    int id = 0;
    for (const QString& caption : {first, second}) {
        auto* option = new QRadioButton(caption, frame);
        option->setObjectName(built.hemisphere->objectName() + QLatin1Char('_') +
                              QString::number(id));
        option->setAccessibleName(caption);
        option->setChecked(id == 0);
        built.hemisphere->addButton(option, id);
        grid->addWidget(option, id, 3);
        ++id;
    }
    return built;
}

void FrmMain::fillLists() {
    // The Parts' English names under English, the language's own otherwise.
    for (int month = 0; month < 12; ++month)
        cboMonth_->addItem(document::standaloneMonthName(month));
    const auto addRange = [](QComboBox* list, int first, int last) {
        QStringList entries;
        for (int n = first; n <= last; ++n)
            entries << QString::number(n);
        list->addItems(entries);
    };
    addRange(cboDate_, 1, 31);
    addRange(cboYear_, birth::kFirstYear, birth::kLastYear);
    addRange(cboHH_, 0, 23);
    addRange(cboMM_, 0, 59);
    addRange(cboSS_, 0, 59);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_})
        list->setCurrentIndex(0);
    // The zones of tzdata follow when the list is first opened or reached.
    cboZone_->addItem(birth::Zone::localMeanTime().label());
    // No zone until one is chosen: the reading needs none.
    cboZone_->setCurrentIndex(-1);
    cboZone_->setEditText(QString());
    // An answer to a question of the clocks holds for the clock time it
    // was given for, in its zone, and no other.
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { answeredOffset_.reset(); });
    connect(cboZone_, &QComboBox::editTextChanged, this, [this] { answeredOffset_.reset(); });
}

void FrmMain::offerZones(const QString& typed) {
    // The list first, the completer's popup after it: the line edit asks
    // the completer once this has run.
    zoneMatches_->setStringList(typed.trimmed().isEmpty()
                                    ? QStringList()
                                    : birth::zoneIdsMatching(birth::zoneIds(), typed));
}

void FrmMain::setTabOrder() {
    const QList<QWidget*> order = {
        txtName_,
        cboMonth_,
        cboDate_,
        cboYear_,
        cboHH_,
        cboMM_,
        cboSS_,
        txtLonD_,
        txtLonM_,
        txtLonS_,
        optLong_->button(0),
        optLong_->button(1),
        txtLatD_,
        txtLatM_,
        txtLatS_,
        optLat_->button(0),
        optLat_->button(1),
        cmdRashi_,
        txtMCity_,
        txtMState_,
        txtMCountry_,
        cboZone_,
        cmdBrowser_,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmMain::RequestReading() {
    if (!ValidateBirthDetails())
        return;
    // The details passed the rules, the engine's latitude among them: the
    // program's engine gives the reading and keeps it as its last.
    const stars::ReadingOutcome outcome = shell_.engine().RequestReading(
        txtLatD_->text().toStdString(), txtLatM_->text().toStdString(),
        cboYear_->currentText().toInt());
    if (outcome.accepted())
        shell_.showReading(*outcome.reading);
}

bool FrmMain::ValidateBirthDetails() {
    if (const std::optional<birth::BirthProblem> problem = birth::readingProblem(birthDetails())) {
        refuse(*problem);
        return false;
    }
    return decideMoment();
}

bool FrmMain::decideMoment() {
    // Without a zone there is no moment, and nothing to refuse.
    const birth::MomentResult result = birth::momentOfDetails(birthDetails());
    if (!result.moment && !result.question && !result.error.isEmpty()) {
        shell_.services().messages->show(this, result.error, MessageIcon::Critical);
        cboZone_->setFocus();
        return false;
    }
    if (!result.question)
        return true;
    const birth::ClockQuestion& question = *result.question;
    const MessageAnswer answer = shell_.services().messages->choose(
        this, question.message, question.beforeReading, question.afterReading);
    if (answer != MessageAnswer::Yes && answer != MessageAnswer::No) {
        cboZone_->setFocus();
        return false;
    }
    answeredOffset_ =
        answer == MessageAnswer::Yes ? question.before.offsetSeconds : question.after.offsetSeconds;
    return true;
}

void FrmMain::findLatitudeAndLongitude() {
    const std::pair<QLineEdit*, QString> required[] = {
        {txtMCity_, tr("Please Enter City")},
        {txtMState_, tr("Please Enter State")},
        {txtMCountry_, tr("Please Enter Country")},
    };
    for (const auto& [box, message] : required) {
        if (box->text().isEmpty()) {
            shell_.services().messages->show(this, message, MessageIcon::Information);
            box->setFocus();
            return;
        }
    }
    shell_.openBrowser(
        browserSearchPhrase(txtMCity_->text(), txtMState_->text(), txtMCountry_->text()));
}

void FrmMain::takePlace(const atlas::Place& place) {
    // Each box shows the start of its text, as one typed and then left would.
    const auto put = [](QLineEdit* box, const std::string& text) {
        box->setText(QString::fromStdString(text));
        box->setCursorPosition(0);
    };
    put(txtMCity_, place.name);
    put(txtMState_, place.state);
    put(txtMCountry_, place.country);
    // Plain digits without leading zeros, as if typed; the side follows the
    // sign of the place's coordinate.
    const auto fill = [](const atlas::Dms& angle, FilteredLineEdit* degrees,
                         FilteredLineEdit* minutes, FilteredLineEdit* seconds, QButtonGroup* side) {
        degrees->setText(QString::number(angle.degrees));
        minutes->setText(QString::number(angle.minutes));
        seconds->setText(QString::number(angle.seconds));
        side->button(angle.negative ? 1 : 0)->setChecked(true);
    };
    fill(atlas::toDms(place.latitude), txtLatD_, txtLatM_, txtLatS_, optLat_);
    fill(atlas::toDms(place.longitude), txtLonD_, txtLonM_, txtLonS_, optLong_);
    // The zone its clocks keep, where the atlas knows it; otherwise the
    // zone box keeps what it had.
    if (!place.timeZone.empty()) {
        cboZone_->setEditText(QString::fromStdString(place.timeZone));
        cboZone_->lineEdit()->setCursorPosition(0);
    }
}

void FrmMain::refuse(const birth::BirthProblem& problem) {
    shell_.services().messages->show(this, problem.message, iconFor(problem.severity));
    if (problem.box)
        boxFor(*problem.box)->setFocus();
}

QLineEdit* FrmMain::boxFor(birth::BirthBox which) const {
    switch (which) {
    case birth::BirthBox::Name:
        return txtName_;
    case birth::BirthBox::LonD:
        return txtLonD_;
    case birth::BirthBox::LonM:
        return txtLonM_;
    case birth::BirthBox::LonS:
        return txtLonS_;
    case birth::BirthBox::LatD:
        return txtLatD_;
    case birth::BirthBox::LatM:
        return txtLatM_;
    case birth::BirthBox::LatS:
        return txtLatS_;
    }
    return txtName_;
}

void FrmMain::closeEvent(QCloseEvent* event) {
    shell_.showTellAFriend();
    event->accept();
}

}  // namespace asterine
