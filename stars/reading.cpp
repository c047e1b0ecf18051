// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading.h"

#include "lore.h"

namespace stars {

StarReading assembleReading(std::string_view starName) {
    StarReading reading;
    reading.starLine = std::string(starName);
    reading.attributes.fill(std::string(NotAvailableMark));

    for (const PrincipalStar& row : FillPrincipalStarLore()) {
        if (row.StarName != starName)
            continue;
        const std::string_view values[attributeCount] = {
            row.LatinName,    row.Designation, row.Gemstone, row.Plant, row.Position,
            row.RulingPlanet, row.Keywords,    row.Effect,   row.Angel, row.Direction,
        };
        for (std::size_t i = 0; i < attributeCount; ++i)
            reading.attributes[i] = std::string(values[i]);
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
