// SPDX-License-Identifier: GPL-3.0-or-later
#include "people_csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <array>

#include "birth/birth_rules.h"
#include "birth/calendar.h"
#include "birth/zone.h"
#include "document/reading_document.h"
#include "person_rules.h"

namespace people {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(people::Csv)
};

// The columns every file of people has; the zone's, written after them,
// may be missing.
constexpr int kColumnCount = 14;

// The records of RFC 4180 text as spreadsheets write it: fields separated
// by commas (or semicolons, where the decimal mark is a comma), records by
// line ends (CR LF, LF or CR alone); a field in double quotes may hold
// separators, line ends and doubled quotes. Blanks around a field are not
// part of it; within quotes they are.
class Records {
public:
    explicit Records(const QByteArray& bytes) : data_(bytes) {
        if (data_.startsWith("\xEF\xBB\xBF"))
            at_ = 3;  // a byte order mark
    }

    void setSeparator(char separator) { separator_ = separator; }

    // The next record and the line it starts on; false at the end. A record
    // that breaks the rules (a quote left open, text after a closing quote)
    // comes back `malformed`.
    bool next(QList<QByteArray>& fields, qint64& line, bool& malformed) {
        fields.clear();
        malformed = false;
        // Blank lines between records are passed over.
        while (at_ < data_.size() && (data_[at_] == '\n' || data_[at_] == '\r'))
            lineEnd();
        if (at_ >= data_.size())
            return false;
        line = line_;
        QByteArray field;
        while (true) {
            skipBlanks();
            if (at_ < data_.size() && data_[at_] == '"') {
                ++at_;
                bool closed = false;
                while (at_ < data_.size()) {
                    const char c = data_[at_++];
                    if (c == '"') {
                        if (at_ < data_.size() && data_[at_] == '"') {
                            field += '"';
                            ++at_;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (at_ >= data_.size() || data_[at_] != '\n')))
                        ++line_;
                    field += c;
                }
                if (!closed)
                    malformed = true;
                // After the closing quote: blanks, then a separator or the record's end.
                skipBlanks();
                if (at_ < data_.size() && data_[at_] != separator_ && data_[at_] != '\n' &&
                    data_[at_] != '\r')
                    malformed = true;
                while (at_ < data_.size() && data_[at_] != separator_ && data_[at_] != '\n' &&
                       data_[at_] != '\r')
                    field += data_[at_++];
            } else {
                while (at_ < data_.size() && data_[at_] != separator_ && data_[at_] != '\n' &&
                       data_[at_] != '\r')
                    field += data_[at_++];
                while (field.endsWith(' ') || field.endsWith('\t'))
                    field.chop(1);
            }
            fields.append(field);
            field.clear();
            if (at_ >= data_.size())
                return true;
            if (data_[at_] == separator_) {
                ++at_;
                continue;
            }
            lineEnd();
            return true;
        }
    }

    qint64 position() const { return at_; }

private:
    void skipBlanks() {
        while (at_ < data_.size() && (data_[at_] == ' ' || data_[at_] == '\t'))
            ++at_;
    }
    // Past one line end: CR LF, LF or CR.
    void lineEnd() {
        if (data_[at_] == '\r' && at_ + 1 < data_.size() && data_[at_ + 1] == '\n')
            ++at_;
        ++at_;
        ++line_;
    }

    const QByteArray& data_;
    qsizetype at_ = 0;
    qint64 line_ = 1;
    char separator_ = ',';
};

// A text a spreadsheet would take for a formula (starting with = + - or @)
// is written after an apostrophe, as spreadsheets mark text; one apostrophe
// more is added to a text that starts with apostrophes before such a sign,
// so that reading takes exactly one away.
bool formulaLike(const QString& value) {
    qsizetype at = 0;
    while (at < value.size() && value[at] == QLatin1Char('\''))
        ++at;
    return at < value.size() && QStringLiteral("=+-@").contains(value[at]);
}

QString writtenAsText(const QString& value) {
    return formulaLike(value) ? QLatin1Char('\'') + value : value;
}

QString readAsText(const QString& value) {
    return value.startsWith(QLatin1Char('\'')) && formulaLike(value) ? value.mid(1) : value;
}

