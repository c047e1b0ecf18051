// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skychart/chart_layout.h"

class QPainter;

namespace skychart {

// Draws a text with its ink centred in its box, in the painter's pen.
void drawTextBox(QPainter& painter, const TextBox& text);

}  // namespace skychart
