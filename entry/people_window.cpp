// SPDX-License-Identifier: GPL-3.0-or-later
#include "people_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "document/document_file.h"
#include "formbase/form_font.h"
#include "formbase/last_folder.h"
#include "formbase/notice.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "people/people_csv.h"
#include "people/people_import.h"
#include "people/person_rules.h"

namespace asterine {

namespace {

// Rows as tall as the marks above and below the letters of any script the
// list may show, capitals with accents included, as well as the line.
class PeopleRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics metrics(option.font);
        static const QString tallest = QStringLiteral(
            "\u00c5\u00c9\u00dc\u01fa\u1ebe\u0130\u00c7\u0122gjpqy|"
            "\u0915\u093f\u0915\u0941\u0902 \u0625\u0644\u0651\u064e\u0647\u064f");
        const int needed = std::max(metrics.height(), metrics.boundingRect(tallest).height()) +
                           2 * std::max(2, metrics.height() / 6);
        size.setHeight(std::max(size.height(), needed));
        return size;
    }
};

}  // namespace

PeopleWindow::PeopleWindow(Shell& shell) : shell_(shell) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmPeople"));
    setWindowTitle(tr("People"));
    setAccessibleName(tr("People"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(scaled(720), scaled(440));

    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* searchCaption = new QLabel(tr("&Search:"), this);
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setAccessibleName(tr("Search people by name or place"));
    txtSearch_->setPlaceholderText(tr("Name or place"));
    txtSearch_->setClearButtonEnabled(true);
    searchCaption->setBuddy(txtSearch_);
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(txtSearch_, 1);
    layout->addLayout(searchRow);

    model_ = new people::PeopleModel(
        [this](qint64 id) { return shell_.peopleStore().listedDetails(id); }, this);
    lstPeople_ = new QTreeView(this);
    lstPeople_->setObjectName(QStringLiteral("lstPeople"));
    lstPeople_->setAccessibleName(tr("People"));
    lstPeople_->setModel(model_);
    lstPeople_->setItemDelegate(new PeopleRowDelegate(lstPeople_));
    lstPeople_->setRootIsDecorated(false);
    lstPeople_->setUniformRowHeights(true);
    lstPeople_->setAllColumnsShowFocus(true);
    lstPeople_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPeople_->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = lstPeople_->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(people::PeopleModel::Name, Qt::AscendingOrder);
    // The place takes what room there is; the others fit what they hold.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(people::PeopleModel::Place, QHeaderView::Stretch);
    const QFontMetrics metrics = lstPeople_->fontMetrics();
    const int padding = 2 * metrics.averageCharWidth() + 2 * scaled(8);
    header->resizeSection(people::PeopleModel::Name, scaled(180));
    header->resizeSection(people::PeopleModel::Date,
                          std::max(metrics.horizontalAdvance(QStringLiteral("September 30, 2050")),
                                   metrics.horizontalAdvance(tr("Date of Birth"))) +
                              padding);
    header->resizeSection(
        people::PeopleModel::LastUsed,
        std::max(metrics.horizontalAdvance(QLocale().toString(
                     QDateTime(QDate(2050, 12, 28), QTime(23, 59)), QLocale::ShortFormat)),
                 metrics.horizontalAdvance(tr("Last Used"))) +
            padding);
    // No column narrower than its heading, the sort arrow's room included:
    // on a narrow screen the list scrolls rather than cut a heading short.
    int heading = 0;
    for (int section = 0; section < model_->columnCount(); ++section) {
        QStyleOptionHeader option;
        option.initFrom(header);
        option.text = model_->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        option.sortIndicator = QStyleOptionHeader::SortDown;
        heading = std::max(
            heading, header->style()
                         ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header)
                         .width());
    }
    header->setMinimumSectionSize(heading);
    // What the stretched column keeps when the others leave it no room.
    header->setDefaultSectionSize(std::max(header->defaultSectionSize(), heading));
    // By name, or the most recently used first; the other columns keep the order.
    connect(header, &QHeaderView::sectionClicked, this, [this, header](int section) {
        if (section == people::PeopleModel::Name || section == people::PeopleModel::LastUsed)
            model_->sortBy(people::PeopleModel::Column(section));
        header->setSortIndicator(model_->sortColumn(),
                                 model_->sortColumn() == people::PeopleModel::Name
                                     ? Qt::AscendingOrder
                                     : Qt::DescendingOrder);
    });
    layout->addWidget(lstPeople_, 1);
    // Said while nobody is saved, in place of an empty list.
    lblEmpty_ = new QLabel(tr("No people are saved yet. To add one, type the details on the main "
                              "window and choose File, Save Person; or bring people from a CSV "
                              "file with Import."),
                           this);
    lblEmpty_->setObjectName(QStringLiteral("lblNoPeople"));
    lblEmpty_->setTextFormat(Qt::PlainText);
    lblEmpty_->setWordWrap(true);
    lblEmpty_->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblEmpty_, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString& caption, const char* name) {
        auto* push = new QPushButton(caption, this);
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        buttons->addWidget(push);
        return push;
    };
    cmdOpen_ = button(tr("&Open"), "cmdOpen");
    cmdDelete_ = button(tr("&Delete"), "cmdDelete");
    buttons->addStretch();
    QPushButton* import = button(tr("&Import..."), "cmdImport");
    QPushButton* exportAll = button(tr("Export &All..."), "cmdExportAll");
    QPushButton* exportSelected = button(tr("Export S&elected..."), "cmdExportSelected");
    buttons->addStretch();
    QPushButton* closeButton = button(tr("&Close"), "cmdClose");
    layout->addLayout(buttons);

    connect(txtSearch_, &QLineEdit::textChanged, model_, &people::PeopleModel::setFilter);
    connect(lstPeople_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { openRow(index.row()); });
    connect(cmdOpen_, &QPushButton::clicked, this, &PeopleWindow::openCurrent);
    connect(cmdDelete_, &QPushButton::clicked, this, &PeopleWindow::deleteCurrent);
    connect(import, &QPushButton::clicked, this, &PeopleWindow::importCsv);
    connect(exportAll, &QPushButton::clicked, this, [this] { exportCsv(false); });
    connect(exportSelected, &QPushButton::clicked, this, [this] { exportCsv(true); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    // Open and Delete act on the highlighted person, Export Selected on the
    // chosen ones: offered only when there are some.
    const auto offer = [this, exportSelected] {
        const bool current = lstPeople_->currentIndex().isValid();
        cmdOpen_->setEnabled(current);
        cmdDelete_->setEnabled(current);
        exportSelected->setEnabled(lstPeople_->selectionModel()->hasSelection());
    };
    connect(lstPeople_->selectionModel(), &QItemSelectionModel::currentChanged, this, offer);
    connect(lstPeople_->selectionModel(), &QItemSelectionModel::selectionChanged, this, offer);
    connect(model_, &QAbstractItemModel::modelReset, this, offer);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        const bool empty = model_->total() == 0;
        lblEmpty_->setVisible(empty);
        lstPeople_->setVisible(!empty);
    });

    txtSearch_->installEventFilter(this);
    lstPeople_->installEventFilter(this);
    setTabOrder(txtSearch_, lstPeople_);
    reload();
    txtSearch_->setFocus();
}

