// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language Asterine speaks: the desktop's, where there is a translation
// for it, English otherwise; the translations of its own texts and Qt's, and
// the lore of a reading in that language.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas.h"

#include "stars/reading.h"

namespace translation {

// The languages translated, as their files are named.
QStringList languages();

// The first of the desktop's languages (`uiLanguages`, as QLocale gives
// them: "de-DE", "pt-BR", "en") that there is a translation for in
// `folder`: the language with its country first, then the language alone,
// then the language in another country ("pt-PT" takes "pt_BR"). Empty when
// English comes first, or nothing is translated.
QString chooseLanguage(const QStringList& uiLanguages, const QString& folder);

// Where the translations are: share/asterine/translations beside the
// program's own folder.
QString translationsFolder();

// The compiled translation of `language` in `folder`, when it is the file
// the build made: its size and SHA-256 are the ones the build wrote into
// `translations.sums` beside it. Nothing for a file that is missing,
// damaged, cut short or not listed; `problem` then says what is wrong, in
// one sentence naming the file (empty when the file is simply not there).
std::optional<QByteArray> verifiedTranslation(const QString& language, const QString& folder,
                                              QString* problem = nullptr);

// Makes `language` (from chooseLanguage) the program's: installs its
// translations and Qt's own (from Qt's translations folder) and makes its
// locale the default, for month names and dates. For English nothing is
// loaded, and the default locale becomes English in the desktop's country.
// A translation that does not verify (verifiedTranslation) is not read:
// the program speaks English, and one line on standard error says why.
// Says whether Asterine's translation was loaded.
bool useLanguage(const QString& language, const QString& folder);

// useLanguage for the desktop's languages and the installed translations:
// what the program and its command line do at start. Where LC_ALL or
// LC_MESSAGES names the C locale ("C", "C.UTF-8"), that is English,
// whatever LANGUAGE says.
bool useDesktopLanguage();

// Whether the program speaks English: the texts, month names and date form
// of the original.
bool englishTexts();

// The desktop's languages for the names of places, as gettext names them
// ("de", "pt_BR"), in the desktop's order, up to English: the atlas shows
// places in the first and finds them by each. None under English.
std::vector<std::string> placeLanguages();

// The atlas of libgeonames in the desktop's languages (placeLanguages).
atlas::Atlas desktopAtlas();

// The lore text `english` in the reader's language; itself where there is
// no translation.
QString loreText(std::string_view english);

// One attribute's value as the reader is shown it: translated, but for
// Latin names and designations, which are proper names (only their "NA" is
// a word).
QString shownValue(stars::Attribute attribute, std::string_view english);

// `reading` with its lore in the reader's language; the star's name is a
// proper name and stays.
stars::StarReading localised(const stars::StarReading& reading);

}  // namespace translation
