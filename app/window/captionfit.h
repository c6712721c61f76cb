// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Whether the fonts the layout was made with are here: the metric-compatible
// stand-ins for Times New Roman and Arial. Without them captions would be set
// in fallback fonts that are wider.
bool layoutFontsPresent();

// Makes the control's font smaller, a step at a time, until its caption fits
// its laid-out box: a label's wrapped caption within its box, a button's text
// within the style's room for it, a frame's caption within the frame's top edge.
void shrinkToFit(QWidget &control);
