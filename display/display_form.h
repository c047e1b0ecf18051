// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The result form: the chosen fixed star and, for a principal star, its ten
// attributes. It is created for a reading and unloaded when the user leaves it.

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QGridLayout;
class QLabel;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace stars {
struct StarReading;
}

namespace document {
struct ReadingDocument;
}

namespace skychart {
class ChartPicture;
}

namespace sky {
struct BirthSky;
}

namespace asterine {

class ChartView;
class Shell;

class FrmDisplay : public QWidget {
    Q_OBJECT
public:
    explicit FrmDisplay(Shell& shell);

    // Fills every label and shows or hides the attribute frame.
    void showReading(const stars::StarReading& reading);

    // The reading the form shows, read back from its labels.
    stars::StarReading shownReading() const;
    // The reading the form shows, with the birth details it was made for,
    // as a document made today.
    document::ReadingDocument readingDocument() const;
    // The pictures of the birth's sky the form shows: the wheel, then the
    // day over the birthplace.
    std::vector<const skychart::ChartPicture*> chartPictures() const;
    // Whether the Sky section shows the sky worked out for the reading
    // (it is worked out off the window's thread).
    bool skyShown() const;

protected:
    // Unloading the form shows the tell-a-friend form.
    void closeEvent(QCloseEvent* event) override;
    // Announces the star line to screen readers as the form comes up.
    void showEvent(QShowEvent* event) override;
    // Esc, and Enter where no button takes it, act as a click on Exit.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMenuBar* buildMenus();
    QList<QAction*> buildKeepingActions();
    QWidget* buildResultsFrame();
    void fixLayout(QGridLayout* grid);
    // The Sky section beside the reading: built empty, its sky worked out
    // for each reading shown and then filled from the document's lines.
    QWidget* buildSkyFrame(int readingWidth);
    void startSky();
    void showSky();

    void back();
    void print();
    void preview();
    enum class FileKind { Pdf, Text };
    void saveAs(FileKind kind);
    void copyReading();

    // The birth's sky beside the reading: the Sky section, then the pictures.
    QWidget* buildChartPane(QWidget* skyFrame);
    void fitChartPane();
    void addChartMenus(QMenuBar* bar);
    void showChart();
    ChartView* shownChart() const;
    void saveChart();
    void copyChart();

    Shell& shell_;
    QLabel* lblFixedStar_ = nullptr;
    QWidget* frmShow_ = nullptr;
    std::array<QLabel*, 10> attributeLabels_{};
    QLabel* lblSkyStatus_ = nullptr;
    QWidget* skyLines_ = nullptr;
    // The sky of the reading shown, once worked out; each reading counts
    // up, so that a sky finished for an earlier one is dropped.
    std::shared_ptr<const sky::BirthSky> sky_;
    int skyRound_ = 0;
    QPushButton* cmdExit_ = nullptr;
    // The Back button: named cmdOK, as the form's control names are kept verbatim.
    QPushButton* cmdOK_ = nullptr;
    QTabWidget* chartTabs_ = nullptr;
    ChartView* wheelView_ = nullptr;
    ChartView* horizonView_ = nullptr;
    std::string chartStar_;  // the reading's star as its tables spell it
};

}  // namespace asterine
