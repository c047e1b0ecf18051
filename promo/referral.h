// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The referral: what the tell-a-friend form sends, how it is checked and the
// address on the maker's referral page that carries it.

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace asterine {

class MessageService;
class UrlOpener;

// The five fields of the tell-a-friend form, each trimmed of blanks.
struct ReferralDetails {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The text each field of the tell-a-friend form holds while nothing is typed
// in it; a field left so counts as not filled.
ReferralDetails referralPlaceholders();

// Removes leading and trailing blanks (the space character only).
QString trimBlanks(const QString& text);

// The first check of the referral that fails, as its message, in the order
// they run: two distinct e-mail addresses, each with an "@" and a ".", then
// every field filled and not left at its placeholder.
std::optional<QString> referralProblem(const ReferralDetails& details);

// The referral page's address with taf1 to taf6 in their fixed order. Every
// value is percent-encoded as UTF-8, so the page reads each one back whole.
QUrl referralAddress(const ReferralDetails& details);

// Checks the details and, when they pass, opens the referral address; a
// refusal shows its message with the critical icon and opens nothing.
void SubmitReferral(const ReferralDetails& details, MessageService& messages, UrlOpener& urls,
                    QWidget* parent);

}  // namespace asterine
