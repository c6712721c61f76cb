#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages Quarnel needs that are not there yet.
#   scripts/setup-debian.sh          what building and running need
#   scripts/setup-debian.sh --tests  that, and what the test suite needs
# Skips apt-get altogether when everything is installed already.
set -euo pipefail

cd "$(dirname "$0")/.."
# What building needs is debian/control's Build-Depends, one list for the
# package and for a build by hand: each entry's first choice, without its version
# or build profile (debhelper-compat is debhelper's).
mapfile -t packages < <(sed -n '/^Build-Depends:/,/^[^ ]/{s/^Build-Depends://;/^[^ ]/d;p}' debian/control \
  | tr ',' '\n' | sed 's/|.*//; s/[[(<].*//; s/[[:space:]]//g; s/^debhelper-compat$/debhelper/' | grep .)
# The compiler, which a Debian package build takes for granted (build-essential);
# what running needs besides: the fonts the layout was made with, Qt's own texts.
packages+=(g++ fonts-liberation fonts-dejavu-core qt6-translations-l10n)
# po/quarnel.pot is made with AppStream's rules for the metainfo.
packages+=(appstream)
if [[ "${1:-}" == "--tests" ]]; then
  packages+=(xvfb xauth xdotool imagemagick x11-utils xclip)
  # The house style and the static checks (scripts/lint.sh).
  packages+=(clang-format clang-tidy)
  # The benchmarks and the start-up timer of scripts/perf.sh.
  packages+=(libbenchmark-dev libx11-dev)
  # The install and package tests: the desktop's validators, the icon renderer,
  # and git, whose file list scripts/package-debian.sh packs.
  packages+=(desktop-file-utils librsvg2-bin git)
  # What a Debian or Flathub packager checks the package with: lintian, the second
  # AppStream validator, and hardening-check (in devscripts).
  packages+=(lintian appstream-util devscripts)
  # Every file's licence and copyright, as REUSE (reuse.software) has them.
  packages+=(reuse)
  # The reliability tests: memcheck of a whole run; Xlib to send a window its close
  # request; gdb for the stacks of a program that hung.
  packages+=(valgrind libx11-dev gdb)
  # The screen-reader test: its own session bus and accessibility bus, and the
  # tree read through the same library a screen reader reads it with.
  packages+=(dbus at-spi2-core python3-pyatspi)
  # The help printed to a PDF file, read back as text.
  packages+=(poppler-utils)
  # What a blind pupil hears (tests/tst_orca.py): the screen reader Orca, the speech
  # server it speaks through with its espeak-ng voice, and a window manager that
  # activates the window; locales for the Czech run's own role words.
  packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox locales)
  # The sound test: a PulseAudio server of its own with an output that plays into
  # nothing (Qt 6.4's sound output on Debian speaks PulseAudio), pactl to wait
  # for it and parec to record what it plays.
  packages+=(pulseaudio pulseaudio-utils)
fi

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Orca says its role words ("push button") in the desktop's language only where the
# C library has that locale: the tests' Czech one is made when it is missing.
if [[ "${1:-}" == "--tests" ]] && ! locale -a 2>/dev/null | grep -qix 'cs_CZ\.utf-\?8'; then
  echo "Generating the cs_CZ.UTF-8 locale"
  "${sudo[@]}" sed -i 's/^# *cs_CZ.UTF-8 UTF-8/cs_CZ.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen
fi
