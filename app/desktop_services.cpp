// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace asterine {

MessageAnswer DialogMessageService::show(QWidget* parent, const QString& text, MessageIcon icon,
                                         MessageButtons buttons) {
    // A carriage return alone is a line break in the program's texts.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        applicationTitle(), shown,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    // Every message holds the whole program, the browser beside it included,
    // until it is answered.
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

void DesktopUrlOpener::open(const QUrl& address) {
    // The outcome is deliberately ignored: a missing browser is not reported.
    QDesktopServices::openUrl(address);
}

void TimerSeededRandom::seedFromTimer() {
    generator_.seed(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^
                    static_cast<std::uint64_t>(QElapsedTimer().msecsSinceReference()));
}

double TimerSeededRandom::draw() {
    // 53 random bits scaled into [0, 1): never 1.
    return static_cast<double>(generator_() >> 11) * 0x1.0p-53;
}

std::unique_ptr<QSettings> UserSettingsLocation::open() const {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

void EventLoopEnder::endProcess() {
    QCoreApplication::exit(0);
}

}  // namespace asterine
