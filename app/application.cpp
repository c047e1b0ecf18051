// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QApplication>
#include <QCoreApplication>

#include <cmath>
#include <utility>

#include "birth/birth_details.h"
#include "browser/browser.h"
#include "display/display_form.h"
#include "entry/main_form.h"
#include "entry/people_window.h"
#include "formbase/accessibility.h"
#include "formbase/input_frame_style.h"
#include "formbase/placement.h"
#include "promo/tell_a_friend_form.h"
#include "single_instance.h"
#include "web/about_box.h"
#include "web/update_prompt.h"

namespace asterine {

Application::Application(const Services& services) : services_(services) {
    // The program ends only through endApplication, never by its last
    // window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
    installInputFrameStyle();
}

Application::~Application() {
    // Deleting a form takes it off the list, so delete from a copy.
    const QList<QPointer<QWidget>> forms = std::exchange(loaded_, {});
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
}

bool Application::startUp(SingleInstance& instance) {
    if (!instance.acquire()) {
        services_.messages->show(
            nullptr, QCoreApplication::translate("asterine", "Application is already running"),
            MessageIcon::Information);
        endApplication();
        return false;
    }
    services_.random->seedFromTimer();
    UpdatePrompt(services_);
    showMain();
    CoBrand_Randomize();
    return !ending_;
}

int Application::coBrandNumberFor(double r) {
    const double value = 6.0 * r + 1.0;
    const double below = std::floor(value);
    const double fraction = value - below;
    int number = static_cast<int>(below);
    if (fraction > 0.5 || (fraction == 0.5 && number % 2 != 0))
        ++number;
    return number;
}

void Application::CoBrand_Randomize() {
    intCoBrandRandomNumber_ = static_cast<qint16>(coBrandNumberFor(services_.random->draw()));
    if (!main_)
        return;
    switch (intCoBrandRandomNumber_) {
    case 1:
    case 3:
    case 5:
        main_->bringCoBrandToFront();
        break;
    case 2:
    case 4:
    case 6:
        main_->bringFullBrandToFront();
        break;
    default:
        break;  // 7 keeps the order the form was built with
    }
}

QList<QWidget*> Application::loadedForms() const {
    QList<QWidget*> forms;
    for (const QPointer<QWidget>& form : loaded_) {
        if (form)
            forms << form.data();
    }
    return forms;
}

FrmMain* Application::mainForm() const {
    return main_;
}
FrmDisplay* Application::displayForm() const {
    return display_;
}
FrmTellAFriend* Application::tellAFriendForm() const {
    return tellAFriend_;
}
QWidget* Application::browserForm() const {
    return browser_;
}

void Application::track(QWidget* form) {
    loaded_.append(form);
    connect(form, &QObject::destroyed, this,
            [this] { loaded_.removeIf([](const QPointer<QWidget>& f) { return f.isNull(); }); });
}

void Application::showMain() {
    if (ending_)
        return;
    if (!main_) {
        main_ = new FrmMain(*this);
        track(main_);
        placeOnScreen(main_);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
}

void Application::showReading(const stars::StarReading& reading) {
    if (!display_) {
        display_ = new FrmDisplay(*this);
        track(display_);
    }
    display_->showReading(reading);
    if (main_)
        main_->hide();
    hideTellAFriend();
    placeOnScreen(display_);
    display_->show();
    display_->raise();
    display_->activateWindow();
}

birth::BirthDetails Application::birthDetails() const {
    return main_ ? main_->birthDetails() : birth::BirthDetails();
}

people::PeopleStore& Application::peopleStore() {
    if (!peopleStore_)
        peopleStore_ = std::make_unique<people::PeopleStore>(
            peopleStorePath_.isEmpty() ? people::PeopleStore::standardPath() : peopleStorePath_);
    return *peopleStore_;
}

void Application::tellPeopleNotice(QWidget* parent) {
    if (!peopleStore_)
        return;
    if (const std::optional<QString> notice = peopleStore_->takeNotice())
        services_.messages->show(parent, *notice, MessageIcon::Critical);
}

void Application::showPeople() {
    if (!people_) {
        people_ = new PeopleWindow(*this);
        track(people_);
        placeOnScreen(people_, main_);
    }
    people_->show();
    people_->raise();
    people_->activateWindow();
}

QWidget* Application::peopleWindow() const {
    return people_;
}

void Application::openPerson(const birth::BirthDetails& details) {
    showMain();
    if (main_)
        main_->fill(details);
}

FrmTellAFriend* Application::tellAFriend() {
    if (!tellAFriend_) {
        tellAFriend_ = new FrmTellAFriend(*this);
        track(tellAFriend_);
        placeOnScreen(tellAFriend_);
    }
    return tellAFriend_;
}

void Application::showTellAFriend() {
    // Forms that unload while the program ends vanish with it.
    if (ending_)
        return;
    FrmTellAFriend* form = tellAFriend();
    form->show();
    form->raise();
    form->activateWindow();
}

void Application::hideTellAFriend() {
    if (ending_)
        return;
    tellAFriend()->hide();
}

void Application::showAbout(QWidget* opener) {
    QPointer<FrmAbout> about = new FrmAbout(*services_.urls, opener);
    track(about);
    placeOnScreen(about, opener);
    about->exec();
    delete about.data();
}

void Application::openBrowser(const QString& phrase) {
    if (browser_)
        browser_->close();
    browser_ = createBrowser(phrase, *services_.urls, browserSettings_);
    track(browser_);
    placeOnScreen(browser_, main_);
    browser_->show();
}

void Application::endApplication() {
    if (ending_)
        return;
    ending_ = true;
    const QList<QPointer<QWidget>> forms = loaded_;
    for (const QPointer<QWidget>& form : forms) {
        if (form)
            form->close();
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    services_.ender->endProcess();
}

}  // namespace asterine
