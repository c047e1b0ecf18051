// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace stars {

// How a catalogue row's threshold is held against the key.
enum class MatchRule {
    AtLeast,  // the row matches when threshold - key >= 0
    AtMost,   // the row matches when threshold - key <= 0
};

// The birth years a catalogue's thresholds are valid for.
enum class Era {
    UpTo1999,
    From2000,
};

// One star of a catalogue with its threshold for each era, in degree.minute
// encoding (49.30 is 49 degrees 30 minutes).
struct CatalogueRow {
    std::string_view name;
    double threshold1999;
    double threshold2000;
};

// An ordered, fixed list of (star name, threshold) rows searched under one rule.
class StarCatalogue {
public:
    constexpr StarCatalogue(std::span<const CatalogueRow> rows, Era era, MatchRule rule)
        : rows_(rows), era_(era), rule_(rule) {}

    std::size_t size() const { return rows_.size(); }
    std::string_view name(std::size_t row) const { return rows_[row].name; }
    double threshold(std::size_t row) const {
        return era_ == Era::UpTo1999 ? rows_[row].threshold1999 : rows_[row].threshold2000;
    }
    Era era() const { return era_; }
    MatchRule rule() const { return rule_; }

    // Whether the threshold of `row` passes `key` under this catalogue's rule.
    bool matches(std::size_t row, double key) const;

    // The name of the first row, in stored order, that passes `key`; nothing
    // when no row does. The rows are never sorted: within the 2000 catalogues
    // an earlier row wins even when a later one lies nearer to the key.
    std::optional<std::string_view> search(double key) const;

private:
    std::span<const CatalogueRow> rows_;
    Era era_;
    MatchRule rule_;
};

// Latitude degrees below 90, births up to 1999 / from 2000.
extern const StarCatalogue NorthCatalogue1999;
extern const StarCatalogue NorthCatalogue2000;
// Latitude degrees of 90 and more, births up to 1999 / from 2000.
extern const StarCatalogue SouthCatalogue1999;
extern const StarCatalogue SouthCatalogue2000;

// The catalogue searched for a latitude in degrees and a birth year.
const StarCatalogue& catalogueFor(int latitudeDegrees, int birthYear);

}  // namespace stars
