// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "scenegeometry.h"
#include "settings.h"

#include <QSize>
#include <QString>
#include <array>

// What the benchmarks and the paced-run harness share: a run with fixed
// settings, no waiting and no labels, drawn into a kept image.

// Settings fixed for a measurement: the start-up ones unless told otherwise.
class FixedSettings : public Settings {
public:
    explicit FixedSettings(QString mode, QString slowDown = QStringLiteral("1"))
        : texts_{QStringLiteral("200"), QStringLiteral("15"), QStringLiteral("2"), std::move(mode),
                 std::move(slowDown)}
    {
    }
    QString text(Setting setting) const override { return texts_[std::size_t(setting)]; }

private:
    std::array<QString, 5> texts_;
};

// Ends each point's painting batch as the window's pacer does, and waits for nothing.
class FlushingPacer : public Pacer {
public:
    explicit FlushingPacer(ImageCanvas &canvas) : canvas_(canvas) {}
    void countDown(long long) override { canvas_.flush(); }

private:
    ImageCanvas &canvas_;
};
