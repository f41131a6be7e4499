#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a temporary root
# and starts the unpacked program there with an empty home, as a pupil's first start.
# The installed content (pictures, task files) is made read-only and must come out
# of every run exactly as it went in.
#   package_test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
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
content=$root/share/matematyka6
for f in bin/matematyka6 bin/matematyka6-report share/applications/matematyka6-report.desktop \
         share/icons/hicolor/64x64/apps/matematyka6-report.png lib/matematyka6/matematyka6-datagen share/applications/matematyka6.desktop \
         share/icons/hicolor/48x48/apps/matematyka6.png share/icons/hicolor/256x256/apps/matematyka6.png \
         share/matematyka6/.matematyka6-data share/matematyka6/sova4.bmp share/matematyka6/kr/chdr2.bmp \
         share/matematyka6/n9/t1v1.txt share/matematyka6/n8/t1_v1.txt; do
    [ -e "$root/$f" ] || fail "missing from the package: $f"
done
[ -z "$(find "$content" -iname stat.txt)" ] || fail "the installed content holds logs"
desktop-file-validate "$root/share/applications/matematyka6.desktop"
desktop-file-validate "$root/share/applications/matematyka6-report.desktop"

# Read-only, as it is for a pupil; and fingerprinted, since root could write it anyway.
chmod -R a-w "$content"
fingerprint() { (cd "$content" && find . -printf '%p %s %T@ %m\n' | sort && find . -type f -print0 | sort -z | xargs -0 md5sum); }
fingerprint >"$work/content.before"

export QT_QPA_PLATFORM=offscreen
mkdir -p "$work/home" "$work/elsewhere"
cd "$work/elsewhere"
start() { env -u XDG_DATA_HOME HOME="$work/home" "$root/bin/matematyka6" "$@" --quit-when-shown; }
# First start from the desktop menu: the pupil's own folder gets the empty logs only,
# and the menus show the installed pictures (a picture that fails to load ends the check with 1).
start || fail "the first start did not come up clean"
data=$work/home/.local/share/matematyka6
[ -f "$data/stat.txt" ] && [ ! -s "$data/stat.txt" ] || fail "no empty results log in $data"
[ -f "$data/GTM/stat.txt" ] || fail "no GTM log in $data"
others=$(cd "$data" && find . -type f ! -name stat.txt ! -name .matematyka6-logs)
[ -z "$others" ] || fail "the data folder holds more than logs: $others"
size=$(du -sk "$data" | cut -f1)
[ "$size" -lt 1024 ] || fail "the new data folder takes ${size} KB"
echo "first start: $(find "$data" -name stat.txt | wc -l) logs, ${size} KB"
start || fail "the second start did not come up clean"

# The pupil's folder is read first: its own picture wins over the installed one, in any letters.
printf 'not a picture' >"$data/SOVA4.BMP"
if start 2>"$work/err"; then fail "the broken override in the data folder was not read"; fi
grep -qF "Cannot open file \"$data/SOVA4.BMP\". Bitmap image is not valid" "$work/err" || fail "override: $(cat "$work/err")"
cp "$content/kash2.bmp" "$data/SOVA4.BMP"
start || fail "a valid override in the data folder was refused"
rm "$data/SOVA4.BMP"

# Missing in both layers: the toolkit's message, naming the file in the data folder.
cp -r "$content" "$work/partial"
chmod -R u+w "$work/partial"
rm "$work/partial/p03.bmp"
if start --content "$work/partial" 2>"$work/err"; then fail "started without p03.bmp"; fi
grep -qF "Cannot open file \"$data/p03.bmp\". No such file or directory" "$work/err" || fail "missing: $(cat "$work/err")"

# A class folder given with --data, without installed content: rendered whole as before.
printf 'line of a pupil\r\n' >"$work/class-stat"
"$root/bin/matematyka6" --data "$work/class" --content "$work/none" --quit-when-shown
[ -f "$work/class/GTM/stat.txt" ] && [ -f "$work/class/sova4.bmp" ] || fail "--data folder not rendered"
cp "$work/class-stat" "$work/class/stat.txt"
# Rendered by an earlier version, and now beside installed content: used as it is, its files win.
printf 'Математика 6 1.0.0\n' >"$work/class/.matematyka6-data"
cp "$content/kash2.bmp" "$work/class/sova4.bmp"
before=$(md5sum "$work/class/sova4.bmp")
"$root/bin/matematyka6" --data "$work/class" --quit-when-shown || fail "an older class folder did not start"
cmp -s "$work/class-stat" "$work/class/stat.txt" || fail "an existing log was changed"
[ "$(md5sum "$work/class/sova4.bmp")" = "$before" ] || fail "the class folder's own picture was replaced"

# A folder that cannot be made gives a message and no program.
touch "$work/file"
if "$root/bin/matematyka6" --data "$work/file/data" --quit-when-shown 2>"$work/err"; then
    fail "started without a data folder"
fi
grep -q "не можна записувати" "$work/err" || fail "no clear message: $(cat "$work/err")"

fingerprint >"$work/content.after"
cmp -s "$work/content.before" "$work/content.after" || fail "the installed content was changed: $(diff "$work/content.before" "$work/content.after" | head)"
echo "package OK: $(basename "$deb")"
