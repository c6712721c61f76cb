// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

struct SceneGeometry;
class Settings;

// The labels that name the parts of the scene.
enum class SceneLabel { labClona, labHustota, labInterObr, labPravde, labZdroj, labDetektor, labA, labB };

// The window's scene labels as PlaceLabels sees them. Positions are pixels.
class SceneLabels {
public:
    virtual ~SceneLabels() = default;
    virtual void showLabel(SceneLabel label, bool visible) = 0;
    virtual void setLabelLeft(SceneLabel label, float x) = 0;
    virtual void setLabelTop(SceneLabel label, float y) = 0;
};

// Labels that go nowhere, for drawing the picture alone.
class NoLabels : public SceneLabels {
public:
    void showLabel(SceneLabel, bool) override {}
    void setLabelLeft(SceneLabel, float) override {}
    void setLabelTop(SceneLabel, float) override {}
};

// Shows seven labels beside the things they name, the plot title chosen by the
// pattern mode read as a number; for each label: visibility, then left, then top.
void PlaceLabels(SceneLabels &labels, const Settings &settings, const SceneGeometry &geometry);
