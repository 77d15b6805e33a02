#!/usr/bin/env bash
# Fetches, once, the Debian source of libjpeg-turbo, which the Windows builds compile statically
# (there is no MinGW libjpeg package). It is kept outside the checkout, in the folder
# VELORA_LIBJPEG_SOURCE names (/var/cache/velora/libjpeg-turbo by default), so nothing of it is
# committed and later runs cost nothing.
set -euo pipefail
target=${VELORA_LIBJPEG_SOURCE:-/var/cache/velora/libjpeg-turbo}
[ -f "$target/jpeglib.h" ] && exit 0

mkdir -p "$(dirname "$target")"
exec 9> "$target.lock"
flock 9
[ -f "$target/jpeglib.h" ] && exit 0

# apt-get source needs a source entry for the suite the binary packages come from.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      > /etc/apt/sources.list.d/velora-deb-src.sources
  elif [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > /etc/apt/sources.list.d/velora-deb-src.list
  else
    echo "No apt sources found to add a deb-src entry to" >&2
    exit 1
  fi
  apt-get update -q
fi

echo "Fetching the libjpeg-turbo source into $target"
fetching=$target.fetching
rm -rf "$fetching"
mkdir -p "$fetching"
# apt fetches as its own user when it may write there.
chown _apt: "$fetching" 2>/dev/null || true
(cd "$fetching" && apt-get source -q libjpeg-turbo >/dev/null)
unpacked=$(find "$fetching" -mindepth 2 -maxdepth 2 -name jpeglib.h -printf '%h\n' | head -n1)
[ -n "$unpacked" ] || { echo "apt-get source gave no libjpeg-turbo tree" >&2; exit 1; }
rm -rf "$target"
mv "$unpacked" "$target"
rm -rf "$fetching"
