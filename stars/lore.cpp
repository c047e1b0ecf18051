// SPDX-License-Identifier: GPL-3.0-or-later
// The lore of the nineteen principal stars. Every text is kept exactly as
// published, spelling, spacing and punctuation included; a value the lore does
// not give is "NA", except for a missing Latin name, which is empty.

#include "lore.h"

namespace stars {
namespace {

// Fields: StarName, LatinName, Designation, Gemstone, Plant, Position,
// RulingPlanet, Keywords, Effect, Angel, Direction.
constexpr PrincipalStarLore kLore{{
    {"Regulus", "Cor leonis", "Alpha Leonis", "Granite", "mugwort", "Leo 29°50'",
     "Jupiter And Mars", "Independence, Leadership, Success",
     "You can hope to accomplish all your goals. You may become famous in your professional life.",
     "Raphael", "North"},
    {"Alderbaran", "Aldaboram", "Alpha Tauri", "Ruby / Garnet", "milk thistle", "Gemini 09°47'",
     "Mars And Venus", "Knowledge, Strength, Honor",
     "This star has an effect of bestowing courage, intelligence and honor in whichever part of "
     "the birth chart it is present in. ",
     "Michael", "East"},
    {"Antares", "Cor scorpii", "Alpha Scorpii", "Sardonyx", "birthwort", "Sagittarius 09°46'",
     "Venus And Jupiter", "Danger, Differences, Violence",
     "You will be very emotional and easily get into fights because of your brash nature.", "Oriel",
     "West"},
    {"Fomalhaut", "", "NA", "NA", "NA", "Pisces 03°52'", "NA", "Good or Bad Luck",
     "You will have a lot of creative mental energy which may be positive or negative.", "Gabriel",
     "South"},
    {"Algol", "Caput Algol", "Beta Persei", "Diamond", "Black hellebore", "Taurus 26°10'",
     "Saturn And Jupiter", "Bad Luck, Misfortune, Violence",
     "You will be excessively obsessed with whichever field of the birth chart this star occupies.",
     "NA", "NA"},
    {"Alcycone", "", "NA", "NA", "NA", "Gemini 00°00'", "NA", "Love, Emotions, Sadness",
     "You may face some sadness in life. You will need to let go of being attached to people.",
     "NA", "NA"},
    {"Vindemiatrix", "", "NA", "NA", "NA", "Libra 09°56", "NA", "Disgrace, Falseness, Loneliness",
     "NA", "NA", "NA"},
    {"Spica", "Spica", "Alpha Virginis", "Emerald", "Sage", "Libra 23°50'", "Venus And Mercury",
     "Prosperity, Success, Brashness",
     "This star gives you good luck and success in whatever you do.", "NA", "NA"},
    {"Vega", "Vultur cadens", "Alpha Lyrae", "Chrysolite", "winter savory", "Capricorn 15°19",
     "Mercury And Venus", "Good Luck, Fortunes, Hope",
     "This star shows your idealistic, optimistic and positive way of dealing with things.", "NA",
     "NA"},
    {"Scheat", "", "NA", "NA", "NA", "Pisces 29°22'", "NA", "Extreme Bad Luck, Misfortunes",
     "You will be prone to looking at the negative part of any situation than looking at the "
     "positive side.",
     "NA", "NA"},
    {"Pleiades", "Pleiades", "M45 (Taurus)", "Rock Crystal", "fennel", "NA", "Moon And Mars",
     "Accidents, Bad Vibes, Violence", "NA", "NA", "NA"},
    {"Deneb Algedi", "Cauda capricorni", "Delta Capricorni", "Chalcedony", "marjoram", "NA",
     "Saturn And Mercury", "Joy, Wisdom, Glory",
     "You have a tendency to day dream and will enjoy poetry and fantasies.", "NA", "NA"},
    {"Sirius", "Canis major", "Alpha Canis Majoris", "Beryl", "juniper", "NA", "Venus",
     "Pride, Ambition, Wealth, Danger",
     "This is also known as the Dog Star. This shows that you may advance much farther in life "
     "than you have expected if you put in the hard work.",
     "NA", "NA"},
    {"Capella", "Alhayhoch, Hircus", "Alpha Aurigae", "Sapphire", "thyme", "NA",
     "Jupiter And Saturn", "Curious, Open Minded, Strong",
     "You will have a love for learning and will be studious. You will succeed in material "
     "enterprises.",
     "NA", "NA"},
    {"Procyon", "Canis minor", "Alpha Canis Minoris", "Agate", "water buttercup", "NA",
     "Mercury And Mars", "Bad Luck, Violence, Evaporation",
     "This star will make you hasty, jealous and stubborn. It will also give you a sharp and "
     "active mind.",
     "NA", "NA"},
    {"Polaris", "Cauda Ursæ", "Alpha Ursæ Minoris", "Magnet", "succory", "NA", "Venus And Moon",
     "Troubles, Losses, Ill-Health",
     "This star causes a lot of sickness and problems. It may give you spiritual powers and you "
     "will be respected.",
     "NA", "NA"},
    {"Arcturus", "Alchameth", "Alpha Boötis", "Jasper", "plantain", "NA", "Mars And Jupiter",
     "Inspiration, Riches, Fame, Popularity",
     "You will accomplish a lot on life and will be successful and prosperous. But you may also "
     "strive to acquire justice through power.",
     "NA", "NA"},
    {"Alphecca", "Elpheia", "Alpha Coronæ Borealis", "Topaz", "rosemary", "NA", "Venus And Mars",
     "Dignity, Literacy, Brilliance, Scandals",
     "You may have artistic abilities. You will be dignified and honorable. You may be tempted to "
     "fall into bad company.",
     "NA", "NA"},
    {"Gienah", "Ala Corvi", "Gamma Corvi", "Onyx", "burdock", "NA", "Saturn And Mars",
     "Extreme Good Luck or Bad Luck",
     "You may be very aggressive by nature. You may be patient and understanding or selfish and "
     "crafty.",
     "NA", "NA"},
}};

}  // namespace

const PrincipalStarLore& FillPrincipalStarLore() {
    return kLore;
}

}  // namespace stars
