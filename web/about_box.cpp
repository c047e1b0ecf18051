// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "brand.h"
#include "formbase/colours.h"
#include "formbase/form_font.h"
#include "formbase/link_label.h"
#include "formbase/placement.h"
#include "formbase/program_icon.h"
#include "licence_window.h"
#include "links.h"

namespace asterine {

FrmAbout::FrmAbout(UrlOpener& urls, QWidget* opener) : QDialog(opener) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(brand::windowCaption());
    setWindowIcon(programIcon());
    setFont(formFont(8.25));
    setModal(true);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(scaled(48), scaled(48)));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon, 0, 0, 2, 1);

    auto* title = new QLabel(brand::windowCaption(), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(formFont(12, true));
    layout->addWidget(title, 0, 1);

    auto* description = new QLabel(brand::description(), this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);
    description->setMinimumWidth(scaled(380));
    layout->addWidget(description, 1, 1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line, 2, 0, 1, 2);

    auto* offer = new QLabel(tr("Home Business Opportunity. Start your own Internet business "
                                "and make money online. Get this software fully branded for "
                                "your website."),
                             this);
    offer->setObjectName(QStringLiteral("Label3"));
    offer->setWordWrap(true);
    layout->addWidget(offer, 3, 1);

    auto* coBrand =
        new LinkLabel(QStringLiteral("lblCoBrand"), tr("Click here for more details"), true, this);
    QFont link = font();
    link.setUnderline(true);
    coBrand->setFont(link);
    setAccentColour(coBrand, QColor(0x00, 0x00, 0xc0));
    connect(coBrand, &LinkLabel::clicked, this,
            [&urls] { OpenLink(urls, LinkRole::FullyBrandedPage); });
    layout->addWidget(coBrand, 4, 1);

    auto* homePage = new LinkLabel(
        QStringLiteral("lblHomePage"),
        tr("Click here to visit %1").arg(linkAddress(LinkRole::HomePage).toString()), true, this);
    homePage->setFont(link);
    setAccentColour(homePage, QColor(0x00, 0x00, 0xc0));
    connect(homePage, &LinkLabel::clicked, this, [&urls] { OpenLink(urls, LinkRole::HomePage); });
    layout->addWidget(homePage, 5, 1);

    // The legal notices the licence asks for, and the credits of the atlas,
    // the star catalogue and the sky's engine.
    auto* noticeLine = new QFrame(this);
    noticeLine->setObjectName(QStringLiteral("lineNotices"));
    noticeLine->setFrameShape(QFrame::HLine);
    noticeLine->setFrameShadow(QFrame::Sunken);
    layout->addWidget(noticeLine, 6, 0, 1, 2);

    auto* notice = new QLabel(
        tr("Copyright \u00a9 2026 Quorvane Softwares.\n"
           "Asterine is free software: you may convey and modify it under the terms of the "
           "GNU General Public License, version 3 or any later version. It comes with "
           "ABSOLUTELY NO WARRANTY. Choose Licence to read the licence."),
        this);
    notice->setObjectName(QStringLiteral("lblLicence"));
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(notice, 7, 1);

    auto* places = new QLabel(tr("Places: GeoNames, CC BY 4.0"), this);
    places->setObjectName(QStringLiteral("lblPlaces"));
    places->setToolTip(
        QStringLiteral("https://www.geonames.org/ \u2014 "
                       "https://creativecommons.org/licenses/by/4.0/"));
    layout->addWidget(places, 8, 1);

    auto* stars =
        new QLabel(tr("Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0"), this);
    stars->setObjectName(QStringLiteral("lblStars"));
    stars->setWordWrap(true);
    stars->setToolTip(QStringLiteral("https://creativecommons.org/publicdomain/zero/1.0/"));
    layout->addWidget(stars, 9, 1);

    auto* engine = new QLabel(tr("The sky is worked out with ERFA, BSD-3-Clause"), this);
    engine->setObjectName(QStringLiteral("lblSkyEngine"));
    engine->setWordWrap(true);
    engine->setToolTip(QStringLiteral("https://github.com/liberfa/erfa"));
    layout->addWidget(engine, 10, 1);

    auto* licence = new QPushButton(tr("&Licence"), this);
    licence->setObjectName(QStringLiteral("cmdLicence"));
    licence->setAutoDefault(true);  // Enter on it, once focused, opens the licence
    connect(licence, &QPushButton::clicked, this, [this] {
        LicenceWindow window(this);
        placeOnScreen(&window, this);
        window.exec();
    });

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setMinimumWidth(scaled(90));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(licence);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons, 11, 1);
    setTabOrder(ok, licence);
    ok->setFocus();
}

}  // namespace asterine
