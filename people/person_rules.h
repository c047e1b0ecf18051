// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a person the program remembers is: the birth details the form holds,
// accepted by the same rules as a reading (birth::readingProblem); and how
// people are found.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "birth/birth_details.h"

namespace people {

// The longest name the Name box holds.
constexpr int kLongestName = 32767;

// A name as the Name box would have it typed: every small letter its
// capital. Two names are one person's when these are the same.
QString typedName(const QString& name);

// Why `name`, read from elsewhere than the Name box (a file), is not one the
// Name box of the language the program speaks would take: too long, or a
// character it refuses, told as plain text. Nothing when it would; then
// `typed` receives the name as the box would type it.
std::optional<QString> nameProblem(const QString& name, QString* typed);

// A name as a message shows it: a very long one cut short.
QString shownName(const QString& name);

// The folded form people are searched by, as the atlas folds place names:
// accents and case aside, words split at anything that is not a letter or
// a digit. Empty for text that is not valid.
QString folded(const QString& text);
std::string foldedUtf8(const QString& text);

// The place as the list shows it: "City, State, Country", empty parts left out.
QString placeText(const birth::BirthDetails& details);

// Whether `query` (folded) is found in `text` (folded): at the start of one
// of its words.
bool matches(std::string_view foldedText, std::string_view foldedQuery);

}  // namespace people
