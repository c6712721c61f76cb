#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# The house style and the static checks over the program: clang-format must
# change nothing, clang-tidy (the checks in .clang-tidy) must find nothing.
# Needs the compile commands of build/ (cmake --preset default).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
run-clang-tidy -p build -quiet "$PWD/(app|sim|canvas)/" > build/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/clang-tidy.log
  exit 1
}
echo "lint: clang-format and clang-tidy clean"
