// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine.h"

#include <charconv>

namespace stars {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

ReadingOutcome refused(LatitudeField field) {
    ReadingOutcome outcome;
    outcome.refusedField = field;
    return outcome;
}

}  // namespace

std::optional<int> readLatitudeBox(std::string_view text) {
    const std::string_view digits = trimBlanks(text);
    if (digits.empty() || digits.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string colatitudeKeyText(int latitudeDegrees, int latitudeMinutes) {
    // North of 90 degrees the minutes borrow one degree; the south branch has
    // no borrow.
    const int degrees = latitudeDegrees < 90 ? 89 - latitudeDegrees : 90 - latitudeDegrees;
    const int minutes = 60 - latitudeMinutes;
    std::string text = std::to_string(degrees);
    text += '.';
    if (minutes >= 0 && minutes < 10)
        text += '0';
    text += std::to_string(minutes);
    return text;
}

std::optional<double> readKeyText(std::string_view keyText) {
    double value = 0.0;
    const char* const end = keyText.data() + keyText.size();
    const auto [stop, error] = std::from_chars(keyText.data(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

bool ReadingEngine::FindStar(const StarCatalogue& catalogue, double key) {
    const std::optional<std::string_view> star = catalogue.search(key);
    if (!star)
        return false;
    currentStarName_ = std::string(*star);
    return true;
}

ReadingOutcome ReadingEngine::RequestReading(std::string_view latitudeDegrees,
                                             std::string_view latitudeMinutes, int birthYear) {
    const std::optional<int> degrees = readLatitudeBox(latitudeDegrees);
    if (!degrees)
        return refused(LatitudeField::Degrees);
    const std::optional<int> minutes = readLatitudeBox(latitudeMinutes);
    if (!minutes || *minutes > 60)
        return refused(LatitudeField::Minutes);

    const std::optional<double> key = readKeyText(colatitudeKeyText(*degrees, *minutes));
    if (!key)
        return refused(LatitudeField::Minutes);
    if (!FindStar(catalogueFor(*degrees, birthYear), *key))
        return refused(LatitudeField::Degrees);

    colatitudeKey_ = *key;
    ReadingOutcome outcome;
    outcome.reading = assembleReading(currentStarName_);
    return outcome;
}

}  // namespace stars
