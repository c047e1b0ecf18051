// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace atlas {

// One inhabited place of the atlas. Texts are UTF-8; coordinates are decimal
// degrees, north and east positive.
struct Place {
    std::string name;
    std::string state;
    std::string country;
    double latitude = 0.0;
    double longitude = 0.0;
    std::uint32_t population = 0;
    // Other names the place is found by and not shown: its English name,
    // where the atlas shows it in another language. The atlas gives its
    // places back without them.
    std::vector<std::string> otherNames;
    // The place as geonames.org names it, in English, and the codes of its
    // state and country ("TX", "US"), by which what is typed after its name
    // may tell it from another of that name. Empty where the atlas has none.
    std::string englishName;
    std::string englishState;
    std::string englishCountry;
    std::string stateCode;
    std::string countryCode;
    // The IANA id of the zone its clocks keep ("Europe/Berlin"); empty where
    // the atlas has none.
    std::string timeZone;

    bool operator==(const Place&) const = default;
};

// The text a suggestion list shows for a place: "City, State, Country". Empty
// parts are left out, and so is a state that only repeats the country (the
// city-states and overseas regions: "Belize City, Belize"). A state that
// repeats the city's own name is kept: "São Paulo, São Paulo, Brazil" tells
// the city from another São Paulo elsewhere.
std::string label(const Place& place);

// An angle in whole degrees, minutes and seconds, and its side: negative is
// South for a latitude and West for a longitude.
struct Dms {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    bool negative = false;

    bool operator==(const Dms&) const = default;
};

// Decimal degrees to degrees, minutes and seconds. The absolute value is
// rounded once to the nearest whole second, halves away from zero, and then
// split, so 59.5 seconds carry into the next minute and 59 minutes 59.5
// seconds into the next degree. A value within a millionth of a second of a
// half counts as the half, so that the binary error of a decimal such as
// 10 + 59/60 + 59.5/3600 does not round it down. The side follows the sign
// before rounding: -0.0000001 is negative with 0° 0′ 0″; zero (and -0.0) is
// not negative. A value that is not finite, or whose degrees would not fit in
// an int (beyond a thousand million), gives 0° 0′ 0″, not negative.
Dms toDms(double value);

// The form in which names are compared: compatibility-decomposed (NFKD),
// case-folded (so "ß" is "ss"), without combining marks (so "ü" is "u"), the
// few letters whose mark is drawn through them spelt plainly ("ø" is "o", "ł"
// is "l", "æ" is "ae", "þ" is "th", dotless "ı" is "i"), and every run of
// characters that are neither letters nor digits (blanks, hyphens,
// apostrophes including the modifier-letter ones such as "ʼ", other
// punctuation) made one blank, with none at either end. Nothing when the text
// is not valid UTF-8 or holds a NUL byte.
std::optional<std::string> foldForSearch(std::string_view text);

// The places of an atlas, held compactly: each distinct text once, and a
// sorted index of the folded names from each of their word starts.
//
// Thread safety: building an atlas (fromPlaces, fromGeonames) touches no
// shared state of ours and may run on any thread, several at once; libgeonames
// initialises its own data once under a GLib once-guard. Once built, an atlas
// is never changed by its const members, so any number of threads may query
// the same const Atlas at the same time. Moving or assigning an atlas while
// another thread queries it is not safe.
class Atlas {
public:
    // An empty atlas: no places, no suggestions.
    Atlas() = default;

    // An atlas of the given places, in that order (the order decides only the
    // last of the ties; see suggestions). A name that is not valid UTF-8 is
    // kept but never suggested. Throws std::length_error beyond 4 GiB of text
    // or 2^32 places.
    static Atlas fromPlaces(std::vector<Place> places);

    // An atlas of every place compiled into libgeonames, read once, in the
    // library's order.
    //
    // The library translates the names, states and countries it hands out
    // through gettext (domain "geonames") into the language of the process's
    // LC_MESSAGES and LANGUAGE, once the program has called setlocale, as
    // every Qt program does. The atlas instead takes the library's own English
    // (geonames.org) texts straight from the place records, so that the
    // suggestions, their order and the texts put into the form are the same
    // whatever the user's language, and the matching does not depend on it.
    // Only a library whose records have another layout than the one checked
    // for is read through its translating accessors. The library is opened
    // here, on first use; throws std::runtime_error when it cannot be.
    //
    // With `languages` (gettext's names: "de", "pt_BR"; the first is the
    // user's), each place is shown in the first of them that names it, field
    // by field (name, state, country), in English otherwise, from the
    // library's catalogues (domain "geonames", keyed by the place's
    // geonames.org id, the state's and the country's codes) in
    // `localeFolder`; and found by its English name and by its name in each
    // of them. A language with a country ("pt_BR") falls back to the
    // language alone ("pt").
    static Atlas fromGeonames(const std::vector<std::string>& languages = {},
                              const std::string& localeFolder = "/usr/share/locale");

    // The number of places.
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    // The place at `index`, in the order the places were given; throws
    // std::out_of_range from size() on.
    Place place(std::size_t index) const;

    // Up to `limit` places whose folded name starts with the folded `typed`
    // text, or has a word that does: "paulo", "sao paulo" and "São P" all find
    // São Paulo, "denis" finds Saint-Denis, "hertogenbosch" and "'s-Her" find
    // 's-Hertogenbosch; "aulo" finds nothing. Text of fewer than two
    // characters once folded, and text that is not valid UTF-8, give none.
    // The most populous come first; places of the same population follow
    // their folded names, then their names, states and countries in byte
    // order, then their order in the atlas.
    // Typed text longer than longestQuery() is neither folded nor searched
    // and gives none.
    std::vector<Place> suggestions(std::string_view typed, std::size_t limit = 10) const;

    // The longest typed text, in bytes of UTF-8, that suggestions() looks
    // at: four times the longest name of the atlas, and 64 bytes at least.
    // A text that finds a place is, folded, no longer than that place's
    // folded name, and typing adds little folding takes away (a mark, a
    // doubled blank); anything much longer is a paste, not a name. Folding
    // text with many marks costs far more than its length (normalisation
    // reorders them), so the bound holds before any folding, and no text
    // costs more than a name does.
    std::size_t longestQuery() const { return longestQuery_; }

private:
    // A stretch of text_.
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    struct Entry {
        Span name;
        Span state;
        Span country;
        Span englishName;
        Span englishState;
        Span englishCountry;
        Span stateCode;
        Span countryCode;
        Span timeZone;
        std::uint32_t population = 0;
        double latitude = 0.0;
        double longitude = 0.0;
    };

    // A folded name from one of its word starts to its end, in folded_, and
    // the rank of its place in the order of suggestions.
    struct WordStart {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        std::uint32_t rank = 0;
    };

    std::string_view text(Span span) const { return {text_.data() + span.offset, span.length}; }
    std::string_view folded(const WordStart& start) const {
        return {folded_.data() + start.offset, start.length};
    }
    Place placeOf(const Entry& entry) const;

    std::string text_;                   // every distinct name, state and country once
    std::string folded_;                 // the folded names, one after the other
    std::vector<Entry> entries_;         // in the order the places were given
    std::vector<std::uint32_t> byRank_;  // entry index of each rank
    std::vector<WordStart> wordStarts_;  // sorted by their folded text
    std::size_t longestQuery_ = minimumLongestQuery;

    static constexpr std::size_t minimumLongestQuery = 64;
};

}  // namespace atlas
