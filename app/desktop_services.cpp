// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include "display/chart_size_dialog.h"
#include "display/printing.h"

namespace asterine {

MessageAnswer DialogMessageService::show(QWidget* parent, const QString& text, MessageIcon icon,
                                         MessageButtons buttons) {
    // A carriage return alone is a line break in the program's texts.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo)
        offered = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == MessageButtons::YesNoCancel)
        offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        applicationTitle(), QString(), offered, parent);
    // Names and file names are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shown);
    // Every message holds the whole program, the browser beside it included,
    // until it is answered.
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

MessageAnswer DialogMessageService::choose(QWidget* parent, const QString& text,
                                           const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::Information, applicationTitle(), QString(), QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    QPushButton* firstButton = box.addButton(first, QMessageBox::YesRole);
    firstButton->setObjectName(QStringLiteral("cmdFirstChoice"));
    QPushButton* secondButton = box.addButton(second, QMessageBox::NoRole);
    secondButton->setObjectName(QStringLiteral("cmdSecondChoice"));
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(firstButton);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (box.clickedButton() == firstButton)
        return MessageAnswer::Yes;
    if (box.clickedButton() == secondButton)
        return MessageAnswer::No;
    return MessageAnswer::Cancel;
}

void DesktopUrlOpener::open(const QUrl& address) {
    // xdg-open tells by its exit status whether it found a way to open the
    // address; it runs on its own, and the window goes on at once.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(address))
            cannotOpen(address);
        return;
    }
    // No parent: a process still running when the program ends is left to
    // run, with the browser it may have started.
    auto* process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({address.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer since;
    since.start();
    connect(process, &QProcess::finished, this,
            [this, process, address, since](int exitCode, QProcess::ExitStatus status) {
                process->deleteLater();
                if ((status != QProcess::NormalExit || exitCode != 0) &&
                    since.elapsed() < reportWindowMs)
                    cannotOpen(address);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, address](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                process->deleteLater();
                cannotOpen(address);
            });
    process->start();
}

void DesktopUrlOpener::cannotOpen(const QUrl& address) {
    // One message at a time: further failures while it is up add nothing.
    if (telling_)
        return;
    telling_ = true;
    const QString shown = address.toDisplayString();
    const MessageAnswer answer = messages_.show(
        nullptr,
        QCoreApplication::translate("asterine::Links",
                                    "The desktop could not open this address in a web browser:\n\n"
                                    "%1\n\nCopy the address to the clipboard, to paste it into a "
                                    "browser yourself?")
            .arg(shown),
        MessageIcon::Critical, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        QGuiApplication::clipboard()->setText(address.toString(QUrl::FullyEncoded));
    telling_ = false;
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

QString DialogFileChooser::saveFileName(QWidget* parent, const QString& caption,
                                        const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString DialogFileChooser::openFileName(QWidget* parent, const QString& caption,
                                        const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

int DialogPictureSizeChooser::pixelWidth(QWidget* parent, int suggested, double aspect) {
    return askChartWidth(parent, suggested, aspect);
}

void PaperPrinting::print(QWidget* parent, const document::ReadingDocument& reading,
                          const Pictures& pictures) {
    putOnPaper(parent, reading, pictures, PaperAction::Print, messages_);
}

void PaperPrinting::preview(QWidget* parent, const document::ReadingDocument& reading,
                            const Pictures& pictures) {
    putOnPaper(parent, reading, pictures, PaperAction::Preview, messages_);
}

}  // namespace asterine
