// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace sky {

// A star of the compiled-in catalogue, as the catalogue gives it: its place
// in the ICRS at epoch J2000.0 and its motions.
struct Star {
    std::string_view name;         // its first name in the catalogue, or its designation
    std::string_view designation;  // Bayer or other designation, as "alTau" or "M42"
    double rightAscensionDeg;      // ICRS, J2000.0
    double declinationDeg;         // ICRS, J2000.0
    double properMotionRaMas;      // mas a year on the sky (that is, times cos declination)
    double properMotionDecMas;     // mas a year
    double parallaxMas;            // mas (0 where unknown or far)
    double radialVelocityKmS;      // km/s, positive receding
    double magnitude;              // V; meaningful only when hasMagnitude
    bool hasMagnitude;             // false for objects the catalogue gives no magnitude
};

// One name of the catalogue (a star without a traditional name is named by
// its designation) and the star it names; several names may name one star.
struct CatalogueName {
    std::string_view name;
    std::size_t star;  // index into stars()
};

// Every distinct star of the catalogue, in the catalogue's order.
std::span<const Star> stars();
// Every name of the catalogue, in the catalogue's order.
std::span<const CatalogueName> catalogueNames();

// The star a catalogue name names (exactly as the catalogue spells it), or null.
const Star* findStar(std::string_view catalogueName);

// The star a name of the reading's star tables stands for, or null for the
// few names the catalogue has no entry for (see readingNameTable()).
const Star* starForReadingName(std::string_view readingName);

// The explicit table from the reading's names to the catalogue's.
struct ReadingName {
    std::string_view readingName;    // as the reading's tables spell it
    std::string_view catalogueName;  // as the catalogue spells it; empty when it has no entry
};
std::span<const ReadingName> readingNameTable();

}  // namespace sky
