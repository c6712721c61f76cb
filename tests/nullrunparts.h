#pragma once

#include "labels.h"
#include "pacer.h"

// The parts of a run that a picture-only check does not need: labels that go
// nowhere and a countdown that does not wait.
class NoLabels : public SceneLabels {
public:
    void showLabel(SceneLabel, bool) override {}
    void setLabelLeft(SceneLabel, float) override {}
    void setLabelTop(SceneLabel, float) override {}
};

class NoWait : public Pacer {
public:
    void countDown(long long) override {}
};
