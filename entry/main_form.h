// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The birth-details form: the user types the details of their birth and asks
// for a reading. The details live in the controls; nothing keeps a copy.

#include <QWidget>

#include <optional>

namespace atlas {
struct Place;
}

namespace birth {
enum class BirthBox;
struct BirthDetails;
struct BirthProblem;
}  // namespace birth

class QAction;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStringListModel;

namespace asterine {

class FilteredLineEdit;
class LinkLabel;
class PlaceSuggestions;
class Shell;
struct PromotionStrip;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(Shell& shell);

    // The two advertisement labels lie on top of each other; these choose
    // which one is seen.
    void bringCoBrandToFront();
    void bringFullBrandToFront();

    // What the boxes, lists and option buttons hold now.
    birth::BirthDetails birthDetails() const;
    // Puts `details` into the boxes, lists and option buttons, exactly.
    void fill(const birth::BirthDetails& details);

    // The zone box's text as the details keep it: "Europe/Berlin", "LMT",
    // "UTC+05:30"; a text that is no zone as it is typed; empty for none.
    QString zoneText() const;

protected:
    // Unloading the form hands over to the tell-a-friend form.
    void closeEvent(QCloseEvent* event) override;

private:
    QMenuBar* buildMenus();
    QWidget* buildDetailsFrame();
    struct CoordinateFrame {
        QWidget* frame;
        FilteredLineEdit* degrees;
        FilteredLineEdit* minutes;
        FilteredLineEdit* seconds;
        QButtonGroup* hemisphere;
    };
    CoordinateFrame buildCoordinateFrame(const QString& title, const QString& prefix,
                                         const QString& first, const QString& second);
    void fillLists();
    void setTabOrder();

    QList<QAction*> buildPeopleActions();
    void fillRecentMenu();
    void savePerson();

    void RequestReading();
    // Whether the details can give a reading (birth::readingProblem); when
    // not, shows the first refusal and puts the cursor into its box.
    bool ValidateBirthDetails();
    // Whether the zone can be read and the clock time of birth has one
    // reading; when the clocks skipped it or showed it twice, asks which
    // was meant and keeps the answer.
    bool decideMoment();
    void offerZones(const QString& typed);
    void findLatitudeAndLongitude();
    void takePlace(const atlas::Place& place);
    void refuse(const birth::BirthProblem& problem);
    QLineEdit* boxFor(birth::BirthBox which) const;

    Shell& shell_;

    FilteredLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    FilteredLineEdit* txtLonD_ = nullptr;
    FilteredLineEdit* txtLonM_ = nullptr;
    FilteredLineEdit* txtLonS_ = nullptr;
    FilteredLineEdit* txtLatD_ = nullptr;
    FilteredLineEdit* txtLatM_ = nullptr;
    FilteredLineEdit* txtLatS_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    PlaceSuggestions* placeSuggestions_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QComboBox* cboZone_ = nullptr;
    QStringListModel* zoneMatches_ = nullptr;
    // The offset the user chose for a clock time the zone skipped or showed
    // twice; it belongs to that date, time and zone, and goes when any of
    // them changes.
    std::optional<int> answeredOffset_;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
    QMenu* mnuRecent_ = nullptr;
};

}  // namespace asterine
