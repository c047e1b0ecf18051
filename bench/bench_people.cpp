// SPDX-License-Identifier: GPL-3.0-or-later
// The people the program remembers, with 100,000 of them in the store, on
// the platform the benchmark is started on:
//   - Open Person until the People window's list is painted (the first time
//     with the store opened, then again);
//   - each keystroke in its search box until the filtered list is painted
//     (median and 95th percentile);
//   - Save Person into the full store;
//   - importing a CSV file of 100,000 people into an empty store through the
//     window's Import button.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <random>
#include <vector>

#include "entry/main_form.h"
#include "entry/people_window.h"
#include "people/people_csv.h"
#include "people/people_store.h"
#include "tests/support.h"

using namespace asterine;
using namespace asterine::test;

namespace {

constexpr int kPeople = 100000;

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

// People with names made of syllables and places of a short list, the same
// on every run.
QList<birth::BirthDetails> ManyPeople(int count) {
    static const char* const syllables[] = {"an", "ra", "vi",  "ku", "mar", "zo", "el", "sil",
                                            "va", "ja", "mes", "ni", "ta",  "ro", "de", "li"};
    static const char* const places[][3] = {
        {"S\u00e3o Paulo", "S\u00e3o Paulo", "Brazil"},  {"Pune", "Maharashtra", "India"},
        {"Lyon", "Auvergne-Rh\u00f4ne-Alpes", "France"}, {"Cork", "Munster", "Ireland"},
        {"K\u00f8benhavn", "Hovedstaden", "Denmark"},    {"Toronto", "Ontario", "Canada"}};
    std::mt19937 draw(1815);
    QList<birth::BirthDetails> all;
    all.reserve(count);
    for (int n = 0; n < count; ++n) {
        birth::BirthDetails details;
        QString first, last;
        for (int s = 0; s < 2 + int(draw() % 2); ++s)
            first += QLatin1String(syllables[draw() % 16]);
        for (int s = 0; s < 2 + int(draw() % 3); ++s)
            last += QLatin1String(syllables[draw() % 16]);
        // Told apart by a number in letters, as the Name box takes them.
        QString number = QString::number(n);
        for (QChar& digit : number)
            digit = QChar(u'A' + (digit.unicode() - u'0'));
        details.name = QStringLiteral("%1 %2 %3").arg(first, last, number).toUpper();
        details.monthIndex = int(draw() % 12);
        details.day = 1 + int(draw() % 28);
        details.year = 1900 + int(draw() % 150);
        details.hour = int(draw() % 24);
        const auto& place = places[draw() % 6];
        details.city = QString::fromUtf8(place[0]);
        details.state = QString::fromUtf8(place[1]);
        details.country = QString::fromUtf8(place[2]);
        details.latitudeDegrees = QString::number(draw() % 80);
        details.latitudeMinutes = QString::number(draw() % 60);
        details.latitudeSeconds = QString::number(draw() % 60);
        details.longitudeDegrees = QString::number(draw() % 180);
        details.longitudeMinutes = QString::number(draw() % 60);
        details.longitudeSeconds = QString::number(draw() % 60);
        details.south = draw() % 2;
        details.west = draw() % 2;
        all.append(details);
    }
    return all;
}

// A store of 100,000 people, made once for the run.
QString FullStore() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("people.sqlite"));
        people::PeopleStore store(file);
        if (!store.saveAll(ManyPeople(kPeople), QDateTime::currentDateTime(), {}))
            qFatal("The benchmark's store could not be filled");
        return file;
    }();
    return path;
}

// Runs events until `widget` has been painted, and says how long it took
// from `clock`'s start.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }
    void reset() { painted_ = false; }
    double waitMs(const QElapsedTimer& clock) {
        while (!painted_)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        return double(clock.nsecsElapsed()) / 1e6;
    }

private:
    bool painted_ = false;
};

// Reading the list from the store alone (opened before).
void ListPeople(benchmark::State& state) {
    people::PeopleStore store(FullStore());
    (void)store.count();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.listing());
}

