// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "scenegeometry.h"

#include <QRect>

class Canvas;
class Settings;

// The area every run clears first, both ends included: it erases the previous picture.
inline constexpr QRect sceneClearArea{QPoint(5, 30), QPoint(800, 580)};

// Clears the scene area and draws the apparatus for the current distance and
// spacing. Leaves the canvas at width 1, fill style solid, fill colour silver.
SceneGeometry DrawScene(Canvas &canvas, const Settings &settings);

// The plot axis, in the foreground colour at the draw width in force.
void DrawPlotAxis(Canvas &canvas, const SceneGeometry &geometry);
