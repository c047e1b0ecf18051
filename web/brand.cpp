// SPDX-License-Identifier: GPL-3.0-or-later
#include "brand.h"

#include <QCoreApplication>

namespace asterine::brand {

namespace {
// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brand)
};
}  // namespace

QString windowCaption() {
    return Texts::tr("Asterine v1.0");
}

QUrl mainSite() {
    return QUrl(QStringLiteral("https://www.quorvane.com/"));
}
QUrl productSite() {
    return QUrl(QStringLiteral("https://asterine.quorvane.com/"));
}
QUrl helpSite() {
    return QUrl(QStringLiteral("https://help.quorvane.com/"));
}
QString shownAddress() {
    return QStringLiteral("www.quorvane.com");
}

QString description() {
    return Texts::tr(
        "Asterine calculates the fixed stars that our present in our natal chart. These "
        "stars are additional indicators of our destiny. Fixed stars seem to be fixed in "
        "position and do not seem to move like planets. The aspects of these fixed stars "
        "is said to influence the basic nature of an individual.");
}

QString forumBanner() {
    return Texts::tr(
        "Join the Quorvane forum at www.quorvane.com, a free online discussion forum on "
        "esoteric subjects. Click here to visit it now!");
}

QString coBrandOffer() {
    return Texts::tr(
        "Co-brand this software for your site.  Increase loyalty and traffic to your "
        "site. Put your site's name &&  link here. See \"Help\" for details.    Click "
        "Here for more info on co-branding.");
}

QString fullyBrandedOffer() {
    return Texts::tr(
        "Home Business Opportunity. Start your own Internet business and make money "
        "online. Get this software fully branded for your website. Click here for more "
        "details.");
}

QStringList supportMessages() {
    return {
        Texts::tr(
            "Programs like this one can be created and maintained only with your support. The "
            "best way to support Quorvane is to visit its forum at www.quorvane.com regularly "
            "and take part in the discussions and other activities on the board."),
        Texts::tr("Please visit the Quorvane forum at www.quorvane.com regularly and support it by "
                  "taking part in the discussions and other activities. These programs cannot be "
                  "supported and maintained without your regular visits."),
        Texts::tr("The Quorvane forum at www.quorvane.com is a free online discussion forum on "
                  "esoteric subjects. To help develop and maintain this program, please visit it "
                  "regularly."),
        Texts::tr(
            "The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and "
            "taking part in its discussions and activities helps maintain and develop more "
            "Quorvane Softwares."),
    };
}

QString softwaresParagraph() {
    return Texts::tr(
        "If you enjoyed this program, you will like the other Quorvane Softwares too. "
        "They cover astrology, psychic matters, tarot, numerology and the occult, and "
        "they are simple, fun and informative. Share them with your friends and family!");
}

}  // namespace asterine::brand
