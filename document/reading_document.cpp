// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_document.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <array>

#include "birth/details_moment.h"
#include "document/sky_document.h"
#include "language/translation.h"
#include "stars/reading.h"

namespace document {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(document::ReadingDocument)
};

// The result form's order: its left column, then its right one.
struct AttributeCaption {
    stars::Attribute attribute;
    const char* caption;
};
constexpr std::array<AttributeCaption, stars::attributeCount> kAttributes{{
    {stars::Attribute::LatinName, QT_TRANSLATE_NOOP("document::ReadingDocument", "Latin Name")},
    {stars::Attribute::Designation, QT_TRANSLATE_NOOP("document::ReadingDocument", "Designation")},
    {stars::Attribute::Gemstone, QT_TRANSLATE_NOOP("document::ReadingDocument", "Gemstone")},
    {stars::Attribute::Plant, QT_TRANSLATE_NOOP("document::ReadingDocument", "Plant")},
    {stars::Attribute::Keywords, QT_TRANSLATE_NOOP("document::ReadingDocument", "Keywords")},
    {stars::Attribute::Effect, QT_TRANSLATE_NOOP("document::ReadingDocument", "Effect")},
    {stars::Attribute::Position, QT_TRANSLATE_NOOP("document::ReadingDocument", "Position")},
    {stars::Attribute::RulingPlanet,
     QT_TRANSLATE_NOOP("document::ReadingDocument", "Ruling Planet")},
    {stars::Attribute::Direction, QT_TRANSLATE_NOOP("document::ReadingDocument", "Direction")},
    {stars::Attribute::Angel, QT_TRANSLATE_NOOP("document::ReadingDocument", "Angel")},
}};

// The birth-details form's month names, in English.
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

constexpr QChar kLeftToRightIsolate(0x2066);
constexpr QChar kPopIsolate(0x2069);

// Who lays the HTML out: a browser or mail program mirrors a right-to-left
// table itself; Qt's rich text needs its columns in the order they show.
enum class Reader { Browser, QtText };

// What the document's table rows look like on paper and in a mail: the
// caption at the start of the line, in bold, a gap, then the value.
QString htmlRows(const QList<Field>& fields, bool rightToLeft, Reader reader) {
    const QString caption = rightToLeft ? QStringLiteral(
                                              "<th align=\"right\" valign=\"top\" dir=\"rtl\" "
                                              "style=\"padding-left:12px\">%1</th>")
                                        : QStringLiteral(
                                              "<th align=\"left\" valign=\"top\" "
                                              "style=\"padding-right:12px\">%1</th>");
    const QString value =
        rightToLeft ? QStringLiteral("<td align=\"right\" valign=\"top\" dir=\"rtl\">%1</td>")
                    : QStringLiteral("<td valign=\"top\">%1</td>");
    const bool valueFirst = rightToLeft && reader == Reader::QtText;
    QString rows;
    for (const Field& field : fields) {
        const QString captionCell = caption.arg(field.caption.toHtmlEscaped());
        const QString valueCell = value.arg(field.value.toHtmlEscaped());
        rows += QStringLiteral("<tr>") +
                (valueFirst ? valueCell + captionCell : captionCell + valueCell) +
                QStringLiteral("</tr>\n");
    }
    return rows;
}

QString documentHtml(const ReadingDocument& document, Reader reader) {
    const bool rightToLeft = document.direction == Qt::RightToLeft;
    // The direction of every block, for readers that do not pass it down.
    const QString dir = rightToLeft ? QStringLiteral(" dir=\"rtl\"") : QString();
    const QString table =
        QStringLiteral("<table%1 cellspacing=\"0\" cellpadding=\"2\">\n")
            .arg(rightToLeft && reader == Reader::QtText ? dir + QStringLiteral(" align=\"right\"")
                                                         : dir);
    QString html =
        QStringLiteral(
            "<html%1><head><meta charset=\"utf-8\"><title>%2</title></head>\n"
            "<body%1 style=\"color:#000000; background-color:#ffffff\">\n"
            "<h1%1>%3</h1>\n")
            .arg(dir, metadataTitle(document).toHtmlEscaped(), document.title.toHtmlEscaped());
    html += table;
    html += htmlRows(document.details, rightToLeft, reader);
    html +=
        QStringLiteral("</table>\n<h2%1>%2: %3</h2>\n")
            .arg(dir, document.star.caption.toHtmlEscaped(), document.star.value.toHtmlEscaped());
    if (!document.starNote.isEmpty())
        html += QStringLiteral("<p%1>%2</p>\n").arg(dir, document.starNote.toHtmlEscaped());
    if (!document.attributes.isEmpty()) {
        html += table;
        html += htmlRows(document.attributes, rightToLeft, reader);
        html += QStringLiteral("</table>\n");
    }
    if (!document.sky.isEmpty()) {
        html += QStringLiteral("<h2%1>%2</h2>\n").arg(dir, document.skyTitle.toHtmlEscaped());
        for (const SkySection& section : document.sky) {
            html += QStringLiteral("<h3%1>%2</h3>\n").arg(dir, section.title.toHtmlEscaped());
            if (!section.note.isEmpty())
                html += QStringLiteral("<p%1>%2</p>\n").arg(dir, section.note.toHtmlEscaped());
            if (!section.fields.isEmpty()) {
                html += table;
                html += htmlRows(section.fields, rightToLeft, reader);
                html += QStringLiteral("</table>\n");
            }
        }
        for (const QString& note : document.skyNotes)
            html += QStringLiteral("<p%1><small>%2</small></p>\n").arg(dir, note.toHtmlEscaped());
    }
    html += QStringLiteral("<p%1><small>%2</small></p>\n</body></html>\n")
                .arg(dir, document.footer.toHtmlEscaped());
    return html;
}

