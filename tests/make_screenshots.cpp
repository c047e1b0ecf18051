// Renders every form of the program into PNG files in the folder given as the
// first argument, with the program's own widgets and recorded side effects.

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "display/display_form.h"
#include "entry/main_form.h"
#include "promo/tell_a_friend_form.h"
#include "support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

void Save(QWidget* window, const QString& folder, const QString& name) {
    window->activateWindow();
    QTest::qWait(100);
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void Fill(FrmMain* main, const QString& degrees, const QString& minutes) {
    Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("ADA LOVELACE"));
    const std::pair<const char*, const char*> boxes[] = {
        {"txtLonD", "73"}, {"txtLonM", "51"}, {"txtLonS", "2"}, {"txtLatS", "10"}};
    for (const auto& [name, value] : boxes)
        Child<QLineEdit>(main, name)->setText(QLatin1String(value));
    Child<QLineEdit>(main, "txtLatD")->setText(degrees);
    Child<QLineEdit>(main, "txtLatM")->setText(minutes);
    Child<QLineEdit>(main, "txtMCity")->setText(QStringLiteral("Pune"));
    Child<QLineEdit>(main, "txtMState")->setText(QStringLiteral("Maharashtra"));
    Child<QLineEdit>(main, "txtMCountry")->setText(QStringLiteral("India"));
    Child<QComboBox>(main, "cboMonth")->setCurrentIndex(11);
    Child<QComboBox>(main, "cboDate")->setCurrentIndex(9);
    Child<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("1985"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    Harness h;
    h.random.fallback = 0.6;
    h.start();
    FrmMain* main = h.app->mainForm();
    Save(main, folder, QStringLiteral("birth-details"));

    Fill(main, QStringLiteral("77"), QStringLiteral("33"));
    Save(main, folder, QStringLiteral("birth-details-filled"));
    Click(main, "cmdRashi");
    Save(h.app->displayForm(), folder, QStringLiteral("result-principal-star"));
    Click(h.app->displayForm(), "cmdOK");
    Harness::settle();

    Fill(main, QStringLiteral("40"), QStringLiteral("30"));
    Click(main, "cmdRashi");
    Save(h.app->displayForm(), folder, QStringLiteral("result-without-lore"));

    QTimer::singleShot(300, [&] {
        if (QWidget* about = QApplication::activeModalWidget()) {
            Save(about, folder, QStringLiteral("about"));
            about->close();
        }
    });
    Trigger(h.app->displayForm(), "mnuAbout");

    Click(h.app->displayForm(), "cmdExit");
    Harness::settle();
    Save(h.app->tellAFriendForm(), folder, QStringLiteral("farewell"));
    return 0;
}
