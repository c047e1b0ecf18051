// SPDX-License-Identifier: GPL-3.0-or-later
#include "birth_rules.h"

#include <QCoreApplication>

namespace birth {

namespace {

// The texts of the birth rules, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::Validation)
};

}  // namespace

BirthProblem missing(BirthBox box) {
    static constexpr const char* messages[] = {
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Name"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Longitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Degree of Latitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Minute of Latitude"),
        QT_TRANSLATE_NOOP("asterine::Validation", "Please Enter Second of Latitude"),
    };
    return {.box = box,
            .message = Texts::tr(messages[static_cast<int>(box)]),
            .severity = Severity::Error};
}

std::optional<BirthProblem> dateProblem(int monthIndex, int day, int year) {
    switch (checkDate(monthIndex, day, year)) {
    case DateProblem::February:
        return BirthProblem{.box = std::nullopt,
                            .message = Texts::tr("Please Enter Correct Date Or Month!"),
                            .severity = Severity::Notice};
    case DateProblem::ThirtyDayMonth:
        return BirthProblem{.box = std::nullopt,
                            .message = Texts::tr("Please Enter Correct Date Or Month !"),
                            .severity = Severity::Notice};
    case DateProblem::None:
        break;
    }
    return std::nullopt;
}

std::optional<BirthProblem> firstBirthProblem(const BirthDetails& details, RequiredBoxes required) {
    const struct {
        const QString& text;
        BirthBox box;
        bool required;
    } boxes[] = {
        {details.name, BirthBox::Name, required.name},
        {details.longitudeDegrees, BirthBox::LonD, required.longitude},
        {details.longitudeMinutes, BirthBox::LonM, required.longitude},
        {details.longitudeSeconds, BirthBox::LonS, required.longitude},
        {details.latitudeDegrees, BirthBox::LatD, true},
        {details.latitudeMinutes, BirthBox::LatM, true},
        {details.latitudeSeconds, BirthBox::LatS, true},
    };
    for (const auto& [text, box, needed] : boxes) {
        if (needed && isBlank(text))
            return missing(box);
    }
    return dateProblem(details.monthIndex, details.day, details.year);
}

std::optional<BirthProblem> readingProblem(const BirthDetails& details, RequiredBoxes required) {
    if (std::optional<BirthProblem> problem = firstBirthProblem(details, required))
        return problem;
    // A refusal depends on the latitude and the year alone, never on what an
    // engine read before: an engine of its own answers for every engine.
    stars::ReadingEngine probe;
    const stars::ReadingOutcome outcome = probe.RequestReading(
        details.latitudeDegrees.toStdString(), details.latitudeMinutes.toStdString(), details.year);
    if (!outcome.accepted())
        return latitudeRefusal(*outcome.refusedField);
    return std::nullopt;
}

BirthProblem latitudeRefusal(stars::LatitudeField field) {
    if (field == stars::LatitudeField::Degrees)
        return {.box = BirthBox::LatD,
                .message = Texts::tr("Please Enter Correct Degree of Latitude"),
                .severity = Severity::Error};
    return {.box = BirthBox::LatM,
            .message = Texts::tr("Please Enter Correct Minute of Latitude"),
            .severity = Severity::Error};
}

bool isBlank(const QString& text) {
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

}  // namespace birth
