#pragma once

// The birth-details form: the user types the details of their birth and asks
// for a reading. The details live in the controls; nothing keeps a copy.

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace asterine {

class LinkLabel;
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

protected:
    // Unloading the form hands over to the tell-a-friend form.
    void closeEvent(QCloseEvent* event) override;

private:
    QMenuBar* buildMenus();
    QWidget* buildDetailsFrame();
    QWidget* buildCoordinateFrame(const QString& title, const QString& prefix,
                                  const QString& accessiblePrefix, const QString& first,
                                  const QString& second, QButtonGroup*& group);
    void fillLists();
    void setTabOrder();

    void RequestReading();
    bool ValidateBirthDetails();
    void findLatitudeAndLongitude();
    void refuse(QWidget* focus, const QString& message, bool critical);

    Shell& shell_;

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

}  // namespace asterine
