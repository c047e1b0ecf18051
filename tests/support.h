// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recording stand-ins for the program's side effects, so the forms run
// headless and no test ever waits on a real dialog, browser or clock.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QList>
#include <QListWidget>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

#include <deque>
#include <memory>

#include "app/application.h"
#include "app/single_instance.h"
#include "document/reading_document.h"
#include "formbase/services.h"
#include "web/links.h"

namespace asterine::test {

// How long anything awaited may take before a check gives up on it. Every
// wait ends as soon as what it waits for happens; the limit is long because
// a busy machine is slow to show a window or to load a page.
constexpr int kPatienceMs = 90000;

struct ShownMessage {
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QWidget* parent = nullptr;
    bool parentShown = false;  // the window it opens over was on the screen
    // The captions of the two answers of a choice; empty for a message.
    QStringList choices;
};

class RecordingMessages : public MessageService {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.append({text, icon, buttons, parent, parent && parent->isVisible(), {}});
        if (onShow)
            onShow();
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : answer;
    }
    // Recorded as a question of Yes, No and Cancel, the two captions with it.
    MessageAnswer choose(QWidget* parent, const QString& text, const QString& first,
                         const QString& second) override {
        shown.append({text,
                      MessageIcon::Information,
                      MessageButtons::YesNoCancel,
                      parent,
                      parent && parent->isVisible(),
                      {first, second}});
        if (onShow)
            onShow();
        return answer;
    }
    QStringList texts() const {
        QStringList result;
        for (const ShownMessage& m : shown)
            result << m.text;
        return result;
    }
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QList<ShownMessage> shown;
    MessageAnswer answer = MessageAnswer::No;
    std::function<void()> onShow;
};

class RecordingUrls : public UrlOpener {
public:
    void open(const QUrl& address) override { opened.append(address); }
    QList<QUrl> opened;
};

class FixedClock : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 8), QTime(10, 30));
};

class ScriptedRandom : public RandomSource {
public:
    void seedFromTimer() override { ++seeds; }
    double draw() override {
        if (draws.empty())
            return fallback;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    std::deque<double> draws;
    double fallback = 0.0;
    int seeds = 0;
};

class TemporarySettings : public SettingsLocation {
public:
    std::unique_ptr<QSettings> open() const override {
        return std::make_unique<QSettings>(path(), QSettings::IniFormat);
    }
    QString path() const { return folder.filePath(QStringLiteral("asterine.ini")); }
    QVariant duration() const { return open()->value(QStringLiteral("Settings/Duration")); }
    void setDuration(const QVariant& value) {
        open()->setValue(QStringLiteral("Settings/Duration"), value);
    }
    QTemporaryDir folder;
};

class RecordingEnder : public ProcessEnder {
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

// Answers the save and open dialogs with a path set beforehand, and records
// what they were asked.
class ScriptedFiles : public FileChooser {
public:
    QString saveFileName(QWidget*, const QString& caption, const QString& suggested,
                         const QString& filter) override {
        asked.append({caption, suggested, filter});
        return answer;
    }
    QString openFileName(QWidget*, const QString& caption, const QString& folder,
                         const QString& filter) override {
        asked.append({caption, folder, filter});
        return answer;
    }
    struct Question {
        QString caption;
        QString suggested;
        QString filter;
    };
    QList<Question> asked;
    QString answer;  // empty: the user cancels
};

// Answers the picture size dialog with a width set beforehand (the width
// suggested while none is set, as OK would), and records what it was asked.
class ScriptedPictureSizes : public PictureSizeChooser {
public:
    int pixelWidth(QWidget*, int suggested, double aspect) override {
        asked.append({suggested, aspect});
        if (cancel)
            return 0;
        return answer > 0 ? answer : suggested;
    }
    struct Question {
        int suggested = 0;
        double aspect = 0;
    };
    QList<Question> asked;
    int answer = 0;
    bool cancel = false;
};

// Records what would have gone to paper.
class RecordingPrinting : public Printing {
public:
    void print(QWidget*, const document::ReadingDocument& reading,
               const Pictures& pictures) override {
        printed.append(document::toText(reading));
        printedPictures = pictures.size();
    }
    void preview(QWidget*, const document::ReadingDocument& reading,
                 const Pictures& pictures) override {
        previewed.append(document::toText(reading));
        printedPictures = pictures.size();
    }
    QStringList printed;
    QStringList previewed;
    std::size_t printedPictures = 0;  // with the last reading printed or previewed
};

// An application with every side effect recorded.
struct Harness {
    RecordingMessages messages;
    RecordingUrls urls;
    FixedClock clock;
    ScriptedRandom random;
    TemporarySettings settings;
    RecordingEnder ender;
    ScriptedFiles files;
    RecordingPrinting printing;
    ScriptedPictureSizes pictureSizes;
    QTemporaryDir runtime;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<Application> app;

