#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quarnel with warnings as errors and runs
# every test headless, ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --tests
cmake -S . -B build -G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
