#include "validation.h"

namespace asterine {

bool IsBlank(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DateProblem CheckDate(int monthIndex, int day, int year) {
    constexpr int February = 1;
    if (monthIndex == February && day > (IsLeapYear(year) ? 29 : 28))
        return DateProblem::February;
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && day == 31)
        return DateProblem::ThirtyDayMonth;
    return DateProblem::None;
}

KeyVerdict DigitKey(char32_t code) {
    if ((code >= U'0' && code <= U'9') || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

KeyVerdict NameKey(char32_t code) {
    if (code >= U'A' && code <= U'Z')
        return KeyVerdict::pass();
    if (code >= U'a' && code <= U'z')
        return KeyVerdict::replace(QChar(char16_t(code - 32)));
    if (code == U' ' || code == 13 || code == 8)
        return KeyVerdict::pass();
    return KeyVerdict::discard();
}

}  // namespace asterine
