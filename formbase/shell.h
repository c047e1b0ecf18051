// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a form asks of the application: the engine, the services, and the
// windows it hands over to. Forms reach each other only through this.

class QString;
class QWidget;

namespace stars {
class ReadingEngine;
struct StarReading;
}  // namespace stars

namespace birth {
struct BirthDetails;
}

namespace people {
class PeopleStore;
}

namespace asterine {

struct Services;

class Shell {
public:
    virtual ~Shell() = default;

    virtual const Services& services() const = 0;
    virtual stars::ReadingEngine& engine() = 0;

    // Puts the reading on the result form, creating it on first use, hides
    // the birth-details form and the tell-a-friend form, and shows the
    // result form.
    virtual void showReading(const stars::StarReading& reading) = 0;
    // The birth details as the birth-details form holds them now.
    virtual birth::BirthDetails birthDetails() const = 0;

    // The people the program remembers; the store is opened when first used.
    virtual people::PeopleStore& peopleStore() = 0;
    // Tells, over `parent`, of a store file that was found unusable and
    // kept aside, once.
    virtual void tellPeopleNotice(QWidget* parent) = 0;
    // The People window, opened or brought to the front.
    virtual void showPeople() = 0;
    // Fills the birth-details form with a person's details and shows it.
    virtual void openPerson(const birth::BirthDetails& details) = 0;
    virtual void showMain() = 0;
    virtual void showTellAFriend() = 0;
    virtual void hideTellAFriend() = 0;
    // The About box, modal over its opener; returns when it is closed.
    virtual void showAbout(QWidget* opener) = 0;
    // Replaces any open browser with a fresh one searching for `phrase`.
    virtual void openBrowser(const QString& phrase) = 0;
    // Unloads every loaded form, then ends the process. Callers return at
    // once afterwards.
    virtual void endApplication() = 0;
};

}  // namespace asterine
