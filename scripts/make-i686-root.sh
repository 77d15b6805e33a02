#!/usr/bin/env bash
# Builds, once, the i386 Debian 12 root in which the win32 flavour's programs run under 32-bit wine
# (scripts/run-i686.sh). The host itself stays amd64 only: adding i386 to its apt breaks apt there.
# The root is kept outside the checkout, so later runs find it ready and cost nothing.
set -euo pipefail
target=${VELORA_I686_ROOT:-/var/cache/velora/i686-bookworm}
mirror=http://deb.debian.org/debian
packages=(wine wine32 fonts-wine xvfb xauth)
# A root built from another recipe is built again.
recipe="bookworm i386 ${packages[*]}"

source "$(dirname "$0")/cached_root.sh"
lock_root "$target" "$recipe" && exit 0

echo "Building the 32-bit wine root in $target (once: about a minute, 1.7 GB)"
building=$target.building
rm -rf "$building"
debootstrap --arch=i386 --variant=minbase --foreign bookworm "$building" "$mirror" >/dev/null
if ! chroot "$building" /bin/true 2>/dev/null; then
  echo "This machine cannot run 32-bit x86 programs (its kernel lacks IA32 emulation)," \
       "so the win32 flavour cannot be tested here." >&2
  rm -rf "$building"
  exit 1
fi

# Everything mounted for the installation goes away with the private mount namespace.
unshare --mount --propagation private bash -euo pipefail -c '
  root=$1
  in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
                DEBIAN_FRONTEND=noninteractive "$@"; }
  # The second stage mounts and unmounts its own /proc.
  in_root /debootstrap/debootstrap --second-stage >/dev/null
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --rbind /sys "$root/sys"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  in_root apt-get update -qq
  shift
  in_root apt-get install -y -q --no-install-recommends "$@" 2>&1 >/dev/null |
    { grep -v "^debconf: delaying package configuration" >&2 || true; }
  in_root apt-get clean
  in_root WINEPREFIX=/root/.wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    bash -c "wineboot -i 2>/dev/null && wineserver -w"
  # Wine as Debian packs it does not look in the folder of its own fonts; the prefix font folder does.
  cp /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$root/root/.wine/drive_c/windows/Fonts/"
' make-i686-root "$building" "${packages[@]}"

publish_root "$building" "$target" "$recipe"
echo "The 32-bit wine root is ready."
