// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

class QWidget;

// Whether the fonts the layout was made with are here: the metric-compatible
// stand-ins for Times New Roman and Arial. Without them captions would be set
// in fallback fonts that are wider.
bool layoutFontsPresent();

// The parts a label's caption may wrap into: its words, and the pieces of a
// word that a soft hyphen (U+00AD) splits, each of these with its hyphen.
QStringList wrappableParts(const QString &caption);

// Makes the control's font smaller, a step at a time, until its caption fits
// its laid-out box: a label's wrapped caption within its box, a button's text
// within the style's room for it, a frame's caption within the frame's top edge.
void shrinkToFit(QWidget &control);
