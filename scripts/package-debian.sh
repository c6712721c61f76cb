#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Makes the Debian packages with dpkg-buildpackage from the files of this
# checkout that git tracks or would, as they are now (changes not yet committed
# included):
#   scripts/package-debian.sh [FOLDER [dpkg-buildpackage options]]
# writes quarnel_<version>.dsc and .tar.xz (the source package), the binary
# packages quarnel and quarnel-sound and their debugging symbols to FOLDER,
# build-deb/ by default. The build happens in a fresh folder of its own, so that
# nothing git does not track (a build folder, an editor's file) gets in, and
# dpkg-buildpackage's files land beside it rather than beside the checkout.
# DEB_BUILD_OPTIONS=nocheck leaves the tests out.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$top/build-deb}")
shift || true

version=$(dpkg-parsechangelog --file "$top/debian/changelog" --show-field Version)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree="$scratch/quarnel-$version"
mkdir "$tree"

# The tracked files that are there (one deleted but not yet committed is not)
# and the new ones git does not ignore, with the modes git records (644 or 755)
# whatever this shell's umask is.
umask 022
cd "$top"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
  if [[ -e "$file" || -L "$file" ]]; then printf '%s\0' "$file"; fi
done | tar --null --files-from=- --create --file=- | tar --extract --no-same-permissions --file=- --directory="$tree"

cd "$tree"
nice -n 10 dpkg-buildpackage --unsigned-source --unsigned-changes "$@"
mkdir -p "$out"
find "$scratch" -maxdepth 1 -type f -name "quarnel*_${version}*" -exec mv -t "$out" {} +
echo "The packages are in $out:"
ls -1 "$out"