// From Open Person to the list painted.
void OpenPeopleWindow(benchmark::State& state) {
    const QString store = FullStore();
    Harness h;
    h.app->setPeopleStorePath(store);
    h.start();
    FrmMain* main = h.app->mainForm();
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Trigger(main, "mnuOpenPerson");
        auto* window = qobject_cast<PeopleWindow*>(h.app->peopleWindow());
        PaintWatch watch(Child<QTreeView>(window, "lstPeople")->viewport());
        times.push_back(watch.waitMs(clock));
        state.PauseTiming();
        window->close();
        Harness::settle();
        state.ResumeTiming();
    }
    state.counters["first_ms"] = times.front();
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p95_ms"] = Percentile(times, 0.95);
}

// Each key typed into the search box, and each Backspace, until the list
// shows what it finds.
void SearchKeystroke(benchmark::State& state) {
    const QString store = FullStore();
    Harness h;
    h.app->setPeopleStorePath(store);
    h.start();
    Trigger(h.app->mainForm(), "mnuOpenPerson");
    auto* window = qobject_cast<PeopleWindow*>(h.app->peopleWindow());
    (void)QTest::qWaitForWindowExposed(window);
    auto* search = Child<QLineEdit>(window, "txtSearch");
    PaintWatch watch(Child<QTreeView>(window, "lstPeople")->viewport());
    const QString typed = QStringLiteral("anna sao");
    std::vector<double> times;
    const auto key = [&](Qt::Key code, char character) {
        watch.reset();
        QElapsedTimer clock;
        clock.start();
        if (character)
            QTest::keyClick(search, character);
        else
            QTest::keyClick(search, code);
        times.push_back(watch.waitMs(clock));
    };
    for (auto _ : state) {
        for (const QChar c : typed)
            key(Qt::Key_unknown, c.toLatin1());
        for (int i = 0; i < typed.size(); ++i)
            key(Qt::Key_Backspace, 0);
    }
    state.counters["keys"] = double(times.size());
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p95_ms"] = Percentile(times, 0.95);
}

// Save Person, a new name each time, into the full store (opened before).
void SavePerson(benchmark::State& state) {
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("people.sqlite"));
    QFile::copy(FullStore(), copy);
    Harness h;
    h.app->setPeopleStorePath(copy);
    h.start();
    FrmMain* main = h.app->mainForm();
    FillValid(main);
    (void)h.app->peopleStore().count();
    std::vector<double> times;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Child<QLineEdit>(main, "txtName")->setText(QStringLiteral("NEW PERSON %1").arg(++n));
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        Trigger(main, "mnuSavePerson");
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    if (!h.messages.shown.isEmpty())
        qFatal("Save Person said: %s", qPrintable(h.messages.last()));
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p95_ms"] = Percentile(times, 0.95);
}

// Import of a CSV file of 100,000 people into an empty store, from the
// button to the report.
void ImportCsv(benchmark::State& state) {
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("people.csv"));
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("No CSV file");
        QList<people::Person> all;
        for (const birth::BirthDetails& details : ManyPeople(kPeople))
            all.append({0, details, {}});
        file.write(people::writeCsv(all));
    }
    std::vector<double> times;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Harness h;
        h.app->setPeopleStorePath(folder.filePath(QStringLiteral("store-%1.sqlite").arg(++round)));
        h.start();
        h.files.answer = csv;
        Trigger(h.app->mainForm(), "mnuOpenPerson");
        QWidget* window = h.app->peopleWindow();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        Click(window, "cmdImport");
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        state.PauseTiming();
        if (h.app->peopleStore().count() != kPeople)
            qFatal("The import kept %lld people: %s", h.app->peopleStore().count(),
                   qPrintable(h.messages.last()));
        state.ResumeTiming();
    }
    state.counters["rows"] = kPeople;
    state.counters["median_ms"] = Percentile(times, 0.5);
}

BENCHMARK(ListPeople)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(OpenPeopleWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(SearchKeystroke)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SavePerson)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
