// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// At start-up, at most about once a fortnight, offers to look for a newer
// version of the program.

#include <QDateTime>

namespace asterine {

struct Services;

// The calendar days from `today` to `stored`: negative when `stored` lies in
// the past.
qint64 calendarDaysBetween(const QDateTime& today, const QDateTime& stored);

// Reads the date of the last question from the settings store; on the first
// run (or when the stored text is no date) stores now and asks nothing; more
// than 14 calendar days either side of now, asks, stores now, and on Yes opens
// the download page.
void UpdatePrompt(const Services& services);

}  // namespace asterine
