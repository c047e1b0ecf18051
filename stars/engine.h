// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogues.h"
#include "reading.h"

namespace stars {

// The latitude box a refused request names.
enum class LatitudeField {
    Degrees,
    Minutes,
};

// The result of one reading request: a reading, or the box that keeps the
// latitude from giving one.
struct ReadingOutcome {
    std::optional<StarReading> reading;
    std::optional<LatitudeField> refusedField;

    bool accepted() const { return reading.has_value(); }
};

// The number typed into a latitude box: one to three decimal digits once
// leading and trailing blanks are removed. Anything else gives nothing.
std::optional<int> readLatitudeBox(std::string_view text);

// The degree.minute key text for latitude degrees and minutes: the whole part
// is the degrees of the colatitude, the two digits behind the point its
// minutes ("49.05" for 40 degrees 55 minutes). Minutes above 60 give a text
// that is not a number ("49.-1").
std::string colatitudeKeyText(int latitudeDegrees, int latitudeMinutes);

// The key text read back as a number, with "." as the decimal point whatever
// the process locale; nothing when the text is not a number.
std::optional<double> readKeyText(std::string_view keyText);

// The reading engine and the two values that carry over from one request to
// the next for the whole run of the program.
class ReadingEngine {
public:
    // 0 at start; the key of the last request that gave a reading.
    double ColatitudeKey() const { return colatitudeKey_; }
    // Empty at start; the star of the last successful search, never cleared.
    const std::string& CurrentStarName() const { return currentStarName_; }

    // Searches `catalogue` for `key`; on a match sets CurrentStarName and
    // returns true, otherwise leaves it as it was and returns false.
    bool FindStar(const StarCatalogue& catalogue, double key);

    // One request from the texts of the latitude degrees and minutes boxes and
    // the birth year. A latitude that cannot give a reading of its own (a box
    // that is not one to three digits, minutes above 60, or a key below every
    // row of its catalogue) is refused and changes nothing.
    ReadingOutcome RequestReading(std::string_view latitudeDegrees,
                                  std::string_view latitudeMinutes, int birthYear);

private:
    double colatitudeKey_ = 0.0;
    std::string currentStarName_;
};

}  // namespace stars
