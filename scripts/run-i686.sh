#!/usr/bin/env bash
# Runs one win32 program under 32-bit wine, in a throw-away copy of the i386 root that
# make-i686-root.sh builds, and exits with the program's status.
#   run-i686.sh PROGRAM.exe [ARGUMENTS]...
# The program sees the checkout and its own folder at their host paths (as Z:\...) and starts in
# the working folder when that lies in them; whatever else it writes goes away with the run. It
# draws on the X display named by DISPLAY, or on a private virtual one without it. After
# VELORA_I686_TIMEOUT seconds (600) it is stopped. Private mount, process and network namespaces
# leave no mount, wineserver or X server behind and keep the X sockets of runs apart, so several
# runs can go side by side.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: run-i686.sh PROGRAM.exe [ARGUMENTS]..." >&2; exit 2; }
checkout=$(cd "$(dirname "$0")/.." && pwd)
image=${VELORA_I686_ROOT:-/var/cache/velora/i686-bookworm}
if [ ! -e "$image/.velora-ready" ]; then
  echo "run-i686.sh: there is no 32-bit wine root at $image (scripts/setup.sh builds it)" >&2
  exit 125
fi
# Each run mounts its own scratch space on this folder, inside its own mount namespace.
stage=$image.run
mkdir -p "$stage"
program_folder=$checkout
case $1 in */*) program_folder=$(cd "$(dirname "$1")" && pwd) ;; esac

exec timeout --kill-after=5 "${VELORA_I686_TIMEOUT:-600}" \
  unshare --mount --pid --net --fork --kill-child --propagation private \
  bash -euo pipefail -c '
    image=$1 stage=$2 workdir=$3 checkout=$4 program_folder=$5
    shift 5
    mount -t tmpfs tmpfs "$stage"
    mkdir "$stage/upper" "$stage/work" "$stage/root"
    mount -t overlay overlay -o "lowerdir=$image,upperdir=$stage/upper,workdir=$stage/work" "$stage/root"
    root=$stage/root
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount --rbind /sys "$root/sys"
    for folder in "$checkout" "$program_folder"; do
      mkdir -p "$root$folder"
      mount --bind "$folder" "$root$folder"
    done
    if [ -n "${DISPLAY:-}" ]; then
      mkdir -p "$root/tmp/.X11-unix"
      mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
      if [ -n "${XAUTHORITY:-}" ]; then
        mkdir -p "$root$(dirname "$XAUTHORITY")"
        cp "$XAUTHORITY" "$root$XAUTHORITY"
      fi
    fi
    # Without its debugger a program that crashes ends at once instead of waiting for the timeout.
    # This shell stays the first process of the namespace, so that it reaps what wine leaves.
    status=0
    chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root WINEPREFIX=/root/.wine \
      WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" \
      DISPLAY="${DISPLAY:-}" XAUTHORITY="${XAUTHORITY:-}" \
      bash -c "
        cd \"\$0\" 2>/dev/null || cd /root
        if [ -z \"\$DISPLAY\" ]; then
          Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
          for _ in \$(seq 1 100); do [ -S /tmp/.X11-unix/X99 ] && break; sleep 0.05; done
          export DISPLAY=:99
        fi
        exec wine \"\$@\"" "$workdir" "$@" || status=$?
    exit $status
  ' run-i686 "$image" "$stage" "$PWD" "$checkout" "$program_folder" "$@"