// The birth's real sky, worked out here unless the caller has it.
void addSky(ReadingDocument& document, const birth::BirthDetails& details,
            const SkyOptions& options, const QLocale& locale) {
    document.skyTitle = Texts::tr("Sky");
    const SkyParts parts =
        options.sky ? skySections(details, document.starName, *options.sky, options, locale)
                    : skySections(details, document.starName,
                                  workOutSky(details, document.starName, options), options, locale);
    document.sky = parts.sections;
    document.skyNotes = parts.notes;
}

}  // namespace

QString monthName(int monthIndex) {
    if (monthIndex < 0 || monthIndex >= int(std::size(kMonths)))
        return QString::number(monthIndex + 1);
    if (translation::englishTexts())
        return QLatin1String(kMonths[monthIndex]);
    return QLocale().monthName(monthIndex + 1, QLocale::LongFormat);
}

QString standaloneMonthName(int monthIndex) {
    if (translation::englishTexts() || monthIndex < 0 || monthIndex >= int(std::size(kMonths)))
        return monthName(monthIndex);
    return QLocale().standaloneMonthName(monthIndex + 1, QLocale::LongFormat);
}

QString dateText(int monthIndex, int day, int year) {
    //: A date of birth: %1 the month's name, %2 the day, %3 the year, in the
    //: order and form of the language ("10. Dezember 1815", "10 de diciembre de 1815").
    return Texts::tr("%1 %2, %3").arg(monthName(monthIndex)).arg(day).arg(year);
}

QString angleText(const QString& degrees, const QString& minutes, const QString& seconds,
                  const QString& side) {
    return QStringLiteral("%1\u00b0 %2\u2032 %3\u2033 %4").arg(degrees, minutes, seconds, side);
}

QString compassLetter(QChar side) {
    switch (side.unicode()) {
    case 'N':
        //: The letter for north after a latitude, as in 51° 30′ 26″ N.
        return Texts::tr("N", "north");
    case 'S':
        //: The letter for south after a latitude, as in 33° 52′ 0″ S.
        return Texts::tr("S", "south");
    case 'E':
        //: The letter for east after a longitude, as in 151° 12′ 0″ E.
        return Texts::tr("E", "east");
    case 'W':
        //: The letter for west after a longitude, as in 0° 7′ 39″ W.
        return Texts::tr("W", "west");
    default:
        return QString(side);
    }
}

QString westernDigits(const QString& text) {
    QString western = text;
    for (QChar& c : western) {
        if (c.isDigit() && c.unicode() > 0x7f)
            c = QChar(u'0' + c.digitValue());
    }
    return western;
}

QString leftToRight(const QString& text) {
    return kLeftToRightIsolate + text + kPopIsolate;
}

