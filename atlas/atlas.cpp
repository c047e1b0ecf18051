// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas index and its suggestions.

#include "atlas/atlas.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

namespace atlas {

namespace {

constexpr std::size_t largestOffset = std::numeric_limits<std::uint32_t>::max();

// The number of characters of valid UTF-8 text.
std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string label(const Place& place) {
    std::string text = place.name;
    const auto add = [&text](const std::string& part) {
        if (part.empty())
            return;
        if (!text.empty())
            text += ", ";
        text += part;
    };
    if (place.state != place.country)
        add(place.state);
    add(place.country);
    return text;
}

Atlas Atlas::fromPlaces(std::vector<Place> places) {
    if (places.size() > largestOffset)
        throw std::length_error("atlas: too many places");

    Atlas atlas;
    const auto count = static_cast<std::uint32_t>(places.size());

    // Each distinct text once; the views point into `places`, which outlives
    // the map.
    std::unordered_map<std::string_view, Span> interned;
    const auto intern = [&atlas, &interned](const std::string& text) {
        const auto [it, added] = interned.try_emplace(text);
        if (added) {
            if (atlas.text_.size() + text.size() > largestOffset)
                throw std::length_error("atlas: too much text");
            it->second = {static_cast<std::uint32_t>(atlas.text_.size()),
                          static_cast<std::uint32_t>(text.size())};
            atlas.text_ += text;
        }
        return it->second;
    };

    std::vector<std::string> foldedNames(count);
    // The folded other names of each place, those that differ from its own.
    std::vector<std::vector<std::string>> foldedOthers(count);
    atlas.entries_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const Place& place = places[i];
        atlas.longestQuery_ = std::max(atlas.longestQuery_, 4 * place.name.size());
        atlas.entries_.push_back({intern(place.name), intern(place.state), intern(place.country),
                                  intern(place.englishName), intern(place.englishState),
                                  intern(place.englishCountry), intern(place.stateCode),
                                  intern(place.countryCode), intern(place.timeZone),
                                  place.population, place.latitude, place.longitude});
        // A name that is not valid UTF-8 is kept but cannot be found.
        foldedNames[i] = foldForSearch(place.name).value_or(std::string());
        for (const std::string& other : place.otherNames) {
            atlas.longestQuery_ = std::max(atlas.longestQuery_, 4 * other.size());
            std::string folded = foldForSearch(other).value_or(std::string());
            const std::vector<std::string>& known = foldedOthers[i];
            if (!folded.empty() && folded != foldedNames[i] &&
                std::find(known.begin(), known.end(), folded) == known.end())
                foldedOthers[i].push_back(std::move(folded));
        }
    }
    atlas.text_.shrink_to_fit();

    // The order of suggestions, decided once: the most populous first, then
    // folded name, name, state and country, then the order given.
    atlas.byRank_.resize(count);
    std::iota(atlas.byRank_.begin(), atlas.byRank_.end(), 0u);
    std::stable_sort(
        atlas.byRank_.begin(), atlas.byRank_.end(), [&](std::uint32_t a, std::uint32_t b) {
            const Place& pa = places[a];
            const Place& pb = places[b];
            return std::tie(pb.population, foldedNames[a], pa.name, pa.state, pa.country) <
                   std::tie(pa.population, foldedNames[b], pb.name, pb.state, pb.country);
        });

    // Every word start of every folded name, laid out in rank order.
    std::size_t foldedSize = 0;
    std::size_t startCount = 0;
    const auto measure = [&](const std::string& name) {
        foldedSize += name.size();
        startCount += name.empty()
                          ? 0
                          : 1 + static_cast<std::size_t>(std::count(name.begin(), name.end(), ' '));
    };
    for (std::uint32_t i = 0; i < count; ++i) {
        measure(foldedNames[i]);
        for (const std::string& other : foldedOthers[i])
            measure(other);
    }
    if (foldedSize > largestOffset)
        throw std::length_error("atlas: too much text");
    atlas.folded_.reserve(foldedSize);
    atlas.wordStarts_.reserve(startCount);
    const auto index = [&atlas](const std::string& name, std::uint32_t rank) {
        const auto offset = static_cast<std::uint32_t>(atlas.folded_.size());
        const auto length = static_cast<std::uint32_t>(name.size());
        atlas.folded_ += name;
        for (std::uint32_t at = 0; at < length; ++at) {
            if (at == 0 || name[at - 1] == ' ')
                atlas.wordStarts_.push_back({offset + at, length - at, rank});
        }
    };
    for (std::uint32_t rank = 0; rank < count; ++rank) {
        index(foldedNames[atlas.byRank_[rank]], rank);
        for (const std::string& other : foldedOthers[atlas.byRank_[rank]])
            index(other, rank);
    }
    std::sort(atlas.wordStarts_.begin(), atlas.wordStarts_.end(),
              [&atlas](const WordStart& a, const WordStart& b) {
                  const int order = atlas.folded(a).compare(atlas.folded(b));
                  return order < 0 || (order == 0 && a.rank < b.rank);
              });
    return atlas;
}

Place Atlas::placeOf(const Entry& entry) const {
    return {std::string(text(entry.name)),
            std::string(text(entry.state)),
            std::string(text(entry.country)),
            entry.latitude,
            entry.longitude,
            entry.population,
            {},
            std::string(text(entry.englishName)),
            std::string(text(entry.englishState)),
            std::string(text(entry.englishCountry)),
            std::string(text(entry.stateCode)),
            std::string(text(entry.countryCode)),
            std::string(text(entry.timeZone))};
}

Place Atlas::place(std::size_t index) const {
    return placeOf(entries_.at(index));
}

std::vector<Place> Atlas::suggestions(std::string_view typed, std::size_t limit) const {
    if (limit == 0 || wordStarts_.empty() || typed.size() > longestQuery_)
        return {};
    const std::optional<std::string> query = foldForSearch(typed);
    if (!query || characterCount(*query) < 2)
        return {};
    const std::string_view prefix = *query;

    // The word starts that begin with the prefix are one run of the sorted
    // index.
    const auto head = [this, &prefix](const WordStart& start) {
        return folded(start).substr(0, prefix.size());
    };
    const auto first = std::lower_bound(
        wordStarts_.begin(), wordStarts_.end(), prefix,
        [&head](const WordStart& start, std::string_view p) { return head(start) < p; });
    const auto last = std::upper_bound(
        first, wordStarts_.end(), prefix,
        [&head](std::string_view p, const WordStart& start) { return p < head(start); });

    // A place may match at more than one of its words: each rank once.
    std::vector<std::uint32_t> ranks;
    ranks.reserve(static_cast<std::size_t>(last - first));
    for (auto it = first; it != last; ++it)
        ranks.push_back(it->rank);
    std::sort(ranks.begin(), ranks.end());
    ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
    if (ranks.size() > limit)
        ranks.resize(limit);

    std::vector<Place> found;
    found.reserve(ranks.size());
    for (const std::uint32_t rank : ranks)
        found.push_back(placeOf(entries_[byRank_[rank]]));
    return found;
}

}  // namespace atlas
