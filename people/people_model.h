// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The People window's list, apart from the window: Qt Core only.

#include <QAbstractTableModel>
#include <QCache>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "people_store.h"

namespace people {

// The people listed: everyone, or those the search finds, in the order
// chosen (by name, or the most recently used first). The date and place of
// a person are read from the store when the list first shows them.
class PeopleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Date, Place, LastUsed, ColumnCount };
    using DetailsSource = std::function<std::optional<ListedDetails>(qint64 id)>;

    explicit PeopleModel(DetailsSource details, QObject* parent = nullptr);

    void setListing(Listing listing);
    // Keeps those whose name or place has a word starting with `typed`,
    // accents and case aside.
    void setFilter(const QString& typed);
    void sortBy(Column column);
    Column sortColumn() const { return sortColumn_; }

    qint64 idAt(int row) const { return listing_.id(shown_[std::size_t(row)]); }
    QString nameAt(int row) const { return listing_.name(shown_[std::size_t(row)]); }
    int total() const { return listing_.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void refilter(bool narrowing);
    const std::vector<int>& order();

    DetailsSource detailsSource_;
    Listing listing_;         // by name
    std::vector<int> byUse_;  // indexes, the most recently used first; made when asked for
    std::vector<int> shown_;
    std::string query_;
    Column sortColumn_ = Name;
    mutable QCache<qint64, ListedDetails> details_{2000};
};

}  // namespace people
