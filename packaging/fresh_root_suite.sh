#!/usr/bin/env bash
# Runs the README's two commands as a school's new machine meets them: a clean
# clone of this repository in a fresh minimal Debian 12 root (debootstrap
# --variant=minbase), scripts/test as root, then scripts/run to the main menu
# (offscreen, ended when shown). Needs root, debootstrap and network access;
# not run by CI, which is itself such a machine.
#   sudo packaging/fresh_root_suite.sh [root folder]
# MIRROR=... chooses the Debian mirror; KEEP_ROOT=1 leaves the root in place; a
# root folder that already holds a Debian root is reused (its clone is made anew).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-$(mktemp -d /tmp/m6fresh.XXXXXX)}
source "$repo/packaging/debian_root.sh"

start=$(date +%s)
open_root

echo "== a clean clone of $(git -C "$repo" rev-parse --short HEAD) into the root"
rm -rf "$root/root/matematyka6"
git clone -q --no-hardlinks "$repo" "$root/root/matematyka6"

echo "== scripts/test"
in_root bash -c 'cd /root/matematyka6 && scripts/test' || { echo "FAIL: scripts/test"; exit 1; }

echo "== scripts/run, offscreen, to the main menu"
in_root bash -c 'cd /root/matematyka6 && QT_QPA_PLATFORM=offscreen scripts/run --quit-when-shown' \
    || { echo "FAIL: scripts/run"; exit 1; }
echo "== both commands passed in $(( $(date +%s) - start )) s"
