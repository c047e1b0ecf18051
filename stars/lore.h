// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace stars {

// The mark of an attribute the lore does not give.
inline constexpr std::string_view NotAvailableMark = "NA";

// One principal star and its ten attributes, as UTF-8 text.
struct PrincipalStar {
    std::string_view StarName;
    std::string_view LatinName;
    std::string_view Designation;
    std::string_view Gemstone;
    std::string_view Plant;
    std::string_view Position;
    std::string_view RulingPlanet;
    std::string_view Keywords;
    std::string_view Effect;
    std::string_view Angel;
    std::string_view Direction;
};

inline constexpr std::size_t principalStarCount = 19;

using PrincipalStarLore = std::array<PrincipalStar, principalStarCount>;

// The table of the principal stars, rows 0 to 18. It is built once and never
// changes, so every call hands back the same, complete table.
const PrincipalStarLore& FillPrincipalStarLore();

}  // namespace stars
