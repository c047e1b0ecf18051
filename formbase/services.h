// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's side effects, each behind a small interface so that the forms
// can be driven headless in tests: message boxes, opening a web address, the
// clock, the random draw, the settings store, ending the process, the file
// dialog, the size of a picture saved and the printer.

#include <QDateTime>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace document {
struct ReadingDocument;
}

namespace skychart {
class ChartPicture;
}

namespace asterine {

// The caption of every message box.
QString applicationTitle();

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Modal message boxes captioned with the application's title; their text
// is plain, never read as markup.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    // A question with two answers, each on a button of its own caption,
    // and Cancel: Yes is the first answer, No the second.
    virtual MessageAnswer choose(QWidget* parent, const QString& text, const QString& first,
                                 const QString& second) = 0;
};

// Hands a web address to the user's default browser without waiting for it
// and without reporting whether it worked.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// Draws r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromTimer() = 0;
    virtual double draw() = 0;
};

// The per-user settings store.
class SettingsLocation {
public:
    virtual ~SettingsLocation() = default;
    virtual std::unique_ptr<QSettings> open() const = 0;
};

// Ends the process once every form has been unloaded.
class ProcessEnder {
public:
    virtual ~ProcessEnder() = default;
    virtual void endProcess() = 0;
};

// The desktop's dialog for choosing where a file is saved.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The path chosen, starting from `suggested`; empty when the user
    // cancelled. `filter` is as Qt's file dialogs take it.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
    // The file chosen to read; empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
};

// The dialog asking how many pixels wide a picture is saved, its height
// following the picture's aspect (its width over its height).
class PictureSizeChooser {
public:
    virtual ~PictureSizeChooser() = default;
    // The width chosen, starting from `suggested`; 0 when the user cancelled.
    virtual int pixelWidth(QWidget* parent, int suggested, double aspect) = 0;
};

// Paper: the print dialog and the print preview, for one reading and the
// pictures of its sky that follow it.
class Printing {
public:
    using Pictures = std::vector<const skychart::ChartPicture*>;
    virtual ~Printing() = default;
    virtual void print(QWidget* parent, const document::ReadingDocument& reading,
                       const Pictures& pictures) = 0;
    virtual void preview(QWidget* parent, const document::ReadingDocument& reading,
                         const Pictures& pictures) = 0;
};

struct Services {
    MessageService* messages = nullptr;
    UrlOpener* urls = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    SettingsLocation* settings = nullptr;
    ProcessEnder* ender = nullptr;
    FileChooser* files = nullptr;
    Printing* printing = nullptr;
    PictureSizeChooser* pictureSizes = nullptr;
};

}  // namespace asterine