QByteArray quoted(const QString& value) {
    QByteArray bytes = writtenAsText(value).toUtf8();
    if (bytes.contains(',') || bytes.contains(';') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r') || bytes.startsWith(' ') || bytes.endsWith(' ') ||
        bytes.startsWith('\t') || bytes.endsWith('\t')) {
        bytes.replace('"', "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

// The compass words of every language the program speaks, as people write
// them in a spreadsheet: the side each names (true for south or west).
struct CompassWord {
    const char* word;
    bool negative;
};
const CompassWord kLatitudeWords[] = {
    {"N", false},
    {"S", true},
    {"North", false},
    {"South", true},
    {"Nord", false},
    {"S\u00fcd", true},
    {"Sud", true},
    {"Norte", false},
    {"Sur", true},
    {"Sul", true},
    {"\u0634\u0645\u0627\u0644", false},
    {"\u062c\u0646\u0648\u0628", true},
    {"\u0909\u0924\u094d\u0924\u0930", false},
    {"\u0926\u0915\u094d\u0937\u093f\u0923", true},
};
const CompassWord kLongitudeWords[] = {
    {"E", false},
    {"W", true},
    {"East", false},
    {"West", true},
    {"Ost", false},
    {"Est", false},
    {"Ouest", true},
    {"Este", false},
    {"Oeste", true},
    {"\u0634\u0631\u0642", false},
    {"\u063a\u0631\u0628", true},
    {"\u092a\u0942\u0930\u094d\u0935", false},
    {"\u092a\u0936\u094d\u091a\u093f\u092e", true},
};

std::optional<int> number(const QString& text, int first, int last) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < first || value > last)
        return std::nullopt;
    return value;
}

// Where each of a person's columns is in the file's rows, and how many
// fields a row has.
struct Columns {
    std::array<int, kColumnCount> at{};
    int zone = -1;  // none in the files of earlier versions
    int width = kColumnCount;
};

// Why a row cannot be a person; the person it is otherwise.
std::optional<QString> rowProblem(const QList<QByteArray>& bytes, const Columns& columns,
                                  birth::BirthDetails& details) {
    if (bytes.size() != columns.width)
        return Texts::tr("%1 fields, where the header has %2").arg(bytes.size()).arg(columns.width);
    QStringList fields;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    for (const int at : columns.at) {
        fields << readAsText(decoder.decode(bytes[at]));
        if (decoder.hasError())
            return Texts::tr("the text is not UTF-8 (save the file as UTF-8)");
    }
    details = birth::BirthDetails();
    if (birth::isBlank(fields[0]))
        return Texts::tr("the name is empty");
    // As the Name box would have it typed, or refused as the box refuses it.
    if (const std::optional<QString> problem = nameProblem(fields[0], &details.name))
        return problem;

    const QRegularExpressionMatch dateMatch = birth::writtenDatePattern().match(fields[1]);
    if (!dateMatch.hasMatch())
        return Texts::tr("the date \u201c%1\u201d is not written YYYY-MM-DD")
            .arg(fields[1].left(40));
    const std::optional<int> year =
        number(dateMatch.captured(1), birth::kFirstYear, birth::kLastYear);
    if (!year)
        return Texts::tr("the year %1 is not one from %2 to %3")
            .arg(dateMatch.captured(1), QString::number(birth::kFirstYear),
                 QString::number(birth::kLastYear));
    const std::optional<int> month = number(dateMatch.captured(2), 1, 12);
    const std::optional<int> day = number(dateMatch.captured(3), 1, 31);
    if (!month || !day)
        return Texts::tr("\u201c%1\u201d is not a date").arg(fields[1].left(40));
    if (birth::checkDate(*month - 1, *day, *year) != birth::DateProblem::None)
        return Texts::tr("%1 %2 %3 is not a date")
            .arg(*day)
            .arg(document::monthName(*month - 1))
            .arg(*year);
    details.monthIndex = *month - 1;
    details.day = *day;
    details.year = *year;

    // Seconds may be left out, as spreadsheets write a time: 7:07.
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch timeMatch = time.match(fields[2]);
    const std::optional<int> hour = number(timeMatch.captured(1), 0, 23);
    const std::optional<int> minute = number(timeMatch.captured(2), 0, 59);
    const std::optional<int> second = timeMatch.captured(3).isEmpty()
                                          ? std::optional<int>(0)
                                          : number(timeMatch.captured(3), 0, 59);
    if (!timeMatch.hasMatch() || !hour || !minute || !second)
        return Texts::tr("the time \u201c%1\u201d is not HH:MM:SS").arg(fields[2].left(40));
    details.hour = *hour;
    details.minute = *minute;
    details.second = *second;

    details.city = fields[3];
    details.state = fields[4];
    details.country = fields[5];

    // The coordinate boxes take up to three digits each.
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    const struct {
        int field;
        const char* what;
        QString* box;
    } boxes[] = {
        {6, QT_TRANSLATE_NOOP("people::Csv", "latitude degrees"), &details.latitudeDegrees},
        {7, QT_TRANSLATE_NOOP("people::Csv", "latitude minutes"), &details.latitudeMinutes},
        {8, QT_TRANSLATE_NOOP("people::Csv", "latitude seconds"), &details.latitudeSeconds},
        {10, QT_TRANSLATE_NOOP("people::Csv", "longitude degrees"), &details.longitudeDegrees},
        {11, QT_TRANSLATE_NOOP("people::Csv", "longitude minutes"), &details.longitudeMinutes},
        {12, QT_TRANSLATE_NOOP("people::Csv", "longitude seconds"), &details.longitudeSeconds},
    };
    for (const auto& box : boxes) {
        const QString& text = fields[box.field];
        if (text.isEmpty())
            return Texts::tr("the %1 are missing").arg(Texts::tr(box.what));
        if (!digits.match(text).hasMatch())
            return Texts::tr("%1 \u201c%2\u201d are not a number").arg(Texts::tr(box.what), text);
        if (text.size() > 3)
            return Texts::tr("%1 \u201c%2\u201d are longer than 3 digits")
                .arg(Texts::tr(box.what), text.left(20));
        *box.box = text;
    }
    // A side by its letter or its word, in either case: N, n, North, Nord,
    // \u0634\u0645\u0627\u0644; the words of every language the program speaks,
    // and the first letter of the word in the user's language.
    const auto side = [](const QString& text, const char* first, const char* second,
                         const auto& words) -> std::optional<bool> {
        const QString word = text.trimmed();
        for (const CompassWord& known : words) {
            if (word.compare(QString::fromUtf8(known.word), Qt::CaseInsensitive) == 0)
                return known.negative;
        }
        for (const auto& [name, negative] : {std::pair{first, false}, std::pair{second, true}}) {
            const QString translated = Texts::tr(name);
            if (word.compare(translated.left(1), Qt::CaseInsensitive) == 0 ||
                word.compare(translated, Qt::CaseInsensitive) == 0)
                return negative;
        }
        return std::nullopt;
    };
    const std::optional<bool> south =
        side(fields[9], QT_TRANSLATE_NOOP("people::Csv", "North"),
             QT_TRANSLATE_NOOP("people::Csv", "South"), kLatitudeWords);
    if (!south)
        return Texts::tr("the latitude's side \u201c%1\u201d is neither N nor S")
            .arg(fields[9].left(20));
    const std::optional<bool> west =
        side(fields[13], QT_TRANSLATE_NOOP("people::Csv", "East"),
             QT_TRANSLATE_NOOP("people::Csv", "West"), kLongitudeWords);
    if (!west)
        return Texts::tr("the longitude's side \u201c%1\u201d is neither E nor W")
            .arg(fields[13].left(20));
    details.south = *south;
    details.west = *west;

    // The zone as the command line and the form's box take it; kept as the
    // store keeps it. A blank one is none.
    if (columns.zone >= 0) {
        const QString zone = readAsText(decoder.decode(bytes[columns.zone])).trimmed();
        if (decoder.hasError())
            return Texts::tr("the text is not UTF-8 (save the file as UTF-8)");
        if (!zone.isEmpty()) {
            const birth::Parsed<birth::Zone> parsed = birth::parseZone(zone);
            if (!parsed.value)
                return parsed.error;
            details.zone = parsed.value->text();
        }
    }

    // Then as Save checks the form: the rules of a reading.
    if (const std::optional<birth::BirthProblem> problem = birth::readingProblem(details))
        return problem->message;
    return std::nullopt;
}

// The separator of a file: a semicolon when its first line has more of them
// than commas, as spreadsheets write where the decimal mark is a comma.
char separatorOf(const QByteArray& bytes) {
    qsizetype end = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (end < 0 || (cr >= 0 && cr < end))
        end = cr;
    const QByteArray first = bytes.left(end < 0 ? bytes.size() : end);
    return first.count(';') > first.count(',') ? ';' : ',';
}

// Goes through the rows of `bytes`: `good` for each person that passes,
// `refused` for each row that does not. A later row of a name already in
// the file is refused. The columns are found by the header's names, in any
// order; `ignored` receives those of other names. Nothing when the file is
// one of people; why not otherwise.
std::optional<QString> forEachRow(const QByteArray& bytes, const QString& fileName,
                                  const CsvProgress& progress, bool* cancelled,
                                  const std::function<bool(const birth::BirthDetails&)>& good,
                                  const std::function<void(qint64, const QString&)>& refused,
                                  QStringList* ignored = nullptr) {
    if (cancelled)
        *cancelled = false;
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (bytes.left(4096).contains('\0'))
        return Texts::tr("\u201c%1\u201d is not a CSV file of people: it is not text.")
            .arg(shownName);
    Records records(bytes);
    records.setSeparator(separatorOf(bytes));
    QList<QByteArray> fields;
    qint64 line = 0;
    bool malformed = false;
    if (!records.next(fields, line, malformed) || malformed)
        return Texts::tr("\u201c%1\u201d is not a CSV file of people: it has no header row.")
            .arg(shownName);
    const QStringList names = csvHeader();
    const QString zoneTitle = names.last();
    Columns columns;
    columns.at.fill(-1);
    columns.width = int(fields.size());
    for (int field = 0; field < fields.size(); ++field) {
        const QString title = QString::fromUtf8(fields[field]).trimmed();
        if (title.compare(zoneTitle, Qt::CaseInsensitive) == 0 && columns.zone < 0) {
            columns.zone = field;
            continue;
        }
        qsizetype column = -1;
        for (qsizetype n = 0; n < kColumnCount; ++n) {
            if (title.compare(names[n], Qt::CaseInsensitive) == 0)
                column = n;
        }
        if (column >= 0 && columns.at[std::size_t(column)] < 0)
            columns.at[std::size_t(column)] = field;
        else if (ignored)
            *ignored << title.left(40);
    }
    if (std::find(columns.at.begin(), columns.at.end(), -1) != columns.at.end())
        return Texts::tr(
                   "\u201c%1\u201d is not a CSV file of people: its first line is not the header "
                   "\u201c%2\u201d.")
            .arg(shownName, csvRequiredHeader().join(QLatin1Char(',')));

    QHash<QString, qint64> seen;
    qint64 rows = 0;
    birth::BirthDetails details;
    while (records.next(fields, line, malformed)) {
        ++rows;
        if (progress && rows % 1000 == 0 && !progress(rows, records.position(), bytes.size())) {
            if (cancelled)
                *cancelled = true;
            return std::nullopt;
        }
        std::optional<QString> problem;
        if (malformed)
            problem = Texts::tr("a quoted field is not closed, or goes on after its closing quote");
        else
            problem = rowProblem(fields, columns, details);
        if (!problem) {
            const auto earlier = seen.constFind(details.name);
            if (earlier != seen.constEnd())
                problem = Texts::tr("the name \u201c%1\u201d is also on line %2")
                              .arg(people::shownName(details.name))
                              .arg(*earlier);
        }
        if (problem) {
            refused(line, *problem);
            continue;
        }
        seen.insert(details.name, line);
        if (!good(details)) {
            if (cancelled)
                *cancelled = true;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

QStringList csvHeader() {
    return csvRequiredHeader() << QStringLiteral("Time Zone");
}

QStringList csvRequiredHeader() {
    return {QStringLiteral("Name"),
            QStringLiteral("Date of Birth"),
            QStringLiteral("Time of Birth"),
            QStringLiteral("City"),
            QStringLiteral("State"),
            QStringLiteral("Country"),
            QStringLiteral("Latitude Degrees"),
            QStringLiteral("Latitude Minutes"),
            QStringLiteral("Latitude Seconds"),
            QStringLiteral("North or South"),
            QStringLiteral("Longitude Degrees"),
            QStringLiteral("Longitude Minutes"),
            QStringLiteral("Longitude Seconds"),
            QStringLiteral("East or West")};
}

namespace {

// The zone a row is written with. An offset answered for a clock time the
// zone skipped or showed twice overrides the zone, so the row gives that
// offset as its fixed zone ("UTC+02:00"): read back, the birth falls on the
// same instant without asking again. An answer of seconds (the local mean
// time some zones kept before their first standard time) has no such text,
// and the zone is written as it is.
QString zoneWritten(const birth::BirthDetails& details) {
    if (details.utcOffsetSeconds && *details.utcOffsetSeconds % 60 == 0)
        return birth::offsetText(*details.utcOffsetSeconds);
    return details.zone;
}

}  // namespace

QByteArray writeCsv(const QList<Person>& people) {
    QByteArray csv = "\xEF\xBB\xBF";
    csv += csvHeader().join(QLatin1Char(',')).toUtf8() + "\r\n";
    for (const Person& person : people) {
        const birth::BirthDetails& d = person.details;
        const QStringList fields = {
            d.name,
            QStringLiteral("%1-%2-%3")
                .arg(d.year, 4, 10, QLatin1Char('0'))
                .arg(d.monthIndex + 1, 2, 10, QLatin1Char('0'))
                .arg(d.day, 2, 10, QLatin1Char('0')),
            QStringLiteral("%1:%2:%3")
                .arg(d.hour, 2, 10, QLatin1Char('0'))
                .arg(d.minute, 2, 10, QLatin1Char('0'))
                .arg(d.second, 2, 10, QLatin1Char('0')),
            d.city,
            d.state,
            d.country,
            d.latitudeDegrees,
            d.latitudeMinutes,
            d.latitudeSeconds,
            d.south ? QStringLiteral("S") : QStringLiteral("N"),
            d.longitudeDegrees,
            d.longitudeMinutes,
            d.longitudeSeconds,
            d.west ? QStringLiteral("W") : QStringLiteral("E"),
            zoneWritten(d),
        };
        QByteArrayList row;
        for (const QString& field : fields)
            row << quoted(field);
        csv += row.join(',') + "\r\n";
    }
    return csv;
}

CsvCheck checkCsv(const QByteArray& bytes, const QString& fileName, const QSet<QString>& savedNames,
                  const CsvProgress& progress) {
    CsvCheck check;
    bool cancelled = false;
    check.notPeople = forEachRow(
        bytes, fileName, progress, &cancelled,
        [&](const birth::BirthDetails& details) {
            ++check.good;
            if (savedNames.contains(details.name)) {
                ++check.existing;
                if (check.existingNames.size() < kExistingNamesKept)
                    check.existingNames << details.name;
            }
            return true;
        },
        [&](qint64 line, const QString& reason) {
            check.refused.append({line, reason});
        },
        &check.ignoredColumns);
    return check;
}

std::optional<QString> importCsv(const QByteArray& bytes, PeopleStore::Batch& batch,
                                 const CsvProgress& progress, bool* cancelled) {
    StoreResult added;
    const std::optional<QString> notPeople = forEachRow(
        bytes, QString(), progress, cancelled,
        [&](const birth::BirthDetails& details) {
            added = batch.add(details);
            return added.ok();
        },
        [](qint64, const QString&) {});
    if (cancelled && *cancelled && added) {
        batch.cancel();
        return std::nullopt;
    }
    if (!added)
        return added.message();
    if (notPeople)
        return notPeople;
    if (const StoreResult committed = batch.commit(); !committed)
        return committed.message();
    return std::nullopt;
}

}  // namespace people
