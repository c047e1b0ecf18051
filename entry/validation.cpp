// SPDX-License-Identifier: GPL-3.0-or-later
#include "validation.h"

#include <QCoreApplication>

namespace asterine {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("asterine::Validation", text);
}

}  // namespace

std::optional<BirthDetailsProblem> firstBirthDetailsProblem(const TypedBirthDetails& details) {
    const struct {
        const QString& text;
        BirthBox box;
        const char* message;
    } required[] = {
        {details.name, BirthBox::Name,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Name")},
        {details.lonD, BirthBox::LonD,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Longitude")},
        {details.lonM, BirthBox::LonM,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Longitude")},
        {details.lonS, BirthBox::LonS,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Longitude")},
        {details.latD, BirthBox::LatD,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Latitude")},
        {details.latM, BirthBox::LatM,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Latitude")},
        {details.latS, BirthBox::LatS,
         QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Latitude")},
    };
    for (const auto& check : required) {
        if (isBlank(check.text))
            return BirthDetailsProblem{check.box, tr(check.message), MessageIcon::Critical};
    }
    switch (checkDate(details.monthIndex, details.dayIndex + 1, details.year)) {
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