QString anglesLeftToRight(const QString& text) {
    if (text.contains(kLeftToRightIsolate))
        return text;
    // Degrees, then minutes and seconds with or without their marks.
    static const QRegularExpression angle(
        QStringLiteral("\\d+\u00b0(?:\\s?\\d+[\u2032']?)?(?:\\s?\\d+[\u2033\"]?)?"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString kept;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : angle.globalMatch(text)) {
        kept += text.mid(done, match.capturedStart() - done) + leftToRight(match.captured());
        done = match.capturedEnd();
    }
    return kept + text.mid(done);
}

ReadingDocument makeDocument(const stars::StarReading& reading, const birth::BirthDetails& details,
                             const QDate& madeOn, const QLocale& locale, const SkyOptions& sky) {
    ReadingDocument document;
    document.direction = locale.textDirection();
    const bool rightToLeft = document.direction == Qt::RightToLeft;
    // An angle reads degrees, minutes, seconds from the left in every
    // language, as on the birth-details form.
    const auto angle = [rightToLeft](const QString& text) {
        return rightToLeft ? leftToRight(text) : text;
    };
    document.title = Texts::tr("Asterine Results");
    document.personName = details.name;

    if (!details.name.isEmpty())
        document.details << Field{Texts::tr("Name"), details.name};
    if (details.dateGiven)
        document.details << Field{Texts::tr("Date of Birth"),
                                  dateText(details.monthIndex, details.day, details.year)};
    if (details.timeGiven) {
        // The moment, with its zone and in universal time, when the details
        // give one; the clock time as typed otherwise.
        const std::optional<birth::Moment> moment =
            birth::momentOfDetails(details, sky.resolution).moment;
        document.birthTime =
            Field{Texts::tr("Time of Birth"),
                  moment ? angle(moment->text())
                         : QStringLiteral("%1:%2:%3")
                               .arg(twoDigits(details.hour), twoDigits(details.minute),
                                    twoDigits(details.second))};
        document.details << document.birthTime;
    }
    QStringList place;
    for (const QString& part : {details.city, details.state, details.country}) {
        if (!part.trimmed().isEmpty())
            place << part;
    }
    if (!place.isEmpty())
        document.details << Field{Texts::tr("Place of Birth"), place.join(QStringLiteral(", "))};
    document.details << Field{
        Texts::tr("Latitude"),
        angle(angleText(details.latitudeDegrees, details.latitudeMinutes, details.latitudeSeconds,
                        compassLetter(details.south ? QLatin1Char('S') : QLatin1Char('N'))))};
    if (!(details.longitudeDegrees + details.longitudeMinutes + details.longitudeSeconds).isEmpty())
        document.details << Field{
            Texts::tr("Longitude"),
            angle(angleText(details.longitudeDegrees, details.longitudeMinutes,
                            details.longitudeSeconds,
                            compassLetter(details.west ? QLatin1Char('W') : QLatin1Char('E'))))};
    document.details << Field{Texts::tr("Year for the Catalogue"), QString::number(details.year)};

    // The star line is the star's name, and for a star without lore the
    // later-version text on a line of its own.
    const QString starLine = QString::fromStdString(reading.starLine);
    const qsizetype lineBreak = starLine.indexOf(QLatin1Char('\r'));
    document.starName = lineBreak < 0 ? starLine : starLine.left(lineBreak);
    document.star = Field{Texts::tr("Fixed Star"), document.starName};
    if (lineBreak >= 0)
        document.starNote =
            starLine.mid(lineBreak).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (reading.frameShown) {
        for (const AttributeCaption& attribute : kAttributes) {
            QString value = QString::fromStdString(reading[attribute.attribute]);
            if (rightToLeft && attribute.attribute == stars::Attribute::Position)
                value = anglesLeftToRight(value);
            document.attributes << Field{Texts::tr(attribute.caption), value};
        }
    }

    addSky(document, details, sky, locale);

    // One set of digits in a document: those of the angles and times as
    // typed, which the language's date may not use (Arabic's does not).
    document.footer = Texts::tr("Made with Asterine %1 on %2")
                          .arg(QStringLiteral(ASTERINE_VERSION),
                               westernDigits(locale.toString(madeOn, QLocale::LongFormat)));
    return document;
}

QString toText(const ReadingDocument& document) {
    QString text = document.title + QLatin1Char('\n');
    const auto line = [&text](const Field& field) {
        text += field.caption + QStringLiteral(": ") + field.value + QLatin1Char('\n');
    };
    for (const Field& field : document.details)
        line(field);
    line(document.star);
    if (!document.starNote.isEmpty())
        text += document.starNote + QLatin1Char('\n');
    for (const Field& field : document.attributes)
        line(field);
    if (!document.sky.isEmpty()) {
        text += document.skyTitle + QLatin1Char('\n');
        for (const SkySection& section : document.sky) {
            text += section.title + QLatin1Char('\n');
            if (!section.note.isEmpty())
                text += section.note + QLatin1Char('\n');
            for (const Field& field : section.fields)
                line(field);
        }
        for (const QString& note : document.skyNotes)
            text += note + QLatin1Char('\n');
    }
    text += document.footer + QLatin1Char('\n');
    return text;
}

QString toHtml(const ReadingDocument& document) {
    return documentHtml(document, Reader::Browser);
}

QString toPageHtml(const ReadingDocument& document) {
    // On paper the left-to-right pieces are embeddings (U+202A ... U+202C),
    // which Qt lays out as it does isolates here: the common fonts have
    // glyphs for them, so a line with an angle takes no fallback font for
    // its marks and keeps the height of the lines around it.
    QString html = documentHtml(document, Reader::QtText);
    html.replace(kLeftToRightIsolate, QChar(0x202a));
    html.replace(kPopIsolate, QChar(0x202c));
    return html;
}

QString metadataTitle(const ReadingDocument& document) {
    return document.personName + QStringLiteral(" - ") + document.starName;
}

QString suggestedFileName(const ReadingDocument& document, const QString& extension) {
    QString name = metadataTitle(document);
    for (QChar& c : name) {
        // Characters no file name may hold here or on the desktops it may
        // travel to, and control characters.
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // Blanks and points at either end make names that file managers hide
    // or trim.
    while (!name.isEmpty() &&
           (name.front() == QLatin1Char(' ') || name.front() == QLatin1Char('.')))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == QLatin1Char(' ') || name.back() == QLatin1Char('.')))
        name.chop(1);
    if (name.isEmpty() || name == QLatin1String("-"))
        name = Texts::tr("Reading");
    // File systems take 255 bytes for a name; keep room for the extension.
    while (name.toUtf8().size() > 200)
        name.chop(name.back().isLowSurrogate() ? 2 : 1);
    return name + QLatin1Char('.') + extension;
}

}  // namespace document
