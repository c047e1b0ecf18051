// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application shell: start-up, the forms that are loaded and the flow of
// windows between them, and the one way the program ends.

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

#include "browser/browser.h"
#include "formbase/services.h"
#include "formbase/shell.h"
#include "people/people_store.h"
#include "stars/engine.h"

namespace asterine {

class FrmDisplay;
class FrmMain;
class FrmTellAFriend;
class SingleInstance;

class Application : public QObject, public Shell {
    Q_OBJECT
public:
    explicit Application(const Services& services);
    ~Application() override;

    // Runs the start-up: the single-instance check, the seeding of the random
    // draw, the update prompt, the birth-details form and the choice of its
    // advertisement label. False when the program ended during it.
    bool startUp(SingleInstance& instance);

    // The number drawn by CoBrand_Randomize: 6 r + 1 rounded to the nearest
    // whole number, a half going to the even neighbour.
    static int coBrandNumberFor(double r);
    void CoBrand_Randomize();
    qint16 coBrandRandomNumber() const { return intCoBrandRandomNumber_; }

    // The forms loaded now, visible or hidden, in load order.
    QList<QWidget*> loadedForms() const;
    FrmMain* mainForm() const;
    FrmDisplay* displayForm() const;
    FrmTellAFriend* tellAFriendForm() const;
    QWidget* browserForm() const;

    // Where the built-in browser's search and buttons lead.
    void setBrowserSettings(const BrowserSettings& settings) { browserSettings_ = settings; }

    // Shell
    const Services& services() const override { return services_; }
    stars::ReadingEngine& engine() override { return engine_; }
    void showReading(const stars::StarReading& reading) override;
    birth::BirthDetails birthDetails() const override;
    people::PeopleStore& peopleStore() override;
    void tellPeopleNotice(QWidget* parent) override;
    void showPeople() override;
    void openPerson(const birth::BirthDetails& details) override;
    QWidget* peopleWindow() const;
    // Where the people are kept; the user's data folder unless set.
    void setPeopleStorePath(const QString& path) { peopleStorePath_ = path; }
    void showMain() override;
    void showTellAFriend() override;
    void hideTellAFriend() override;
    void showAbout(QWidget* opener) override;
    void openBrowser(const QString& phrase) override;
    void endApplication() override;

private:
    void track(QWidget* form);
    FrmTellAFriend* tellAFriend();

    Services services_;
    stars::ReadingEngine engine_;
    QList<QPointer<QWidget>> loaded_;
    QPointer<FrmMain> main_;
    QPointer<FrmDisplay> display_;
    QPointer<FrmTellAFriend> tellAFriend_;
    QPointer<QWidget> browser_;
    QPointer<QWidget> people_;
    QString peopleStorePath_;
    std::unique_ptr<people::PeopleStore> peopleStore_;
    BrowserSettings browserSettings_ = BrowserSettings::standard();
    qint16 intCoBrandRandomNumber_ = 0;
    bool ending_ = false;
};

}  // namespace asterine
