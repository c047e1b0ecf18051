// SPDX-License-Identifier: GPL-3.0-or-later
#include "update_prompt.h"

#include <QCoreApplication>
#include <QSettings>

#include "formbase/services.h"
#include "links.h"

namespace asterine {

namespace {

const QString kDurationKey = QStringLiteral("Settings/Duration");

void storeNow(QSettings& settings, const QDateTime& now) {
    settings.setValue(kDurationKey, now.toString(Qt::ISODate));
    settings.sync();
}

}  // namespace

qint64 calendarDaysBetween(const QDateTime& today, const QDateTime& stored) {
    return today.date().daysTo(stored.date());
}

void UpdatePrompt(const Services& services) {
    const std::unique_ptr<QSettings> settings = services.settings->open();
    const QDateTime now = services.clock->now();
    const QString text = settings->value(kDurationKey).toString();
    const QDateTime stored = QDateTime::fromString(text, Qt::ISODate);
    if (text.isEmpty() || !stored.isValid()) {
        storeNow(*settings, now);
        return;
    }

    const qint64 days = calendarDaysBetween(now, stored);
    if (days >= -14 && days <= 14)
        return;

    const MessageAnswer answer = services.messages->show(
        nullptr,
        QCoreApplication::translate("asterine::UpdatePrompt",
                                    "There maybe an update to this software available\r"
                                    "Do you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    storeNow(*settings, now);
    if (answer == MessageAnswer::Yes)
        OpenLink(*services.urls, LinkRole::DownloadPage);
}

}  // namespace asterine
