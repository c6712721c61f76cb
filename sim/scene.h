#pragma once

#include "scenegeometry.h"

class Canvas;
class Settings;

// Clears the scene area and draws the apparatus for the current distance and
// spacing. Leaves the canvas at width 1, fill style solid, fill colour silver.
SceneGeometry DrawScene(Canvas &canvas, const Settings &settings);

// The plot axis, in the foreground colour at the draw width in force.
void DrawPlotAxis(Canvas &canvas, const SceneGeometry &geometry);
