#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quarnel with warnings as errors and runs
# every test headless, ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --tests
cmake --preset default -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build --preset default
ctest --preset default
