// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The offline atlas on a text box: once the box holds two or more
// characters, a list under it offers up to ten matching places, most
// populous first. Down and Up move through the list, Enter or a click takes
// the highlighted place, Esc closes the list and leaves the text as typed.
// The atlas is read on a worker thread when the box is first used; until it
// is there, and for good when it cannot be read, the box is an ordinary text
// box.

#include <QFutureWatcher>
#include <QListWidget>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

#include "atlas/atlas.h"
#include "language/translation.h"

class QLineEdit;

namespace asterine {

class PlaceSuggestions : public QObject {
    Q_OBJECT
public:
    using Loader = std::function<atlas::Atlas()>;

    // `loader` reads the atlas; it runs once, on a worker thread.
    // By default the atlas of libgeonames, in the desktop's languages.
    explicit PlaceSuggestions(QLineEdit* box, Loader loader = &translation::desktopAtlas);
    ~PlaceSuggestions() override;

    // The list under the box, a window of its own that belongs to the box's
    // window, shown while it has places to offer; none before there was first
    // something to offer.
    QListWidget* list() const { return list_.data(); }
    // Whether the atlas has been read and holds places.
    bool ready() const { return atlas_ && !atlas_->empty(); }

signals:
    // The user took a place from the list.
    void placeTaken(const atlas::Place& place);
    // The atlas has been read, or found unreadable; ready() tells which.
    void atlasLoaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createList();
    void startLoading();
    void loaded();
    void refresh();
    void highlight(int row);
    void take(int row);
    void closeList();

    QLineEdit* box_;
    Loader loader_;
    QPointer<QListWidget> list_;
    QFutureWatcher<std::shared_ptr<const atlas::Atlas>> loading_;
    std::shared_ptr<const atlas::Atlas> atlas_;
    std::vector<atlas::Place> offered_;
};

}  // namespace asterine
