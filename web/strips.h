// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The forum banner, the description and the promotion strip that several
// forms carry.

#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace asterine {

class LinkLabel;
class UrlOpener;

// The program's description, centred and wrapped, at least `minimumWidth` wide.
QLabel* makeDescription(QWidget* parent, const QString& objectName, int minimumWidth);

// `Frame2` holding the clickable forum banner `Label61`, which opens the home page.
QFrame* makeForumBanner(QWidget* parent, UrlOpener& opener);

// `Frame5` holding `lblCobrand` and `lblFullBrand` at the same place, so only
// the front one is seen; `lblFullBrand` starts in front. The one behind is
// hidden as well, so that a screen reader, which does not see what covers
// what, reads only the one in front. The strip keeps the room of the larger.
struct PromotionStrip {
    QFrame* frame;
    LinkLabel* coBrand;
    LinkLabel* fullBrand;
};
PromotionStrip makePromotionStrip(QWidget* parent, UrlOpener& opener);

// Brings `front` in front of the other label of its strip.
void bringToFront(LinkLabel* front, LinkLabel* behind);

}  // namespace asterine
