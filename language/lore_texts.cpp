// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the principal stars' lore that a reader is shown in their
// language: gemstones, plants, positions, ruling planets, keywords, effects,
// angels and directions, as the engine gives them in English, with "NA" and
// the later-version text. Star names, Latin names and designations are
// proper names and stay as the catalogues have them.

#include "lore_texts.h"

#include <QtGlobal>

namespace translation {

const std::vector<const char*>& loreTexts() {
    static const std::vector<const char*> texts = {
        QT_TRANSLATE_NOOP("Lore", "Granite"),
        QT_TRANSLATE_NOOP("Lore", "Ruby / Garnet"),
        QT_TRANSLATE_NOOP("Lore", "Sardonyx"),
        QT_TRANSLATE_NOOP("Lore", "Diamond"),
        QT_TRANSLATE_NOOP("Lore", "Emerald"),
        QT_TRANSLATE_NOOP("Lore", "Chrysolite"),
        QT_TRANSLATE_NOOP("Lore", "Rock Crystal"),
        QT_TRANSLATE_NOOP("Lore", "Chalcedony"),
        QT_TRANSLATE_NOOP("Lore", "Beryl"),
        QT_TRANSLATE_NOOP("Lore", "Sapphire"),
        QT_TRANSLATE_NOOP("Lore", "Agate"),
        QT_TRANSLATE_NOOP("Lore", "Magnet"),
        QT_TRANSLATE_NOOP("Lore", "Jasper"),
        QT_TRANSLATE_NOOP("Lore", "Topaz"),
        QT_TRANSLATE_NOOP("Lore", "Onyx"),
        QT_TRANSLATE_NOOP("Lore", "mugwort"),
        QT_TRANSLATE_NOOP("Lore", "milk thistle"),
        QT_TRANSLATE_NOOP("Lore", "birthwort"),
        QT_TRANSLATE_NOOP("Lore", "Black hellebore"),
        QT_TRANSLATE_NOOP("Lore", "Sage"),
        QT_TRANSLATE_NOOP("Lore", "winter savory"),
        QT_TRANSLATE_NOOP("Lore", "fennel"),
        QT_TRANSLATE_NOOP("Lore", "marjoram"),
        QT_TRANSLATE_NOOP("Lore", "juniper"),
        QT_TRANSLATE_NOOP("Lore", "thyme"),
        QT_TRANSLATE_NOOP("Lore", "water buttercup"),
        QT_TRANSLATE_NOOP("Lore", "succory"),
        QT_TRANSLATE_NOOP("Lore", "plantain"),
        QT_TRANSLATE_NOOP("Lore", "rosemary"),
        QT_TRANSLATE_NOOP("Lore", "burdock"),
        QT_TRANSLATE_NOOP("Lore", "Leo 29°50'"),
        QT_TRANSLATE_NOOP("Lore", "Gemini 09°47'"),
        QT_TRANSLATE_NOOP("Lore", "Sagittarius 09°46'"),
        QT_TRANSLATE_NOOP("Lore", "Pisces 03°52'"),
        QT_TRANSLATE_NOOP("Lore", "Taurus 26°10'"),
        QT_TRANSLATE_NOOP("Lore", "Gemini 00°00'"),
        QT_TRANSLATE_NOOP("Lore", "Libra 09°56"),
        QT_TRANSLATE_NOOP("Lore", "Libra 23°50'"),
        QT_TRANSLATE_NOOP("Lore", "Capricorn 15°19"),
        QT_TRANSLATE_NOOP("Lore", "Pisces 29°22'"),
        QT_TRANSLATE_NOOP("Lore", "Jupiter And Mars"),
        QT_TRANSLATE_NOOP("Lore", "Mars And Venus"),
        QT_TRANSLATE_NOOP("Lore", "Venus And Jupiter"),
        QT_TRANSLATE_NOOP("Lore", "Saturn And Jupiter"),
        QT_TRANSLATE_NOOP("Lore", "Venus And Mercury"),
        QT_TRANSLATE_NOOP("Lore", "Mercury And Venus"),
        QT_TRANSLATE_NOOP("Lore", "Moon And Mars"),
        QT_TRANSLATE_NOOP("Lore", "Saturn And Mercury"),
        QT_TRANSLATE_NOOP("Lore", "Venus"),
        QT_TRANSLATE_NOOP("Lore", "Jupiter And Saturn"),
        QT_TRANSLATE_NOOP("Lore", "Mercury And Mars"),
        QT_TRANSLATE_NOOP("Lore", "Venus And Moon"),
        QT_TRANSLATE_NOOP("Lore", "Mars And Jupiter"),
        QT_TRANSLATE_NOOP("Lore", "Venus And Mars"),
        QT_TRANSLATE_NOOP("Lore", "Saturn And Mars"),
        QT_TRANSLATE_NOOP("Lore", "Independence, Leadership, Success"),
        QT_TRANSLATE_NOOP("Lore", "Knowledge, Strength, Honor"),
        QT_TRANSLATE_NOOP("Lore", "Danger, Differences, Violence"),
        QT_TRANSLATE_NOOP("Lore", "Good or Bad Luck"),
        QT_TRANSLATE_NOOP("Lore", "Bad Luck, Misfortune, Violence"),
        QT_TRANSLATE_NOOP("Lore", "Love, Emotions, Sadness"),
        QT_TRANSLATE_NOOP("Lore", "Disgrace, Falseness, Loneliness"),
        QT_TRANSLATE_NOOP("Lore", "Prosperity, Success, Brashness"),
        QT_TRANSLATE_NOOP("Lore", "Good Luck, Fortunes, Hope"),
        QT_TRANSLATE_NOOP("Lore", "Extreme Bad Luck, Misfortunes"),
        QT_TRANSLATE_NOOP("Lore", "Accidents, Bad Vibes, Violence"),
        QT_TRANSLATE_NOOP("Lore", "Joy, Wisdom, Glory"),
        QT_TRANSLATE_NOOP("Lore", "Pride, Ambition, Wealth, Danger"),
        QT_TRANSLATE_NOOP("Lore", "Curious, Open Minded, Strong"),
        QT_TRANSLATE_NOOP("Lore", "Bad Luck, Violence, Evaporation"),
        QT_TRANSLATE_NOOP("Lore", "Troubles, Losses, Ill-Health"),
        QT_TRANSLATE_NOOP("Lore", "Inspiration, Riches, Fame, Popularity"),
        QT_TRANSLATE_NOOP("Lore", "Dignity, Literacy, Brilliance, Scandals"),
        QT_TRANSLATE_NOOP("Lore", "Extreme Good Luck or Bad Luck"),
        QT_TRANSLATE_NOOP("Lore",
                          "You can hope to accomplish all your goals. You may become famous in "
                          "your professional life."),
        QT_TRANSLATE_NOOP("Lore",
                          "This star has an effect of bestowing courage, intelligence and honor in "
                          "whichever part of the birth chart it is present in. "),
        QT_TRANSLATE_NOOP(
            "Lore",
            "You will be very emotional and easily get into fights because of your brash nature."),
        QT_TRANSLATE_NOOP(
            "Lore",
            "You will have a lot of creative mental energy which may be positive or negative."),
        QT_TRANSLATE_NOOP("Lore",
                          "You will be excessively obsessed with whichever field of the birth "
                          "chart this star occupies."),
        QT_TRANSLATE_NOOP("Lore",
                          "You may face some sadness in life. You will need to let go of being "
                          "attached to people."),
        QT_TRANSLATE_NOOP("Lore", "This star gives you good luck and success in whatever you do."),
        QT_TRANSLATE_NOOP(
            "Lore",
            "This star shows your idealistic, optimistic and positive way of dealing with things."),
        QT_TRANSLATE_NOOP("Lore",
                          "You will be prone to looking at the negative part of any situation than "
                          "looking at the positive side."),
        QT_TRANSLATE_NOOP("Lore",
                          "You have a tendency to day dream and will enjoy poetry and fantasies."),
        QT_TRANSLATE_NOOP(
            "Lore",
            "This is also known as the Dog Star. This shows that you may advance much farther in "
            "life than you have expected if you put in the hard work."),
        QT_TRANSLATE_NOOP("Lore",
                          "You will have a love for learning and will be studious. You will "
                          "succeed in material enterprises."),
        QT_TRANSLATE_NOOP("Lore",
                          "This star will make you hasty, jealous and stubborn. It will also give "
                          "you a sharp and active mind."),
        QT_TRANSLATE_NOOP("Lore",
                          "This star causes a lot of sickness and problems. It may give you "
                          "spiritual powers and you will be respected."),
        QT_TRANSLATE_NOOP("Lore",
                          "You will accomplish a lot on life and will be successful and "
                          "prosperous. But you may also strive to acquire justice through power."),
        QT_TRANSLATE_NOOP("Lore",
                          "You may have artistic abilities. You will be dignified and honorable. "
                          "You may be tempted to fall into bad company."),
        QT_TRANSLATE_NOOP("Lore",
                          "You may be very aggressive by nature. You may be patient and "
                          "understanding or selfish and crafty."),
        QT_TRANSLATE_NOOP("Lore", "Raphael"),
        QT_TRANSLATE_NOOP("Lore", "Michael"),
        QT_TRANSLATE_NOOP("Lore", "Oriel"),
        QT_TRANSLATE_NOOP("Lore", "Gabriel"),
        QT_TRANSLATE_NOOP("Lore", "North"),
        QT_TRANSLATE_NOOP("Lore", "East"),
        QT_TRANSLATE_NOOP("Lore", "West"),
        QT_TRANSLATE_NOOP("Lore", "South"),
        QT_TRANSLATE_NOOP("Lore", "NA"),
        QT_TRANSLATE_NOOP(
            "Lore", "Interpretation for this Fixed Star will be included in the next version."),
    };
    return texts;
}

}  // namespace translation
