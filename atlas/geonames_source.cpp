// SPDX-License-Identifier: GPL-3.0-or-later
// The places compiled into libgeonames, read once into an atlas.

#include <dlfcn.h>
#include <geonames.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/message_catalogue.h"

namespace atlas {

namespace {

// The library is opened when the atlas is first read, not when the program
// starts: it brings GIO and what GIO needs, which the program otherwise never
// loads, and a start-up that does not use the atlas should not pay for it.
// It stays open for the rest of the run.
struct Library {
    decltype(&geonames_get_n_cities) count = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;
    decltype(&geonames_city_get_timezone) timeZone = nullptr;
};

template <typename Function>
void resolve(void* handle, const char* symbol, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, symbol));
    if (!function)
        throw std::runtime_error(std::string("libgeonames lacks ") + symbol);
}

const Library& library() {
    static const Library opened = [] {
        void* handle = dlopen("libgeonames.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            throw std::runtime_error("libgeonames cannot be opened");
        Library l;
        resolve(handle, "geonames_get_n_cities", l.count);
        resolve(handle, "geonames_get_city", l.city);
        resolve(handle, "geonames_city_free", l.free);
        resolve(handle, "geonames_city_get_name", l.name);
        resolve(handle, "geonames_city_get_state", l.state);
        resolve(handle, "geonames_city_get_country", l.country);
        resolve(handle, "geonames_city_get_latitude", l.latitude);
        resolve(handle, "geonames_city_get_longitude", l.longitude);
        resolve(handle, "geonames_city_get_population", l.population);
        resolve(handle, "geonames_city_get_timezone", l.timeZone);
        return l;
    }();
    return opened;
}

struct CityFree {
    void operator()(GeonamesCity* city) const { library().free(city); }
};
using City = std::unique_ptr<GeonamesCity, CityFree>;

// The layout of a place record: geonames.org id, name, first-level
// administrative code, state, country code, country, time zone, population,
// latitude, longitude. The names in it are the library's own, untranslated.
constexpr const char* recordType = "(sssssssudd)";

std::string textOf(const gchar* text) {
    return text ? std::string(text) : std::string();
}

// The catalogues of the languages asked for, each language's with its
// fallback ("pt_BR", then "pt"), in order.
std::vector<MessageCatalogue> cataloguesFor(const std::vector<std::string>& languages,
                                            const std::string& localeFolder) {
    std::vector<MessageCatalogue> catalogues;
    std::vector<std::string> read;
    for (const std::string& language : languages) {
        std::vector<std::string> names{language};
        const std::size_t underscore = language.find('_');
        if (underscore != std::string::npos)
            names.push_back(language.substr(0, underscore));
        for (const std::string& name : names) {
            if (std::find(read.begin(), read.end(), name) != read.end())
                continue;
            read.push_back(name);
            std::optional<MessageCatalogue> catalogue =
                MessageCatalogue::read(localeFolder + "/" + name + "/LC_MESSAGES/geonames.mo");
            if (catalogue && catalogue->size() > 0)
                catalogues.push_back(std::move(*catalogue));
        }
    }
    return catalogues;
}

// The first translation of `key`, or `english`.
std::string translated(const std::vector<MessageCatalogue>& catalogues, const std::string& key,
                       const std::string& english) {
    if (!key.empty()) {
        for (const MessageCatalogue& catalogue : catalogues) {
            if (const std::optional<std::string_view> found = catalogue.find(key))
                return std::string(*found);
        }
    }
    return english;
}

Place readRecord(GeonamesCity* city, const std::vector<MessageCatalogue>& catalogues) {
    const gchar* id = nullptr;
    const gchar* name = nullptr;
    const gchar* stateCode = nullptr;
    const gchar* state = nullptr;
    const gchar* countryCode = nullptr;
    const gchar* country = nullptr;
    const gchar* timeZone = nullptr;
    guint32 population = 0;
    Place place;
    g_variant_get(city, "(&s&s&s&s&s&s&sudd)", &id, &name, &stateCode, &state, &countryCode,
                  &country, &timeZone, &population, &place.latitude, &place.longitude);
    place.name = textOf(name);
    place.state = textOf(state);
    place.country = textOf(country);
    place.population = population;
    place.englishName = place.name;
    place.englishState = place.state;
    place.englishCountry = place.country;
    place.stateCode = textOf(stateCode);
    place.countryCode = textOf(countryCode);
    place.timeZone = textOf(timeZone);
    if (catalogues.empty())
        return place;
    // Each field in the user's language where a catalogue has it; the
    // English name stays one the place is found by.
    const std::string english = place.name;
    const std::string code = textOf(countryCode);
    place.name = translated(catalogues, textOf(id), english);
    place.state = translated(
        catalogues, code.empty() ? std::string() : code + "." + textOf(stateCode), place.state);
    place.country = translated(catalogues, code, place.country);
    for (const MessageCatalogue& catalogue : catalogues) {
        if (const std::optional<std::string_view> other = catalogue.find(textOf(id)))
            place.otherNames.emplace_back(*other);
    }
    place.otherNames.push_back(english);
    return place;
}

// Through the accessors, which translate the texts into the process's language.
Place readTranslated(GeonamesCity* city) {
    const Library& l = library();
    Place place;
    place.name = textOf(l.name(city));
    place.state = textOf(l.state(city));
    place.country = textOf(l.country(city));
    place.latitude = l.latitude(city);
    place.longitude = l.longitude(city);
    place.population = l.population(city);
    place.timeZone = textOf(l.timeZone(city));
    return place;
}

}  // namespace

Atlas Atlas::fromGeonames(const std::vector<std::string>& languages,
                          const std::string& localeFolder) {
    const Library& l = library();
    const std::vector<MessageCatalogue> catalogues = cataloguesFor(languages, localeFolder);
    const gint count = l.count();
    std::vector<Place> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    const GVariantType* layout = G_VARIANT_TYPE(recordType);
    for (gint index = 0; index < count; ++index) {
        const City city(l.city(index));
        if (!city)
            continue;
        places.push_back(g_variant_is_of_type(city.get(), layout)
                             ? readRecord(city.get(), catalogues)
                             : readTranslated(city.get()));
    }
    return fromPlaces(std::move(places));
}

}  // namespace atlas
