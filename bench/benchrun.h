// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "scenegeometry.h"
#include "testsupport.h"

#include <QSize>

// What the benchmarks and the paced-run harness share besides the tests'
// scaffolding (testsupport.h): a run with no waiting and no labels, drawn into
// a kept image.

// Ends each point's painting batch as the window's pacer does, and waits for nothing.
class FlushingPacer : public Pacer {
public:
    explicit FlushingPacer(ImageCanvas &canvas) : canvas_(canvas) {}
    void countDown(long long) override { canvas_.flush(); }

private:
    ImageCanvas &canvas_;
};
