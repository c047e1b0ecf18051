// SPDX-License-Identifier: GPL-3.0-or-later
#include "referral.h"

#include <QCoreApplication>

#include "formbase/services.h"
#include "web/brand.h"

namespace asterine {

namespace {
// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::Referral)
};
}  // namespace

ReferralDetails referralPlaceholders() {
    return {Texts::tr("Your Name"), Texts::tr("Your Email Address"), Texts::tr("Your Message"),
            Texts::tr("Friend's Name"), Texts::tr("Friend's Email Address")};
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> referralProblem(const ReferralDetails& details) {
    if (details.friendEmail == details.senderEmail)
        return Texts::tr("Please Enter Distinct Email Addresses");
    for (const QString& email : {details.senderEmail, details.friendEmail}) {
        if (!email.contains(QLatin1Char('@')))
            return Texts::tr("Please Enter Proper Email Address");
    }
    for (const QString& email : {details.senderEmail, details.friendEmail}) {
        if (!email.contains(QLatin1Char('.')))
            return Texts::tr("Please Enter Proper Email Address");
    }
    const ReferralDetails placeholders = referralPlaceholders();
    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } required[] = {
        {details.senderName, placeholders.senderName,
         QT_TRANSLATE_NOOP("asterine::Referral", "Please Enter Your Name")},
        {details.senderEmail, placeholders.senderEmail,
         QT_TRANSLATE_NOOP("asterine::Referral", "Please Enter Your Email")},
        {details.message, placeholders.message,
         QT_TRANSLATE_NOOP("asterine::Referral", "Please Enter Your Message")},
        {details.friendName, placeholders.friendName,
         QT_TRANSLATE_NOOP("asterine::Referral", "Please Enter Your Friend's Name")},
        {details.friendEmail, placeholders.friendEmail,
         QT_TRANSLATE_NOOP("asterine::Referral", "Please Enter Your Friend's Email")},
    };
    for (const auto& check : required) {
        if (check.value.isEmpty() || check.value == check.placeholder)
            return Texts::tr(check.message);
    }
    return std::nullopt;
}

QUrl referralAddress(const ReferralDetails& details) {
    const std::pair<const char*, QString> pairs[] = {
        {"taf1", details.senderName},  {"taf2", details.senderEmail},
        {"taf3", details.message},     {"taf4", details.friendName},
        {"taf5", details.friendEmail}, {"taf6", brand::productSite().toString()},
    };
    QByteArray query;
    for (const auto& [key, value] : pairs) {
        if (!query.isEmpty())
            query += '&';
        query += key;
        query += '=';
        query += QUrl::toPercentEncoding(value);
    }
    const QByteArray page =
        brand::mainSite().resolved(QUrl(QStringLiteral("qvms-refer-a-friend.php"))).toEncoded();
    return QUrl::fromEncoded(page + '?' + query, QUrl::StrictMode);
}

void SubmitReferral(const ReferralDetails& details, MessageService& messages, UrlOpener& urls,
                    QWidget* parent) {
    if (const std::optional<QString> problem = referralProblem(details)) {
        messages.show(parent, *problem, MessageIcon::Critical);
        return;
    }
    urls.open(referralAddress(details));
}

}  // namespace asterine
