// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reading as a document: what print, preview, PDF, the text file, the
// clipboard and the command line all give, built in one place from the
// reading and the birth details, so that they can never disagree.

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "birth/birth_details.h"
#include "birth/moment.h"

namespace sky {
struct BirthSky;
}

namespace stars {
struct StarReading;
}

namespace document {

// One line of the document: a caption and its value.
struct Field {
    QString caption;
    QString value;

    bool operator==(const Field&) const = default;
};

// How the document's sky is worked out, and the sky itself when it is
// worked out already (off the window's thread, say): it must then be the
// sky of the same details and star, with the same orb and paran tolerance.
struct SkyOptions {
    birth::Resolution resolution;        // the answer to a skipped or repeated clock time
    double orbDeg = 1.0;                 // conjunctions
    double paranMinutes = 4.0;           // parans
    const sky::BirthSky* sky = nullptr;  // worked out from the details when null
};

// A heading of the sky and its lines, with a note under the heading where
// lines are missing or need a word.
struct SkySection {
    QString title;
    QList<Field> fields;
    QString note;

    bool operator==(const SkySection&) const = default;
};

struct ReadingDocument {
    QString title;            // "Asterine Results"
    QList<Field> details;     // name, date, time, place, latitude, longitude, year
    Field birthTime;          // the time line of the details; empty without a time
    Field star;               // "Fixed Star" and the star's name
    QString starNote;         // the later-version text for a star without lore
    QList<Field> attributes;  // the ten, in the result form's order; none without lore
    // The birth's real sky: the reading's star, the bodies and angles, the
    // conjunctions, the parans, as far as the details allow; and what they
    // leave out, and why.
    QString skyTitle;  // "Sky"
    QList<SkySection> sky;
    QStringList skyNotes;
    QString footer;      // the program, its version and the day the document was made
    QString personName;  // for the file name and the PDF's title
    QString starName;
    // Right to left under a language written so; angles and positions
    // still read left to right within it.
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// A month's name as a date shows it: the birth-details form's English name
// under English, the language's own otherwise.
QString monthName(int monthIndex);
// A month's name on its own, as the date box lists it.
QString standaloneMonthName(int monthIndex);
// A date of birth as the documents and lists show it: "December 10, 1815"
// under English, "10. Dezember 1815" under German.
QString dateText(int monthIndex, int day, int year);

// An angle as typed into three boxes, with its side: "51° 30′ 26″ N".
QString angleText(const QString& degrees, const QString& minutes, const QString& seconds,
                  const QString& side);

// The letter a document gives the side of an angle, for N, S, E or W: the
// reader's language's (German "O" for east, Arabic "ش" for north).
QString compassLetter(QChar side);

// `text` with the digits of any script written as 0 to 9: a document keeps
// to the digits its angles and times are typed in.
QString westernDigits(const QString& text);

// `text` kept left to right as one piece in a right-to-left line: between
// the left-to-right isolate and its end (U+2066, U+2069), which show
// nothing and leave the text around them as it was.
QString leftToRight(const QString& text);

// Every angle in `text` ("Capricorn 15°19", "Leo 29°50'") kept left to
// right, so that a right-to-left line shows "15°19" and not "19°15";
// `text` itself when it holds no angle or its angles are kept already.
QString anglesLeftToRight(const QString& text);

// The document of `reading` for `details`, made on `madeOn`, with dates in
// `locale`'s format, laid out in its direction (right to left under
// Arabic) with the angles and positions kept left to right. The time of
// birth is the moment ("14:30 CET (UTC+01:00) · 13:30 UT") where the
// details give a date, a time and a zone; the sky is `sky`'s, or worked
// out here.
ReadingDocument makeDocument(const stars::StarReading& reading, const birth::BirthDetails& details,
                             const QDate& madeOn, const QLocale& locale = QLocale(),
                             const SkyOptions& sky = {});

// The document as text: one "Caption: value" line for each field, the star's
// note on a line of its own, UTF-8 with "\n" line ends and a final newline.
QString toText(const ReadingDocument& document);

// The document as HTML: the title, then tables of the fields, black on
// white whatever the desktop's palette, in the document's direction
// (dir="rtl" under a right-to-left language, the captions on the right);
// for the clipboard.
QString toHtml(const ReadingDocument& document);

// The same for paper, as Qt's rich text lays it out: that layout does not
// mirror a table's columns, so under a right-to-left language each row
// holds its value first and its caption second, and the tables sit on the
// right.
QString toPageHtml(const ReadingDocument& document);

// The title of the document for its metadata: "ADA - Regulus".
QString metadataTitle(const ReadingDocument& document);

// A file name from the person's name and the star, "ADA - Regulus.pdf", with
// every character a file name may not hold (on this desktop or another one
// the file may travel to) replaced.
QString suggestedFileName(const ReadingDocument& document, const QString& extension);

}  // namespace document
