#!/usr/bin/env bash
# Checks the Windows build of build.sh under wine (build.sh runs it at its end):
#   1. the unit tests, cross-built, each a wine process with the offscreen platform;
#   2. the installer: a silent install into a fresh wine prefix; the installed
#      program under Xvfb with the windows platform opens test 1 from the menus and
#      marks it, and stat.txt gets one line of the right bytes; the report opens
#      that folder; the silent uninstall leaves stat.txt;
#   3. the portable zip: unpacked as on a USB stick and started from elsewhere,
#      it keeps its results in its own folder.
# Screenshots go to build-windows/: wine-main-menu.png, wine-marked-test1.png, wine-report.png.
#   packaging/windows/check.sh [tests|installer|portable]…   (all three by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
cache=${M6_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/matematyka6-windows}
out=$repo/build-windows
version=$(sed -n 's/^project(matematyka6 VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(tests installer portable)

export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their install would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Tests left out under wine, each with its reason.
excluded=(
    "DataFolder.APartBeginningWithAColonStaysInTheDataFolder  a Windows file name cannot hold \":\", so the file it reads cannot be made"
)

xvfb_pid=
prefixes=()
cleanup() {
    for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A fresh or kept wine prefix. "persistent" keeps its wineserver up meanwhile,
# so that the many short wine processes of the tests start quickly; without it
# "wineserver -w" waits for what was started (an installer) to end.
use_prefix() {
    export WINEPREFIX=$1
    if [ "${2:-keep}" = fresh ]; then rm -rf "$WINEPREFIX"; fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        # Windows has Times New Roman and Arial; wine stands their metric twins in.
        local key='HKCU\Software\Wine\Fonts\Replacements'
        wine reg add "$key" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
        wine reg add "$key" /v "Arial" /d "Liberation Sans" /f >/dev/null 2>&1
        wineserver -w
    fi
    prefixes+=("$WINEPREFIX")
    if [ "${3:-}" = persistent ]; then wineserver -p 2>/dev/null || true; fi  # or already up
}

start_display() {
    [ -n "$xvfb_pid" ] && return
    local n=87
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && return; sleep 0.1; done
    fail "Xvfb did not start"
}

# Waits up to $2 seconds for a visible window named exactly $1; prints its id.
wait_window() {
    local name=$1 seconds=${2:-60} id
    for _ in $(seq $((seconds * 4))); do
        id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | tail -1 || true)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.25
    done
    return 1
}

# Presses the screen's first button in the keyboard's order: the scroll area of
# the page holds the focus first, the first control is one Tab away.
press_first_button() {
    local window=$1
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.5
    xdotool key --window "$window" Tab
    sleep 0.3
    xdotool key --window "$window" space
}

# Presses "Перевірка" of a paper: the keyboard's order ends with the judging
# button and then the return button, so it is two Shift+Tabs away.
press_check_button() {
    local window=$1
    xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.5
    xdotool key --window "$window" shift+Tab
    sleep 0.3
    xdotool key --window "$window" shift+Tab
    sleep 0.3
    xdotool key --window "$window" space
}

shot() { import -display "$DISPLAY" -window root "$out/$1"; echo "screenshot: $out/$1"; }

# The line test 1 writes, checked byte by byte: Windows-1251, one CR LF at the end,
# "Ваpіант" with the Latin p (0x70) between 0xE0 and 0xB3.
check_test1_log() {
    local log=$1 lines
    [ -f "$log" ] || fail "no $log"
    lines=$(LC_ALL=C grep -c $'\r$' "$log" || true)
    [ "$(LC_ALL=C tr -cd '\n' <"$log" | wc -c)" = 1 ] && [ "$lines" = 1 ] || {
        od -c "$log" | head; fail "$log does not hold one CR LF line"; }
    LC_ALL=C grep -q $'^\xe4\xe0\xf2\xe0 [0-9][0-9]\\.[0-9][0-9]\\.20[0-9][0-9] \xf7\xe0\xf1 \xef\xee\xf7\xe0\xf2\xea\xf3 [0-9]\\{1,2\\}:[0-9][0-9]:[0-9][0-9] \xef\xee\xec\xe8\xeb\xee\xea [0-9]\\{1,3\\}% \xf7\xe0\xf1 \xe2\xe8\xea\xee\xed\xe0\xed\xed\xff [0-9]\\+ c \xca\\.\xf0\\.\xb91 \xc2\xe0p\xb3\xe0\xed\xf2 \xb9 + \r$' "$log" || {
        od -c "$log" | head -20; fail "the line in $log is not test 1's line in Windows-1251"; }
    pass "$(iconv -f WINDOWS-1251 -t UTF-8 "$log" | tr -d '\r')"
}

# Opens test 1 from the menus, marks it and leaves the program on the marked paper.
mark_test1() {
    local shots=$1 w
    w=$(wait_window Form1 240) || fail "the main menu did not appear"
    sleep 2
    [ "$shots" = yes ] && shot wine-main-menu.png
    press_first_button "$w"           # "Контрольні роботи"
    w=$(wait_window Form2 30) || fail "the tests menu did not open"
    sleep 1
    press_first_button "$w"           # "Контрольна робота №1"
    w=$(wait_window Form3 30) || fail "test 1 did not open"
    sleep 1
    press_check_button "$w"           # "Перевірка"
    sleep 2
    [ "$shots" = yes ] && shot wine-marked-test1.png
    return 0
}

run_tests() {
    echo "== unit tests under wine"
    use_prefix "$out/wine/tests" keep persistent
    local path
    path="$(winepath -w "$cache/qt/bin");$(winepath -w /usr/lib/gcc/x86_64-w64-mingw32/12-posix)"
    path="$path;$(winepath -w /usr/x86_64-w64-mingw32/lib)"
    export WINEPATH=$path
    local filter=()
    if [ ${#excluded[@]} -gt 0 ]; then
        local names=()
        for e in "${excluded[@]}"; do names+=("${e%% *}"); done
        filter=(-E "^($(IFS='|'; echo "${names[*]}"))\$")
        echo "left out under wine:"
        printf '  %s\n' "${excluded[@]}"
    fi
    # One at a time: the tests' folders hard-link the rendered pictures, and on
    # Windows a program deleting one link of a file (a test folder going away)
    # keeps every other program from opening the file that moment, since Qt opens
    # files without FILE_SHARE_DELETE.
    (cd "$out/build" && ctest -j1 --timeout 600 --output-on-failure "${filter[@]}")
    unset WINEPATH
}

run_installer() {
    echo "== the installer in a fresh wine prefix"
    local installer=$out/Matematyka6-Setup-$version.exe
    [ -f "$installer" ] || fail "no $installer: run build.sh"
    use_prefix "$out/wine/install" fresh
    start_display
    wine "$installer" /S
    wineserver -w
    local c=$WINEPREFIX/drive_c
    local inst="$c/Program Files/Matematyka6"
    for f in bin/matematyka6.exe bin/matematyka6-report.exe bin/matematyka6-datagen.exe bin/Qt6Core.dll \
             bin/platforms/qwindows.dll share/matematyka6/sova4.bmp share/matematyka6/n9/t1v1.txt uninstall.exe; do
        [ -f "$inst/$f" ] || fail "not installed: $f"
    done
    local menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    [ -f "$menu/Математика 6.lnk" ] && [ -f "$menu/Математика 6 — результати.lnk" ] || {
        ls -la "$menu"; fail "no Start-menu shortcuts"; }
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Matematyka6' /v UninstallString \
        >/dev/null 2>&1 || fail "not in Programs and Features"
    pass "installed silently to Program Files, with shortcuts and the uninstaller registered"

    # The first start, as from the shortcut (it starts in the bin folder): the
    # pupil's data folder under %APPDATA% gets the empty logs only; the pictures
    # and task files are read from the install folder.
    local user data
    user=$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r')
    data="$c/users/$user/AppData/Roaming/matematyka6"
    (cd "$inst/bin" && exec wine matematyka6.exe) &
    local program=$!
    mark_test1 yes
    check_test1_log "$data/stat.txt"
    [ -f "$data/vch/stat.txt" ] && [ ! -e "$data/sova4.bmp" ] || { ls "$data"; fail "$data is not a folder of logs"; }
    wineserver -k; wait "$program" 2>/dev/null || true
    use_prefix "$WINEPREFIX"

    # The report, with no folder given, reads the pupil's own; its CSV export shows
    # it read the line.
    (cd "$inst/bin" && exec wine matematyka6-report.exe) &
    local report=$! w
    w=$(wait_window "Математика 6 — результати" 60) || fail "the report did not open"
    sleep 2
    shot wine-report.png
    wineserver -k; wait "$report" 2>/dev/null || true
    use_prefix "$WINEPREFIX"
    pass "the report opened on $data"

    cp "$data/stat.txt" "$out/wine/stat-before-uninstall.txt"
    wine "$inst/uninstall.exe" /S
    wineserver -w
    [ ! -e "$inst/bin/matematyka6.exe" ] || fail "the uninstaller left the program"
    [ ! -e "$menu/Математика 6.lnk" ] || fail "the uninstaller left the shortcut"
    ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Matematyka6' >/dev/null 2>&1 ||
        fail "still in Programs and Features"
    cmp -s "$data/stat.txt" "$out/wine/stat-before-uninstall.txt" || fail "the uninstaller touched $data/stat.txt"
    pass "uninstalled silently; $data/stat.txt kept"
}

run_portable() {
    echo "== the portable zip, as on a USB stick"
    local zip=$out/Matematyka6-$version-portable.zip
    [ -f "$zip" ] || fail "no $zip: run build.sh"
    use_prefix "$out/wine/install"
    start_display
    local stick=$WINEPREFIX/drive_c/usb
    rm -rf "$stick"
    mkdir -p "$stick"
    (cd "$stick" && unzip -q "$zip")
    local folder=$stick/Matematyka6
    [ -f "$folder/stat.txt" ] && [ ! -s "$folder/stat.txt" ] || fail "the zip holds no empty stat.txt"
    # Started from another folder: the program's own folder is the data folder.
    (cd "$out" && exec wine "$(winepath -w "$folder/matematyka6.exe")") &
    local program=$!
    mark_test1 no
    check_test1_log "$folder/stat.txt"
    wineserver -k; wait "$program" 2>/dev/null || true
    pass "the portable copy keeps its results beside it"
}

for part in "${parts[@]}"; do
    case $part in
        tests) run_tests ;;
        installer) run_installer ;;
        portable) run_portable ;;
        *) fail "unknown part $part" ;;
    esac
done
echo "== Windows checks passed"
