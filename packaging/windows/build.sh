#!/usr/bin/env bash
# The program and the teacher's report for Windows, made on a Debian 12 machine
# from Debian's packages only, and checked under wine:
#   packaging/windows/build.sh
# leaves in build-windows/
#   Matematyka6-Setup-<version>.exe      the installer (NSIS; /S installs silently)
#   Matematyka6-<version>-portable.zip   one folder: the programs with their data, for a USB stick
# Installs what it needs with apt. Qt for Windows is cross-built once into a cache
# that later runs reuse: $M6_WINDOWS_CACHE, by default
# ${XDG_CACHE_HOME:-~/.cache}/matematyka6-windows. Ends with check.sh (M6_NO_CHECK=1 skips it).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
cache=${M6_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/matematyka6-windows}
out=$repo/build-windows
jobs=${M6_JOBS:-$(nproc)}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$repo}
version=$(sed -n 's/^project(matematyka6 VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")
started=$(date +%s)
step() { echo "== $* ($(($(date +%s) - started)) s)"; }

cd "$repo"
source scripts/lib/setup.sh
packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine wine64 nsis icoutils zip
           xdotool imagemagick ccache unzip)
install_missing_packages
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
mkdir -p "$out" "$cache"

step "Qt for Windows"
"$here/qt.sh" "$cache/qt"

step "GoogleTest for Windows"
if [ ! -f "$cache/gtest/lib/libgtest.a" ]; then
    cmake -S /usr/src/googletest -B "$cache/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$cache/gtest" >/dev/null
    nice cmake --build "$cache/gtest-build" --parallel "$jobs" >/dev/null
    cmake --install "$cache/gtest-build" >/dev/null
    rm -rf "$cache/gtest-build"
fi

step "The renderer for this machine"
# The data and the icons are rendered here, by the same code the Windows renderer runs.
cmake -S . -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
nice cmake --build "$out/host" --parallel "$jobs" --target datagen >/dev/null
render() { QT_QPA_PLATFORM=offscreen "$out/host/datagen" "$@" >/dev/null; }

step "Icons"
rm -rf "$out/icons"
render --icons "$out/icons/png"
for name in matematyka6 matematyka6-report; do
    pngs=()
    for size in 16 24 32 48 64; do
        f=$out/icons/png/hicolor/${size}x${size}/apps/$name.png
        [ -f "$f" ] && pngs+=("$f")
    done
    icotool -c -o "$out/icons/$name.ico" "${pngs[@]}" -r "$out/icons/png/hicolor/256x256/apps/$name.png"
done

step "The programs and their tests for Windows"
cmake -S . -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" -DCMAKE_PREFIX_PATH="$cache/qt;$cache/gtest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DM6_HOST_DATAGEN="$out/host/datagen" \
    -DM6_WINDOWS_ICONS="$out/icons" >/dev/null
nice cmake --build "$out/build" --parallel "$jobs"

step "Deploying the DLLs and plugins"
stage=$out/stage
rm -rf "$stage"
cmake --install "$out/build" --prefix "$stage" >/dev/null
bin=$stage/bin
mingw_dirs=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll; do
    mkdir -p "$bin/$(dirname "$plugin")"
    cp "$cache/qt/plugins/$plugin" "$bin/$plugin"
done
# Every DLL any program or plugin imports, found among Qt's and MinGW's (the
# system's own, KERNEL32.dll and the like, are found in neither), until none is missing.
while :; do
    added=0
    while IFS= read -r dll; do
        [ -e "$bin/$dll" ] && continue
        for dir in "$cache/qt/bin" "${mingw_dirs[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$bin/$dll"
                added=1
                break
            fi
        done
    done < <(find "$bin" -iname '*.exe' -o -iname '*.dll' | xargs x86_64-w64-mingw32-objdump -p |
             sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u)
    [ $added = 1 ] || break
done
find "$bin" -iname '*.exe' -o -iname '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
cp "$out/icons/matematyka6.ico" "$out/icons/matematyka6-report.ico" "$bin/"

step "The portable copy's data folder"
# The installer carries the content in share\matematyka6 (the build rendered it);
# the portable copy is one whole data folder, content and empty logs together.
rm -rf "$out/portable-data"
render "$out/portable-data"

step "Installer"
installer=$out/Matematyka6-Setup-$version.exe
# The uninstaller removes what the installer laid down, file by file, and never
# a folder with anything else in it (a data folder someone kept there).
{
    (cd "$stage" && find . -type f | sed 's|^\./||' | sort) | while IFS= read -r f; do
        printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"
    done
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | while IFS= read -r d; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"
    done
} >"$out/uninstall-files.nsh"
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$installer" -DICONS="$out/icons" \
    -DUNINSTALL_FILES="$out/uninstall-files.nsh" -DSIZE_KB="$size_kb" "$here/installer.nsi"

step "Portable zip"
# The working-folder mode: the folder holding stat.txt is the data folder, so
# the programs, their DLLs and the data sit in one folder, results beside them.
portable=$out/portable/Matematyka6
rm -rf "$out/portable"
mkdir -p "$portable"
cp -r "$bin/." "$portable/"
cp -r "$out/portable-data/." "$portable/"
zip=$out/Matematyka6-$version-portable.zip
rm -f "$zip"
(cd "$out/portable" && zip -qr -9 "$zip" Matematyka6)

step "Made"
ls -l "$installer" "$zip"
if [ "${M6_NO_CHECK:-0}" != 1 ]; then
    "$here/check.sh"
fi
step "Done"
