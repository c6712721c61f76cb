// SPDX-License-Identifier: MIT
#pragma once

class Canvas;
class Settings;
class SceneLabels;
class PhotonRandom;
class Pacer;
class RunObserver;

namespace run {
constexpr long long delayFactor = 30000; // countdown steps per unit of slow-down
} // namespace run

// The countdown after a point: delayCount := slow-down × 30000, then down to
// zero, stopping as soon as it is no longer above zero. Returns the steps taken.
long long SlowDown(const Settings &settings, Pacer &pacer);

// How a run ended: after its last point, or stopped by its pacer after an earlier one.
enum class RunEnd { Finished, Stopped };

// One whole run, as the Start button performs it: the scene, the scan of 399
// points bottom to top (scale, plot, axis, slow-down after each), the axis once
// more and the labels. Throws SettingRefused (see settingNumber) at the first
// setting read as a number that is not one of its control's values, before it is used.
// The observer, if any, hears of the scene and of every point as it is plotted.
// A run its pacer stops leaves the picture as far as it got: no final axis, no labels.
RunEnd PerformRun(Canvas &canvas, const Settings &settings, SceneLabels &labels,
                PhotonRandom &random, Pacer &pacer, RunObserver *observer = nullptr);
