// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues.h"

namespace stars {

bool StarCatalogue::matches(std::size_t row, double key) const {
    const double difference = threshold(row) - key;
    return rule_ == MatchRule::AtLeast ? difference >= 0.0 : difference <= 0.0;
}

std::optional<std::string_view> StarCatalogue::search(double key) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (matches(row, key))
            return rows_[row].name;
    }
    return std::nullopt;
}

const StarCatalogue& catalogueFor(int latitudeDegrees, int birthYear) {
    const bool north = latitudeDegrees < 90;
    if (birthYear <= 1999)
        return north ? NorthCatalogue1999 : SouthCatalogue1999;
    return north ? NorthCatalogue2000 : SouthCatalogue2000;
}

}  // namespace stars
