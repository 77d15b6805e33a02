#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 root, runs velora and the plug-in there, and
# checks that removing the package leaves no file behind.
#   check-deb-package.sh velora_<version>_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
checkout=$(cd "$(dirname "$0")/.." && pwd)
exec "$checkout/scripts/run-in-root.sh" "${VELORA_DEB_TEST_ROOT:-/var/cache/velora/deb-test-bookworm}" \
  "$(dirname "$deb")" bash -euo pipefail -c '
  files() { find / -xdev \( -path /proc -o -path /dev -o -path /tmp -o -path /run -o -path /var/lib/dpkg \
              -o -path /var/log -o -path /var/cache \) -prune -o -print | sort; }
  files > /tmp/before
  dpkg -i "$0" >/dev/null
  velora --version
  velora demo /tmp/demo >/dev/null
  lv2apply -i /tmp/demo/demo-dry.wav -o /tmp/demo/lv2.wav urn:velora:enhancer
  cmp -s /tmp/demo/demo-dry.wav /tmp/demo/lv2.wav && { echo "lv2apply left the demo as it was" >&2; exit 1; }
  dpkg -r velora >/dev/null
  files > /tmp/after
  diff /tmp/before /tmp/after || { echo "dpkg -r left the files above behind" >&2; exit 1; }
  echo "installed, ran velora and lv2apply, and removed without a trace"' "$deb"
