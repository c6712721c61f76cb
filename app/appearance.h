#pragma once

class QApplication;

// The look every Quarnel window shares: one widget style on every desktop and
// metric-compatible stand-ins for the laid-out fonts where those are missing.
void setUpAppearance(QApplication &app);
