// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The People window: everyone the program remembers, found as the user
// types by name or place; opening a person fills the birth-details form.
// Import and export of CSV.

#include <QAbstractTableModel>
#include <QCache>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "people/people_store.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace asterine {

class Shell;

// The people listed: everyone, or those the search finds, in the order
// chosen (by name, or the most recently used first). The date and place of
// a person are read from the store when the list first shows them.
class PeopleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name, Date, Place, LastUsed, ColumnCount };
    using DetailsSource = std::function<std::optional<people::ListedDetails>(qint64 id)>;

    explicit PeopleModel(DetailsSource details, QObject* parent = nullptr);

    void setListing(people::Listing listing);
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
    people::Listing listing_;     // by name
    std::vector<int> byUse_;      // indexes, the most recently used first; made when asked for
    std::vector<int> shown_;
    std::string query_;
    Column sortColumn_ = Name;
    mutable QCache<qint64, people::ListedDetails> details_{2000};
};

class PeopleWindow : public QWidget {
    Q_OBJECT
public:
    explicit PeopleWindow(Shell& shell);

    // Reads the store again and shows everyone it holds.
    void reload();
    PeopleModel* model() const { return model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Tells what reading the store found wrong, over this window once it
    // is shown.
    void tellProblems();
    void openRow(int row);
    void openCurrent();
    void deleteCurrent();
    void importCsv();
    void exportCsv(bool selectedOnly);
    QString lastFolder() const;
    void rememberFolder(const QString& file);

    Shell& shell_;
    QLineEdit* txtSearch_ = nullptr;
    QTreeView* lstPeople_ = nullptr;
    PeopleModel* model_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QLabel* lblEmpty_ = nullptr;
    QString problem_;  // the store's, told once the window is shown
};

}  // namespace asterine
