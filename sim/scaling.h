// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

struct ScanPoint;
class Settings;

constexpr double InterferenceModeFactor = 0.01;

// Replaces the point's intensity by the value the plot shows:
// mode "1": 0.01 × intensity; mode "0": (factor × intensity) × weight;
// any other mode, or a distance or spacing with no factor: unchanged.
void ScaleIntensity(ScanPoint &point, const Settings &settings);
