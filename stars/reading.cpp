// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading.h"

#include "lore.h"

namespace stars {

std::string_view loreValue(const PrincipalStar& star, Attribute attribute) {
    switch (attribute) {
    case Attribute::LatinName:
        return star.LatinName;
    case Attribute::Designation:
        return star.Designation;
    case Attribute::Gemstone:
        return star.Gemstone;
    case Attribute::Plant:
        return star.Plant;
    case Attribute::Position:
        return star.Position;
    case Attribute::RulingPlanet:
        return star.RulingPlanet;
    case Attribute::Keywords:
        return star.Keywords;
    case Attribute::Effect:
        return star.Effect;
    case Attribute::Angel:
        return star.Angel;
    case Attribute::Direction:
        return star.Direction;
    }
    return {};
}

StarReading assembleReading(std::string_view starName) {
    StarReading reading;
    reading.starLine = std::string(starName);
    reading.attributes.fill(std::string(NotAvailableMark));

    for (const PrincipalStar& row : FillPrincipalStarLore()) {
        if (row.StarName != starName)
            continue;
        for (std::size_t i = 0; i < attributeCount; ++i)
            reading.attributes[i] = std::string(loreValue(row, static_cast<Attribute>(i)));
    }

    bool allNotAvailable = true;
    for (const std::string& value : reading.attributes)
        allNotAvailable = allNotAvailable && value == NotAvailableMark;

    reading.frameShown = !allNotAvailable;
    if (allNotAvailable) {
        reading.starLine += "\r\n";
        reading.starLine += laterVersionText;
    }
    return reading;
}

}  // namespace stars
