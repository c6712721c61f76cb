// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

// The recording canvas, for the benchmarks; it lives with the rest of the tests' scaffolding.
#include "testsupport.h"