void PeopleWindow::reload() {
    people::StoreResult read;
    model_->setListing(shell_.peopleStore().listing(&read));
    problem_ = read.message();
    if (isVisible())
        tellProblems();
}

void PeopleWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Once the window is on the screen, so that the message opens over it.
    QTimer::singleShot(0, this, &PeopleWindow::tellProblems);
}

void PeopleWindow::tellProblems() {
    shell_.tellPeopleNotice(this);
    if (!problem_.isEmpty())
        shell_.services().messages->show(this, std::exchange(problem_, QString()),
                                         MessageIcon::Critical);
}

bool PeopleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstPeople_ && event->type() == QEvent::FocusIn && model_->rowCount() > 0 &&
        !lstPeople_->currentIndex().isValid()) {
        // Into the list by Tab or a click: a row is highlighted at once.
        lstPeople_->setCurrentIndex(model_->index(0, 0));
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == txtSearch_) {
        // Enter opens the first person listed; Down goes into the list.
        if (enter) {
            if (model_->rowCount() > 0)
                openRow(0);
            return true;
        }
        if (key->key() == Qt::Key_Down && model_->rowCount() > 0) {
            lstPeople_->setFocus(Qt::TabFocusReason);
            lstPeople_->setCurrentIndex(model_->index(0, 0));
            return true;
        }
    } else if (watched == lstPeople_) {
        if (enter) {
            openCurrent();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            deleteCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PeopleWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PeopleWindow::openCurrent() {
    const QModelIndex current = lstPeople_->currentIndex();
    if (current.isValid())
        openRow(current.row());
}

void PeopleWindow::openRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    people::PeopleStore& store = shell_.peopleStore();
    const std::optional<people::Person> person = store.person(model_->idAt(row));
    if (!person) {
        reload();
        return;
    }
    if (const people::StoreResult marked =
            store.markUsed(person->id, shell_.services().clock->now());
        !marked)
        shell_.services().messages->show(this, marked.message(), MessageIcon::Critical);
    shell_.openPerson(person->details);
    close();
}

void PeopleWindow::deleteCurrent() {
    const QModelIndex current = lstPeople_->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = model_->idAt(current.row());
    const MessageAnswer answer = shell_.services().messages->show(
        this,
        tr("Remove \u201c%1\u201d from the people Asterine remembers?")
            .arg(people::shownName(model_->nameAt(current.row()))),
        MessageIcon::Information, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    if (const people::StoreResult removed = shell_.peopleStore().remove(id); !removed) {
        shell_.services().messages->show(this, removed.message(), MessageIcon::Critical);
        return;
    }
    const int row = current.row();
    reload();
    if (model_->rowCount() > 0)
        lstPeople_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
}

void PeopleWindow::importCsv() {
    const Services& services = shell_.services();
    const QString path = services.files->openFileName(
        this, tr("Import People"), lastFolder(*services.settings, FolderUse::People),
        tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    rememberFolder(*services.settings, FolderUse::People, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        services.messages->show(this,
                                tr("\u201c%1\u201d could not be read: %2.")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()),
                                MessageIcon::Critical);
        return;
    }
    people::PeopleImport import(shell_.peopleStore(), file.readAll(), path);
    file.close();

    // A long import shows its progress and can be cancelled; the window
    // goes on answering meanwhile.
    QProgressDialog progress(tr("Reading \u201c%1\u201d...").arg(QFileInfo(path).fileName()),
                             tr("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const people::CsvProgress step = [&progress](qint64, qint64 done, qint64 all) {
        progress.setValue(all > 0 ? int(done * 1000 / all) : 0);
        return !progress.wasCanceled();
    };

    const bool checked = import.check(step);
    shell_.tellPeopleNotice(this);
    if (!checked || progress.wasCanceled())
        return;
    if (import.notPeople()) {
        services.messages->show(this, *import.notPeople(), MessageIcon::Critical);
        return;
    }
    bool replace = true;
    if (const std::optional<QString> question = import.existingQuestion()) {
        progress.reset();
        const MessageAnswer answer = services.messages->show(
            this, *question, MessageIcon::Information, MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::Yes && answer != MessageAnswer::No)
            return;
        replace = answer == MessageAnswer::Yes;
    }
    if (import.checked().good > 0) {
        progress.setLabelText(tr("Importing \u201c%1\u201d...").arg(QFileInfo(path).fileName()));
        progress.setValue(0);
    }
    const bool done = import.run(services.clock->now(), replace, step);
    progress.reset();
    reload();
    if (!done)
        return;  // nothing of it was kept
    const people::ImportReport report = import.report();
    services.messages->show(this, report.text,
                            report.failed ? MessageIcon::Critical : MessageIcon::Information);
}

void PeopleWindow::exportCsv(bool selectedOnly) {
    const Services& services = shell_.services();
    QList<qint64> ids;
    if (selectedOnly) {
        for (const QModelIndex& index : lstPeople_->selectionModel()->selectedRows())
            ids << model_->idAt(index.row());
        if (ids.isEmpty())
            return;
    }
    QString path =
        services.files->saveFileName(this, tr("Export People"),
                                     QDir(lastFolder(*services.settings, FolderUse::People))
                                         .filePath(tr("People") + QStringLiteral(".csv")),
                                     tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    rememberFolder(*services.settings, FolderUse::People, path);
    const QList<people::Person> chosen = shell_.peopleStore().people(ids);
    if (const std::optional<QString> problem = document::saveFile(path, people::writeCsv(chosen)))
        services.messages->show(this, *problem, MessageIcon::Critical);
    else
        showNotice(this, tr("%n people exported to \u201c%1\u201d.", nullptr, int(chosen.size()))
                             .arg(QFileInfo(path).fileName()));
}

}  // namespace asterine
