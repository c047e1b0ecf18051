// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which typed characters the boxes of the birth details take, and what they
// say of a character they refuse.

#include <QLocale>
#include <QString>

#include <optional>

#include "birth/key_verdict.h"

namespace birth {

// The latitude and longitude boxes take the digits and Backspace.
KeyVerdict digitKey(char32_t code);
// The name box takes letters, turned to capitals, blank, Enter and Backspace.
KeyVerdict nameKey(char32_t code);
// The name box's filter for the language the program speaks: under English
// (and where no translation applies) exactly nameKey; under another
// language also the letters of its script (German ä ö ü ß, the accented
// letters of French, Spanish and Portuguese, Devanagari with its combining
// signs, Arabic letters with their vowel marks), in capitals where the
// script has them. Digits and punctuation of any script stay refused.
KeyFilter nameKeyFor(QLocale::Language language);

// A name given whole (on the command line) as the name box takes it key by
// key in the language the program speaks: letters turned to capitals,
// blanks kept. Nothing when a character is one the box refuses, Enter and
// Backspace among them; then `refused`, when given, receives the first
// such character.
std::optional<QString> nameAsTheBoxTakesIt(const QString& typed, char32_t* refused = nullptr);

// What the name box says of a character it refuses, and the coordinate boxes.
QString refusedLetterMessage();
QString refusedDigitMessage();

}  // namespace birth
