#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quarnel and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake --preset default
cmake --build --preset default
exec build/app/quarnel
