// SPDX-License-Identifier: GPL-3.0-or-later
#include "people_model.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <numeric>

#include "person_rules.h"

namespace people {

PeopleModel::PeopleModel(DetailsSource details, QObject* parent)
    : QAbstractTableModel(parent), detailsSource_(std::move(details)) {}

void PeopleModel::setListing(Listing listing) {
    beginResetModel();
    listing_ = std::move(listing);
    byUse_.clear();
    shown_.clear();
    details_.clear();
    endResetModel();
    refilter(false);
}

void PeopleModel::setFilter(const QString& typed) {
    std::string query = foldedUtf8(typed);
    // Typing on narrows what is shown; anything else looks through everyone.
    const bool narrowing = !query_.empty() && query.starts_with(query_);
    query_ = std::move(query);
    refilter(narrowing);
}

void PeopleModel::sortBy(Column column) {
    sortColumn_ = column == LastUsed ? LastUsed : Name;
    refilter(false);
}

void PeopleModel::sort(int column, Qt::SortOrder) {
    sortBy(Column(column));
}

const std::vector<int>& PeopleModel::order() {
    if (sortColumn_ == LastUsed && byUse_.empty() && listing_.size() > 0) {
        byUse_.resize(std::size_t(listing_.size()));
        std::iota(byUse_.begin(), byUse_.end(), 0);
        std::stable_sort(byUse_.begin(), byUse_.end(), [this](int a, int b) {
            return listing_.lastUsed(a) > listing_.lastUsed(b);
        });
    }
    return byUse_;
}

void PeopleModel::refilter(bool narrowing) {
    beginResetModel();
    if (narrowing) {
        std::erase_if(shown_,
                      [this](int index) { return !matches(listing_.search(index), query_); });
    } else {
        shown_.clear();
        const auto keep = [this](int index) {
            if (matches(listing_.search(index), query_))
                shown_.push_back(index);
        };
        if (sortColumn_ == LastUsed) {
            for (const int index : order())
                keep(index);
        } else {
            for (int index = 0; index < listing_.size(); ++index)
                keep(index);
        }
    }
    endResetModel();
}

int PeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const int listed = shown_[std::size_t(index.row())];
    switch (index.column()) {
    case Name:
        return listing_.name(listed);
    case Date:
    case Place: {
        const qint64 id = listing_.id(listed);
        ListedDetails* details = details_.object(id);
        if (!details) {
            details = new ListedDetails(detailsSource_(id).value_or(ListedDetails()));
            details_.insert(id, details);
        }
        return index.column() == Date ? details->date : details->place;
    }
    case LastUsed:
        // Imported and never opened: no last use to tell.
        if (listing_.lastUsed(listed) == 0)
            return QString();
        return QLocale().toString(QDateTime::fromMSecsSinceEpoch(listing_.lastUsed(listed)),
                                  QLocale::ShortFormat);
    default:
        return {};
    }
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return tr("Name");
    case Date:
        return tr("Date of Birth");
    case Place:
        return tr("Place of Birth");
    case LastUsed:
        return tr("Last Used");
    default:
        return {};
    }
}

}  // namespace people
