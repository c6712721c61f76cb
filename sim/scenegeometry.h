// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

// The scene reaches x 800 and y 580: the picture, and the window's client area
// that shows it, are this large, in pixels.
inline constexpr QSize sceneSize{801, 581};

// Where the apparatus stands, in pixels. DrawScene sets it at the start of a run;
// the scan and the label placement read it.
struct SceneGeometry {
    double sourceX = 150;  // the light source, on the optical axis
    double centreY = 300;  // the optical axis, midway between the slits
    double barrierX = 250; // the barrier and both slits
    double barrierTop = 100;
    double barrierBottom = 500;
    double plotAxisX = 600;
    double plotTop = 100;    // = barrierTop
    double plotBottom = 500; // = barrierBottom
    double screenX = 450;    // 250 + the distance setting
    double slitOffset = 15;  // d: slit A at centreY − d (upper), slit B at centreY + d (lower)

    double slitAY() const { return centreY - slitOffset; }
    double slitBY() const { return centreY + slitOffset; }
};
