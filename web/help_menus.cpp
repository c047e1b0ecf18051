// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_menus.h"

#include <QCoreApplication>
#include <QMenuBar>

#include "links.h"

namespace asterine {

namespace {

// This file's texts, under one translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(asterine::HelpMenus)
};

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
    QMenu* help = bar->addMenu(Texts::tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addLink(help, "mnuOnline", Texts::tr("&Online Help"), urls, LinkRole::HelpPage);
    addLink(help, "mnuVisit", Texts::tr("&Visit Us Online"), urls, LinkRole::HomePage);
    help->addSeparator()->setObjectName(names.firstSeparator);
    // Opens the download page at once, without the start-up question.
    addLink(help, "mnuUpdate", names.updateCaption, urls, LinkRole::DownloadPage);
    help->addSeparator()->setObjectName(names.secondSeparator);
    QAction* about = help->addAction(Texts::tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, std::move(showAbout));

    QAction* donate = bar->addAction(Texts::tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered,
                     [&urls] { OpenLink(urls, LinkRole::DonatePage); });
}

}  // namespace asterine
