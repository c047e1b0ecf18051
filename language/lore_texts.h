// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace translation {

// The English texts of the lore that are translated, as the engine gives
// them (context "Lore").
const std::vector<const char*>& loreTexts();

}  // namespace translation
