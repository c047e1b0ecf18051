// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_suggestions.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>

namespace asterine {

PlaceSuggestions::PlaceSuggestions(QLineEdit* box, Loader loader)
    : QObject(box), box_(box), loader_(std::move(loader)) {
    box_->installEventFilter(this);
    box_->window()->installEventFilter(this);
    connect(box_, &QLineEdit::textEdited, this, &PlaceSuggestions::refresh);
    connect(&loading_, &QFutureWatcherBase::finished, this, &PlaceSuggestions::loaded);
}

PlaceSuggestions::~PlaceSuggestions() {
    // A worker still reading keeps what it reads to itself, and the
    // application waits for it as it ends; the list goes with its window, or
    // here when the box goes first.
    delete list_.data();
}

void PlaceSuggestions::createList() {
    // Made when there is first something to offer, not with the form.
    // A window of its own that floats under the box and never takes the
    // keyboard from it: the user types on while the list follows.
    list_ = new QListWidget(box_->window());
    list_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    list_->setAttribute(Qt::WA_ShowWithoutActivating);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setObjectName(QStringLiteral("lstPlaces"));
    list_->setAccessibleName(tr("Places"));
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFont(box_->font());
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { take(list_->row(item)); });
}

void PlaceSuggestions::startLoading() {
    if (loading_.isRunning() || atlas_ || !loader_)
        return;
    loading_.setFuture(
        QtConcurrent::run([loader = loader_]() -> std::shared_ptr<const atlas::Atlas> {
            try {
                return std::make_shared<const atlas::Atlas>(loader());
            } catch (...) {
                // No atlas: the box stays an ordinary text box, without a word.
                return std::make_shared<const atlas::Atlas>();
            }
        }));
    loader_ = nullptr;
}

void PlaceSuggestions::loaded() {
    atlas_ = loading_.result();
    emit atlasLoaded();
    if (box_->hasFocus())
        refresh();
}

void PlaceSuggestions::refresh() {
    startLoading();
    if (!ready()) {
        closeList();
        return;
    }
    // A text longer than any name the atlas looks at is not even converted:
    // a pasted flood costs nothing per edit. (Its UTF-16 length is at most
    // its length in UTF-8.)
    const QString typed = box_->text();
    offered_ = std::size_t(typed.size()) > atlas_->longestQuery()
                   ? std::vector<atlas::Place>()
                   : atlas_->suggestions(typed.toStdString());
    if (offered_.empty()) {
        closeList();
        return;
    }
    if (!list_)
        createList();
    list_->clear();
    for (const atlas::Place& place : offered_)
        list_->addItem(QString::fromStdString(atlas::label(place)));

    const int rows = static_cast<int>(offered_.size());
    const int frame = 2 * list_->frameWidth();
    const int width = std::max(box_->width(), list_->sizeHintForColumn(0) + frame + 8);
    list_->resize(width, list_->sizeHintForRow(0) * rows + frame);
    QPoint below = box_->mapToGlobal(QPoint(0, box_->height()));
    if (const QScreen* screen = box_->screen()) {
        const QRect room = screen->availableGeometry();
        // On the screen: under the box, or above it when there is no room below.
        below.setX(std::max(room.left(), std::min(below.x(), room.right() + 1 - width)));
        if (below.y() + list_->height() > room.bottom() + 1)
            below.setY(std::max(room.top(), box_->mapToGlobal(QPoint()).y() - list_->height()));
    }
    list_->move(below);
    list_->setCurrentRow(-1);
    list_->show();
    QAccessibleEvent shown(list_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void PlaceSuggestions::highlight(int row) {
    const int rows = static_cast<int>(offered_.size());
    if (rows == 0)
        return;
    list_->setCurrentRow((row % rows + rows) % rows);
    // The keyboard stays in the box, so the highlighted place is announced
    // as if the list had the focus.
    QAccessibleEvent focus(list_, QAccessible::Focus);
    focus.setChild(list_->currentRow());
    QAccessible::updateAccessibility(&focus);
}

void PlaceSuggestions::take(int row) {
    if (row < 0 || row >= static_cast<int>(offered_.size()))
        return;
    const atlas::Place place = offered_[static_cast<std::size_t>(row)];
    closeList();
    emit placeTaken(place);
}

void PlaceSuggestions::closeList() {
    offered_.clear();
    if (!list_)
        return;
    list_->hide();
    list_->clear();
}

bool PlaceSuggestions::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        // The list belongs under the box: it goes when the window moves.
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
            event->type() == QEvent::WindowDeactivate)
            closeList();
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        startLoading();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        closeList();
        break;
    case QEvent::KeyPress: {
        if (!list_ || !list_->isVisible())
            break;
        auto* key = static_cast<QKeyEvent*>(event);
        // With Shift or Control the keys select and move in the text, as ever.
        if (key->modifiers() & ~Qt::KeypadModifier)
            break;
        switch (key->key()) {
        case Qt::Key_Down:
            highlight(list_->currentRow() + 1);
            return true;
        case Qt::Key_Up:
            highlight(list_->currentRow() < 0 ? -1 : list_->currentRow() - 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (list_->currentRow() < 0)
                break;
            take(list_->currentRow());
            return true;
        case Qt::Key_Escape:
            closeList();
            return true;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

}  // namespace asterine
