// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real side effects of the program, as the start-up hands them to the
// application.

#include <QObject>

#include <random>

#include "formbase/services.h"

namespace asterine {

class DialogMessageService : public MessageService {
public:
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;
    MessageAnswer choose(QWidget* parent, const QString& text, const QString& first,
                         const QString& second) override;
};

// Hands an address to the desktop's opener (xdg-open, where there is one)
// without waiting for it. When the desktop cannot open it, the user is told
// so in one message that names the address and offers to copy it to the
// clipboard.
class DesktopUrlOpener : public QObject, public UrlOpener {
    Q_OBJECT
public:
    explicit DesktopUrlOpener(MessageService& messages) : messages_(messages) {}
    void open(const QUrl& address) override;

    // How long after the hand-over a failure of the opener is still told:
    // xdg-open may run the browser it starts until that browser ends, and
    // how a browser ends an hour later is not the link's failure.
    static constexpr int reportWindowMs = 30000;

private:
    void cannotOpen(const QUrl& address);

    MessageService& messages_;
    bool telling_ = false;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class TimerSeededRandom : public RandomSource {
public:
    void seedFromTimer() override;
    double draw() override;

private:
    std::mt19937_64 generator_;
};

// QSettings in the user's scope, keyed by the executable's base name.
class UserSettingsLocation : public SettingsLocation {
public:
    std::unique_ptr<QSettings> open() const override;
};

class EventLoopEnder : public ProcessEnder {
public:
    void endProcess() override;
};

class DialogFileChooser : public FileChooser {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
};

class DialogPictureSizeChooser : public PictureSizeChooser {
public:
    int pixelWidth(QWidget* parent, int suggested, double aspect) override;
};

class PaperPrinting : public Printing {
public:
    explicit PaperPrinting(MessageService& messages) : messages_(messages) {}
    void print(QWidget* parent, const document::ReadingDocument& reading,
               const Pictures& pictures) override;
    void preview(QWidget* parent, const document::ReadingDocument& reading,
                 const Pictures& pictures) override;

private:
    MessageService& messages_;
};

struct DesktopServices {
    DialogMessageService messages;
    DesktopUrlOpener urls{messages};
    SystemClock clock;
    TimerSeededRandom random;
    UserSettingsLocation settings;
    EventLoopEnder ender;
    DialogFileChooser files;
    PaperPrinting printing{messages};
    DialogPictureSizeChooser pictureSizes;

    Services services() {
        return {&messages, &urls,  &clock,    &random,      &settings,
                &ender,    &files, &printing, &pictureSizes};
    }
};

}  // namespace asterine
