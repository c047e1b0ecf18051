// SPDX-License-Identifier: GPL-3.0-or-later
#include "person_rules.h"

#include <QStringList>

#include "atlas/atlas.h"
#include "entry/validation.h"
#include "stars/engine.h"

namespace people {

std::optional<QString> saveProblem(const document::BirthDetails& details) {
    const asterine::TypedBirthDetails typed{
        details.name,          details.longitudeDegrees, details.longitudeMinutes,
        details.longitudeSeconds, details.latitudeDegrees, details.latitudeMinutes,
        details.latitudeSeconds,  details.monthIndex,      details.day - 1,
        details.year,
    };
    if (const std::optional<asterine::BirthDetailsProblem> problem =
            asterine::firstBirthDetailsProblem(typed))
        return problem->message;
    stars::ReadingEngine engine;
    const stars::ReadingOutcome outcome = engine.RequestReading(
        details.latitudeDegrees.toStdString(), details.latitudeMinutes.toStdString(), details.year);
    if (!outcome.accepted())
        return asterine::latitudeRefusal(*outcome.refusedField).message;
    return std::nullopt;
}

std::string foldedUtf8(const QString& text) {
    return atlas::foldForSearch(text.toStdString()).value_or(std::string());
}

QString folded(const QString& text) {
    return QString::fromStdString(foldedUtf8(text));
}

QString placeText(const document::BirthDetails& details) {
    QStringList parts;
    for (const QString& part : {details.city, details.state, details.country}) {
        if (!part.trimmed().isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

bool matches(std::string_view foldedText, std::string_view foldedQuery) {
    if (foldedQuery.empty())
        return true;
    std::size_t at = foldedText.find(foldedQuery);
    while (at != std::string_view::npos) {
        if (at == 0 || foldedText[at - 1] == ' ')
            return true;
        at = foldedText.find(foldedQuery, at + 1);
    }
    return false;
}

}  // namespace people
