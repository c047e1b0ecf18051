// SPDX-License-Identifier: GPL-3.0-or-later
#include "validation.h"

#include <QCoreApplication>

namespace asterine {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::Validation)
};

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
    return {box, Texts::tr(messages[static_cast<int>(box)]), MessageIcon::Critical};
}

std::optional<BirthDetailsProblem> dateProblem(int monthIndex, int day, int year) {
    switch (checkDate(monthIndex, day, year)) {
    case DateProblem::February:
        return BirthDetailsProblem{std::nullopt, Texts::tr("Please Enter Correct Date Or Month!"),
                                   MessageIcon::Information};
    case DateProblem::ThirtyDayMonth:
        return BirthDetailsProblem{std::nullopt, Texts::tr("Please Enter Correct Date Or Month !"),
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
    return Texts::tr("Please Enter only Letters");
}

QString refusedDigitMessage() {
    return Texts::tr("Only Numbers Are Accepted");
}

BirthDetailsProblem latitudeRefusal(stars::LatitudeField field) {
    if (field == stars::LatitudeField::Degrees)
        return {BirthBox::LatD, Texts::tr("Please Enter Correct Degree of Latitude"),
                MessageIcon::Critical};
    return {BirthBox::LatM, Texts::tr("Please Enter Correct Minute of Latitude"), MessageIcon::Critical};
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

KeyFilter nameKeyFor(QLocale::Language language) {
    // The letters each language adds to A to Z, small and capital.
    QString latin;
    switch (language) {
    case QLocale::German:
        latin = QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00c4\u00d6\u00dc\u1e9e");
        break;
    case QLocale::French:
        latin = QStringLiteral("\u00e0\u00e2\u00e6\u00e7\u00e9\u00e8\u00ea\u00eb\u00ee\u00ef"
                               "\u00f4\u0153\u00f9\u00fb\u00fc\u00ff\u00c0\u00c2\u00c6\u00c7"
                               "\u00c9\u00c8\u00ca\u00cb\u00ce\u00cf\u00d4\u0152\u00d9\u00db"
                               "\u00dc\u0178");
        break;
    case QLocale::Spanish:
        latin = QStringLiteral("\u00e1\u00e9\u00ed\u00f1\u00f3\u00fa\u00fc\u00c1\u00c9\u00cd"
                               "\u00d1\u00d3\u00da\u00dc");
        break;
    case QLocale::Portuguese:
        latin = QStringLiteral("\u00e1\u00e2\u00e3\u00e0\u00e7\u00e9\u00ea\u00ed\u00f3\u00f4"
                               "\u00f5\u00fa\u00fc\u00c1\u00c2\u00c3\u00c0\u00c7\u00c9\u00ca"
                               "\u00cd\u00d3\u00d4\u00d5\u00da\u00dc");
        break;
    case QLocale::Hindi:
    case QLocale::Arabic:
    default:
        break;
    }
    // The scripts without case: their letters and the marks that join them
    // (vowel signs, virama, nukta; harakat), not their digits or punctuation.
    char32_t first = 0, last = 0;
    if (language == QLocale::Hindi) {
        first = 0x0900;
        last = 0x097f;
    } else if (language == QLocale::Arabic) {
        first = 0x0620;
        last = 0x06ff;
    }
    if (latin.isEmpty() && first == 0)
        return nameKey;
    return [latin, first, last](char32_t code) {
        if (code <= 0xffff && latin.contains(QChar(char16_t(code)))) {
            const QChar capital = QChar(char16_t(code)).toUpper();
            return capital == QChar(char16_t(code)) ? KeyVerdict::pass()
                                                    : KeyVerdict::replace(capital);
        }
        if (code >= first && code <= last) {
            const QChar::Category category = QChar::category(code);
            const bool letter = category == QChar::Letter_Other ||
                                category == QChar::Letter_Modifier ||
                                category == QChar::Mark_NonSpacing ||
                                category == QChar::Mark_SpacingCombining;
            return letter ? KeyVerdict::pass() : KeyVerdict::discard();
        }
        // Hindi is typed with the joiners that choose a half form.
        if (first == 0x0900 && (code == 0x200c || code == 0x200d))
            return KeyVerdict::pass();
        return nameKey(code);
    };
}

}  // namespace asterine
