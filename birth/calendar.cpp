// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar.h"

#include <QRegularExpression>

namespace birth {

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

const QRegularExpression& writtenDatePattern() {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    return pattern;
}

}  // namespace birth
