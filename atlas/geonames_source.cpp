// SPDX-License-Identifier: GPL-3.0-or-later
// The places compiled into libgeonames, read once into an atlas.

#include <geonames.h>

#include <memory>

#include "atlas/atlas.h"

namespace atlas {

namespace {

struct CityFree {
    void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using City = std::unique_ptr<GeonamesCity, CityFree>;

// The layout of a place record: geonames.org id, name, first-level
// administrative code, state, country code, country, time zone, population,
// latitude, longitude. The names in it are the library's own, untranslated.
constexpr const char* recordType = "(sssssssudd)";

std::string textOf(const gchar* text) {
    return text ? std::string(text) : std::string();
}

Place readRecord(GeonamesCity* city) {
    const gchar* name = nullptr;
    const gchar* state = nullptr;
    const gchar* country = nullptr;
    guint32 population = 0;
    Place place;
    g_variant_get(city, "(&s&s&s&s&s&s&sudd)", nullptr, &name, nullptr, &state, nullptr, &country,
                  nullptr, &population, &place.latitude, &place.longitude);
    place.name = textOf(name);
    place.state = textOf(state);
    place.country = textOf(country);
    place.population = population;
    return place;
}

// Through the accessors, which translate the texts into the process's language.
Place readTranslated(GeonamesCity* city) {
    Place place;
    place.name = textOf(geonames_city_get_name(city));
    place.state = textOf(geonames_city_get_state(city));
    place.country = textOf(geonames_city_get_country(city));
    place.latitude = geonames_city_get_latitude(city);
    place.longitude = geonames_city_get_longitude(city);
    place.population = geonames_city_get_population(city);
    return place;
}

}  // namespace

Atlas Atlas::fromGeonames() {
    const gint count = geonames_get_n_cities();
    std::vector<Place> places;
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    const GVariantType* layout = G_VARIANT_TYPE(recordType);
    for (gint index = 0; index < count; ++index) {
        const City city(geonames_get_city(index));
        if (!city)
            continue;
        places.push_back(g_variant_is_of_type(city.get(), layout) ? readRecord(city.get())
                                                                  : readTranslated(city.get()));
    }
    return fromPlaces(std::move(places));
}

}  // namespace atlas
