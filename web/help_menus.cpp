// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_menus.h"

#include <QCoreApplication>
#include <QMenuBar>

#include "links.h"

namespace asterine {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("asterine::HelpMenus", text);
}

QAction* addLink(QMenu* menu, const char* name, const QString& caption, UrlOpener& urls,
                 LinkRole role) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, [&urls, role] { OpenLink(urls, role); });
    return action;
}

}  // namespace

void addHelpAndDonateMenus(QMenuBar* bar, UrlOpener& urls, const HelpMenuNames& names,
                           std::function<void()> showAbout) {
    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addLink(help, "mnuOnline", tr("&Online Help"), urls, LinkRole::HelpPage);
    addLink(help, "mnuVisit", tr("&Visit Us Online"), urls, LinkRole::HomePage);
    help->addSeparator()->setObjectName(names.firstSeparator);
    // Opens the download page at once, without the start-up question.
    addLink(help, "mnuUpdate", names.updateCaption, urls, LinkRole::DownloadPage);
    help->addSeparator()->setObjectName(names.secondSeparator);
    QAction* about = help->addAction(tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, std::move(showAbout));

    QAction* donate = bar->addAction(tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered,
                     [&urls] { OpenLink(urls, LinkRole::DonatePage); });
}

}  // namespace asterine
