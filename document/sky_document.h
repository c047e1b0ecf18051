// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The birth's real sky as the document's sections: the reading's star in
// the sky, the bodies and angles, the conjunctions and the parans, from the
// sky engine's results, in the reader's language with the document's
// digits and, under a right-to-left language, the angles and times kept
// left to right.

#include <QLocale>
#include <QString>
#include <QStringList>

#include "birth/birth_details.h"
#include "document/reading_document.h"
#include "sky/birth_sky.h"

namespace document {

// The conjunctions a document lists, closest first; the rest are counted.
inline constexpr int kListedConjunctions = 12;

// The sky of a birth for the reading's star (its name as the reading gives
// it), as the document works it out.
sky::BirthSky workOutSky(const birth::BirthDetails& details, const QString& starName,
                         const SkyOptions& options);

// The sections of the sky, and the notes on what the details leave out.
struct SkyParts {
    QList<SkySection> sections;
    QStringList notes;
};
SkyParts skySections(const birth::BirthDetails& details, const QString& starName,
                     const sky::BirthSky& sky, const SkyOptions& options, const QLocale& locale);

}  // namespace document
