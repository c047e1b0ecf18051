// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace stars {

// The text added under the star name when the star carries no lore.
inline constexpr std::string_view laterVersionText =
    "Interpretation for this Fixed Star will be included in the next version.";

// The ten attributes of a reading, in the order they are filled and tested.
enum class Attribute : std::size_t {
    LatinName,
    Designation,
    Gemstone,
    Plant,
    Position,
    RulingPlanet,
    Keywords,
    Effect,
    Angel,
    Direction,
};
inline constexpr std::size_t attributeCount = 10;

// What the result form shows for one request.
struct StarReading {
    // The star name, or the star name, CR LF and laterVersionText when the
    // star has no lore.
    std::string starLine;
    // Each a lore text or "NA".
    std::array<std::string, attributeCount> attributes;
    // False when all ten attributes are exactly "NA".
    bool frameShown = false;

    const std::string& operator[](Attribute a) const {
        return attributes[static_cast<std::size_t>(a)];
    }
};

struct PrincipalStar;

// One attribute of a principal star's lore.
std::string_view loreValue(const PrincipalStar& star, Attribute attribute);

// Builds the reading for a chosen star: every attribute starts as "NA", a lore
// row whose name equals `starName` byte for byte supplies its ten attributes,
// and a star left with ten "NA" gets the later-version line and no frame.
StarReading assembleReading(std::string_view starName);

}  // namespace stars
