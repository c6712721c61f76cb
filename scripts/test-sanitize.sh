#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# The sanitizer build: builds everything with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer (every finding fatal) in build-sanitize/ and
# runs the whole test suite there, then the monkey test on the real window,
# whose report (seed, events, runs) is printed even when it passes.
# Known leaks of the system libraries are suppressed in tests/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh --tests
cmake --preset sanitize
cmake --build --preset sanitize
status=0
ctest --preset sanitize --label-exclude monkey || status=1
ctest --preset sanitize --label-regex monkey --verbose || status=1
exit "$status"
