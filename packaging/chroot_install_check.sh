#!/usr/bin/env bash
# Installs a built matematyka6 .deb into a clean Debian 12 (bookworm) root made
# with debootstrap, and starts it there as a new user with an empty home.
# Needs root, debootstrap and network access; not run by CI.
#   sudo packaging/chroot_install_check.sh path/to/matematyka6_*.deb [root folder]
# MIRROR=... chooses the Debian mirror; KEEP_ROOT=1 leaves the root in place.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 <matematyka6_*.deb> [root folder]" >&2; exit 2; }
deb=$(readlink -f "$1")
root=${2:-$(mktemp -d /tmp/m6chroot.XXXXXX)}
[ -f "$deb" ] || { echo "no such file: $deb" >&2; exit 2; }
source "$(dirname "$0")/debian_root.sh"

fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
start=$(date +%s)
open_root
cp "$deb" "$root/tmp/"

echo "== apt install $(basename "$deb")"
in_root dpkg-query -W -f '${Package}\n' | sort >"$root/tmp/before"
in_root apt-get update -qq
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >"$root/tmp/apt.log" \
    || { tail -20 "$root/tmp/apt.log"; exit 1; }
in_root dpkg-query -W -f '${Package}\n' | sort >"$root/tmp/after"
echo "pulled in: $(comm -13 "$root/tmp/before" "$root/tmp/after" | tr '\n' ' ')"

echo "== first start as a new user"
in_root useradd -m pupil
in_root su pupil -c 'cd ~ && QT_QPA_PLATFORM=offscreen matematyka6 --quit-when-shown' \
    || fail "matematyka6 exited with $?"
data=$root/home/pupil/.local/share/matematyka6
content=$root/usr/share/matematyka6
[ -n "$(find "$content" -maxdepth 1 -name '*.bmp' -print -quit 2>/dev/null)" ] || fail "no pictures in $content"
[ -f "$content/n9/t1v1.txt" ] || fail "no n9/t1v1.txt in $content"
[ -f "$data/stat.txt" ] || fail "no stat.txt in $data"
[ -z "$(find "$data" -type f ! -name stat.txt ! -name .matematyka6-logs)" ] || fail "more than logs in $data"
echo "installed: $(find "$content" -name '*.bmp' | wc -l) pictures; the pupil's folder: $(find "$data" -name stat.txt | wc -l) stat.txt, $(du -sk "$data" | cut -f1) KB"

echo "== report window starts (killed after 5 s)"
rc=0
in_root su pupil -c 'QT_QPA_PLATFORM=offscreen timeout 5 matematyka6-report ~/.local/share/matematyka6' \
    >"$root/tmp/report.log" 2>&1 || rc=$?
[ "$rc" = 124 ] || [ "$rc" = 0 ] || { cat "$root/tmp/report.log"; fail "matematyka6-report exited with $rc"; }
for b in matematyka6 matematyka6-report lib/matematyka6/matematyka6-datagen; do
    f=/usr/bin/$b; [ "${b#lib/}" = "$b" ] || f=/usr/$b
    ! in_root ldd "$f" | grep 'not found' || fail "$f: missing libraries"
done

echo "== desktop-file-validate"
in_root apt-get install -y -q --no-install-recommends desktop-file-utils >/dev/null
for f in "$root"/usr/share/applications/matematyka6*.desktop; do
    in_root desktop-file-validate "/usr/share/applications/$(basename "$f")" || fail "$(basename "$f") invalid"
done

echo "== $(( $(date +%s) - start )) s, $fails failure(s)"
[ "$fails" = 0 ]
