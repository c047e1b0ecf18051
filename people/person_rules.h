// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person the program remembers is: the birth details the form holds,
// accepted by the same rules as a reading; and how people are found.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "document/birth_details.h"

namespace people {

// Why `details` cannot be saved, in the words the form uses (its checks,
// then the engine's two latitude refusals); nothing when they can.
std::optional<QString> saveProblem(const document::BirthDetails& details);

// The folded form people are searched by, as the atlas folds place names:
// accents and case aside, words split at anything that is not a letter or
// a digit. Empty for text that is not valid.
QString folded(const QString& text);
std::string foldedUtf8(const QString& text);

// The place as the list shows it: "City, State, Country", empty parts left out.
QString placeText(const document::BirthDetails& details);

// Whether `query` (folded) is found in `text` (folded): at the start of one
// of its words.
bool matches(std::string_view foldedText, std::string_view foldedQuery);

}  // namespace people
