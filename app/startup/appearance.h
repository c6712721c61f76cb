// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// The look every Quarnel window shares: one widget style on every desktop,
// metric-compatible stand-ins for the laid-out fonts where those are missing,
// the classic dialog font as the program's default, and the program's icon.
void setUpAppearance(QApplication &app);