    Harness() {
        // The update prompt has run before: no question at start-up.
        settings.setDuration(clock.time.toString(Qt::ISODate));
        app = std::make_unique<Application>(Services{&messages, &urls, &clock, &random, &settings,
                                                     &ender, &files, &printing, &pictureSizes});
        // The people are kept beside the settings, in the test's own folder.
        app->setPeopleStorePath(peoplePath());
    }
    ~Harness() {
        app.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString lockPath() const { return runtime.filePath(QStringLiteral("asterine.lock")); }
    QString peoplePath() const { return settings.folder.filePath(QStringLiteral("people.sqlite")); }

    bool start() {
        instance = std::make_unique<SingleInstance>(lockPath());
        return app->startUp(*instance);
    }

    // Lets deferred deletions of closed forms run.
    static void settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

template <typename T = QWidget>
T* Child(QWidget* form, const char* name) {
    T* child = form ? form->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!child)
        qWarning("No control named %s", name);
    return child;
}

// Triggers a menu item of a form by its object name.
inline void Trigger(QWidget* form, const char* name) {
    auto* action = form->findChild<QAction*>(QLatin1String(name));
    QVERIFY2(action, name);
    action->trigger();
}

// Types one character that no key of a US keyboard gives.
inline void TypeCharacter(QWidget* widget, const QString& character) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
}

// A dark desktop palette, as Breeze Dark and the like give one.
inline QPalette DarkPalette() {
    QPalette palette;
    const QColor window(0x31, 0x36, 0x3b), text(0xef, 0xf0, 0xf1);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x1d, 0x99, 0xf3));
    palette.setColor(QPalette::LinkVisited, QColor(0x9b, 0x59, 0xb6));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(0x8f, 0x95, 0x9b));
    palette.setColor(QPalette::Light, QColor(0x47, 0x4d, 0x54));
    palette.setColor(QPalette::Midlight, QColor(0x3c, 0x42, 0x48));
    palette.setColor(QPalette::Mid, QColor(0x2b, 0x2f, 0x33));
    palette.setColor(QPalette::Dark, QColor(0x1e, 0x21, 0x24));
    palette.setColor(QPalette::Shadow, QColor(0x12, 0x14, 0x15));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x6e, 0x71, 0x75));
    return palette;
}

// For the life of a check that opens a modal window: closes whatever modal
// window is still open after a long while, so that a check that failed
// inside it ends the test instead of leaving it waiting for ever.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int milliseconds = kPatienceMs) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) {
                qWarning("Closing a modal window that a check left open");
                modal->close();
            }
        });
        timer_.start(milliseconds);
    }

private:
    QTimer timer_;
};

// The atlas list under the City box of the birth-details form `form`, once
// it shows; none when it does not within `milliseconds`.
inline QListWidget* PlaceList(QWidget* form, int milliseconds = kPatienceMs) {
    QListWidget* list = nullptr;
    (void)QTest::qWaitFor(
        [&] {
            list = form->findChild<QListWidget*>(QStringLiteral("lstPlaces"));
            return list && list->isVisible();
        },
        milliseconds);
    return list && list->isVisible() ? list : nullptr;
}

// The six latitude and longitude boxes of the birth-details form.
inline const char* const kCoordinateBoxes[] = {"txtLonD", "txtLonM", "txtLonS",
                                               "txtLatD", "txtLatM", "txtLatS"};

// Fills every box of the birth-details form that the checks require, with a
// latitude of `degrees` 30.
inline void FillValid(QWidget* form, const QString& degrees = QStringLiteral("40")) {
    Child<QLineEdit>(form, "txtName")->setText(QStringLiteral("SMITH"));
    for (const char* name : kCoordinateBoxes)
        Child<QLineEdit>(form, name)->setText(QStringLiteral("30"));
    Child<QLineEdit>(form, "txtLatD")->setText(degrees);
}

inline void Click(QWidget* form, const char* name) {
    auto* widget = Child(form, name);
    QVERIFY2(widget, name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

}  // namespace asterine::test

// The main of a suite that opens the built-in browser: the web engine wants
// shared OpenGL contexts before the application exists, no sandbox when run
// as root (Chromium's refuses), and no traffic of its own.
#define ASTERINE_WEB_TEST_MAIN(TestClass)                              \
    int main(int argc, char* argv[]) {                                 \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);    \
        if (::geteuid() == 0)                                          \
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");               \
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) \
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS",                      \
                    "--disable-background-networking "                 \
                    "--disable-component-update --no-first-run");      \
        QApplication application(argc, argv);                          \
        TestClass test;                                                \
        return QTest::qExec(&test, argc, argv);                        \
    }
