// SPDX-License-Identifier: GPL-3.0-or-later
#include "strips.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "brand.h"
#include "formbase/colours.h"
#include "formbase/form_font.h"
#include "formbase/link_label.h"
#include "links.h"

namespace asterine {

namespace {

// Labels show a doubled ampersand of their caption as one.
QString shown(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

LinkLabel* makeOffer(const QString& name, const QString& caption, LinkRole role, QWidget* parent,
                     UrlOpener& opener) {
    auto* label = new LinkLabel(name, shown(caption), true, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(formFont(8.25, true));
    label->setAutoFillBackground(true);  // the front label hides the one behind it
    QSizePolicy keep = label->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    label->setSizePolicy(keep);
    QObject::connect(label, &LinkLabel::clicked, [&opener, role] { OpenLink(opener, role); });
    return label;
}

}  // namespace

QLabel* makeDescription(QWidget* parent, const QString& objectName, int minimumWidth) {
    auto* description = new WrappingLabel(brand::description(), parent);
    description->setObjectName(objectName);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    description->setMinimumWidth(minimumWidth);
    return description;
}

QFrame* makeForumBanner(QWidget* parent, UrlOpener& opener) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* label = new LinkLabel(QStringLiteral("Label61"), brand::forumBanner(), true, frame);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(formFont(8.25, true));
    setAccentColour(label, QColor(0x80, 0x00, 0x00));
    QObject::connect(label, &LinkLabel::clicked,
                     [&opener] { OpenLink(opener, LinkRole::HomePage); });
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(label);
    return frame;
}

PromotionStrip makePromotionStrip(QWidget* parent, UrlOpener& opener) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Frame5"));
    frame->setFrameShape(QFrame::StyledPanel);
    PromotionStrip strip{frame,
                         makeOffer(QStringLiteral("lblCobrand"), brand::coBrandOffer(),
                                   LinkRole::CoBrandPage, frame, opener),
                         makeOffer(QStringLiteral("lblFullBrand"), brand::fullyBrandedOffer(),
                                   LinkRole::FullyBrandedPage, frame, opener)};
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(strip.coBrand, 0, 0);
    layout->addWidget(strip.fullBrand, 0, 0);
    bringToFront(strip.fullBrand, strip.coBrand);
    return strip;
}

void bringToFront(LinkLabel* front, LinkLabel* behind) {
    front->raise();
    front->show();
    behind->hide();
}

}  // namespace asterine
