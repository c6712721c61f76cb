#pragma once

class QApplication;

// The look every Quarnel window shares: one widget style on every desktop,
// metric-compatible stand-ins for the laid-out fonts where those are missing,
// and the program's icon.
void setUpAppearance(QApplication &app);
