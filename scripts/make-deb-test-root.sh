#!/usr/bin/env bash
# Builds, once, the Debian 12 root into which the test of the Debian package installs velora: a
# minimal system with the libraries the package depends on and lilv-utils, whose lv2apply runs
# the installed plug-in. The tests run in throw-away overlays of it (scripts/run-in-root.sh), so
# the root stays clean and the test needs no network.
set -euo pipefail
target=${VELORA_DEB_TEST_ROOT:-/var/cache/velora/deb-test-bookworm}
mirror=http://deb.debian.org/debian
packages=(libsndfile1 liblilv-0-0 lilv-utils)
# A root built from another recipe is built again.
recipe="bookworm amd64 minbase ${packages[*]}"

source "$(dirname "$0")/cached_root.sh"
lock_root "$target" "$recipe" && exit 0

echo "Building the Debian 12 root for the package test in $target (once: about a minute)"
building=$target.building
rm -rf "$building"
debootstrap --variant=minbase --include="$(IFS=,; echo "${packages[*]}")" bookworm "$building" \
  "$mirror" >/dev/null
chroot "$building" apt-get clean
publish_root "$building" "$target" "$recipe"
echo "The Debian 12 root for the package test is ready."
