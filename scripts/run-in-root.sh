#!/usr/bin/env bash
# Runs a command in a throw-away overlay of a Debian root that a make-*-root.sh script built, in
# private mount, process and network namespaces, and exits with the command's status.
#   run-in-root.sh ROOT FOLDER COMMAND [ARGUMENTS]...
# FOLDER appears at its own path inside; whatever else the command writes goes away with the run,
# and several runs can go side by side.
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: run-in-root.sh ROOT FOLDER COMMAND [ARGUMENTS]..." >&2; exit 2; }
root=$1
folder=$(cd "$2" && pwd)
shift 2
if [ ! -e "$root/.velora-ready" ]; then
  echo "run-in-root.sh: there is no root at $root (scripts/setup.sh builds it)" >&2
  exit 125
fi
# Each run mounts its own scratch space on this folder, inside its own mount namespace.
stage=$root.run
mkdir -p "$stage"
exec unshare --mount --pid --net --fork --kill-child --propagation private bash -euo pipefail -c '
  root=$1 stage=$2 folder=$3
  shift 3
  mount -t tmpfs tmpfs "$stage"
  mkdir "$stage/upper" "$stage/work" "$stage/root"
  mount -t overlay overlay -o "lowerdir=$root,upperdir=$stage/upper,workdir=$stage/work" "$stage/root"
  mount -t proc proc "$stage/root/proc"
  mount --rbind /dev "$stage/root/dev"
  mkdir -p "$stage/root$folder"
  mount --bind "$folder" "$stage/root$folder"
  exec chroot "$stage/root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 "$@"
' run-in-root "$root" "$stage" "$folder" "$@"
