// SPDX-License-Identifier: GPL-3.0-or-later
#include "validation.h"

#include <QCoreApplication>

namespace asterine {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("asterine::Validation", text);
}

}  // namespace

BirthDetailsProblem missing(BirthBox box) {
    static constexpr const char* messages[] = {
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Name"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Latitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Latitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Latitude"),
    };
    return {box, tr(messages[static_cast<int>(box)]), MessageIcon::Critical};
}

std::optional<BirthDetailsProblem> dateProblem(int monthIndex, int day, int year) {
    switch (checkDate(monthIndex, day, year)) {
    case DateProblem::February:
        return BirthDetailsProblem{std::nullopt, tr("Please Enter Correct Date Or Month!"),
                                   MessageIcon::Information};
    case DateProblem::ThirtyDayMonth:
        return BirthDetailsProblem{std::nullopt, tr("Please Enter Correct Date Or Month !"),
                                   MessageIcon::Information};
    case DateProblem::None:
        break;
    }
    return std::nullopt;
}

std::optional<BirthDetailsProblem> firstBirthDetailsProblem(const TypedBirthDetails& details) {
    const std::pair<const QString&, BirthBox> required[] = {
        {details.name, BirthBox::Name}, {details.lonD, BirthBox::LonD},
        {details.lonM, BirthBox::LonM}, {details.lonS, BirthBox::LonS},
        {details.latD, BirthBox::LatD}, {details.latM, BirthBox::LatM},
        {details.latS, BirthBox::LatS},
    };
    for (const auto& [text, box] : required) {
        if (isBlank(text))
            return missing(box);
    }
    return dateProblem(details.monthIndex, details.dayIndex + 1, details.year);
}

QString refusedLetterMessage() {
    return tr("Please Enter only Letters");
}

QString refusedDigitMessage() {
    return tr("Only Numbers Are Accepted");
}

BirthDetailsProblem latitudeRefusal(stars::LatitudeField field) {
    if (field == stars::LatitudeField::Degrees)
        return {BirthBox::LatD, tr("Please Enter Correct Degree of Latitude"),
                MessageIcon::Critical};
    return {BirthBox::LatM, tr("Please Enter Correct Minute of Latitude"), MessageIcon::Critical};
}

bool isBlank(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DateProblem checkDate(int monthIndex, int day, int year) {
    constexpr int February = 1;
    if (monthIndex == February && day > (isLeapYear(year) ? 29 : 28))
        return DateProblem::February;
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && day == 31)
        return DateProblem::ThirtyDayMonth;
    return DateProblem::None;
}

KeyVerdict digitKey(char32_t code) {
    if ((code >= U'0' && code <= U'9') || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

KeyVerdict nameKey(char32_t code) {
    if (code >= U'A' && code <= U'Z')
        return KeyVerdict::pass();
    if (code >= U'a' && code <= U'z')
        return KeyVerdict::replace(QChar(char16_t(code - 32)));
    if (code == U' ' || code == 13 || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

}  // namespace asterine
