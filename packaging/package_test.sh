#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a temporary root
# and starts the unpacked program there with an empty home, as a pupil's first start.
#   package_test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/matematyka6_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    grep -q "$need" <<<"$depends" || fail "the package does not depend on $need"
done
dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr
for f in bin/matematyka6 bin/matematyka6-report share/applications/matematyka6-report.desktop \
         share/icons/hicolor/64x64/apps/matematyka6-report.png lib/matematyka6/matematyka6-datagen share/applications/matematyka6.desktop \
         share/icons/hicolor/48x48/apps/matematyka6.png share/icons/hicolor/256x256/apps/matematyka6.png; do
    [ -e "$root/$f" ] || fail "missing from the package: $f"
done
desktop-file-validate "$root/share/applications/matematyka6.desktop"
desktop-file-validate "$root/share/applications/matematyka6-report.desktop"

export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/home" "$work/elsewhere"
cd "$work/elsewhere"
# First start from the desktop menu: the pupil's own data folder is rendered.
env -u XDG_DATA_HOME HOME="$work/home" "$root/bin/matematyka6" --quit-when-shown
data=$work/home/.local/share/matematyka6
[ -f "$data/sova4.bmp" ] || fail "no pictures in $data"
[ -f "$data/stat.txt" ] && [ ! -s "$data/stat.txt" ] || fail "no empty results log in $data"
[ -f "$data/n9/t1v1.txt" ] || fail "no task files in $data"

# A class folder given with --data; a second start keeps the lines already there.
printf 'line of a pupil\r\n' >"$work/class-stat"
"$root/bin/matematyka6" --data "$work/class" --quit-when-shown
[ -f "$work/class/GTM/stat.txt" ] || fail "--data folder not rendered"
cp "$work/class-stat" "$work/class/stat.txt"
rm "$work/class/.matematyka6-data"   # as if rendered by another version
"$root/bin/matematyka6" --data "$work/class" --quit-when-shown
cmp -s "$work/class-stat" "$work/class/stat.txt" || fail "a rerender changed an existing log"

# A folder that cannot be made gives a message and no program.
touch "$work/file"
if "$root/bin/matematyka6" --data "$work/file/data" --quit-when-shown 2>"$work/err"; then
    fail "started without a data folder"
fi
grep -q "не можна записувати" "$work/err" || fail "no clear message: $(cat "$work/err")"
echo "package OK: $(basename "$deb")"
