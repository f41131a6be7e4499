#!/bin/bash
# Cross-builds the Qt modules the program and the report use (Core, Gui, Widgets,
# PrintSupport and the platform, style and image plugins) for 64-bit Windows from
# Debian's own source of Qt (the same 6.4.2 as the host's moc, rcc and uic, which
# the cross build runs), and installs them into $1. Nothing is done when $1
# already holds this configuration's build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
cache=$(dirname "$prefix")
jobs=${M6_JOBS:-$(nproc)}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Writes deb-src twins of the machine's enabled deb sources (both the one-line
# and the deb822 forms) into one file of our own.
add_deb_src() {
    local out=/etc/apt/sources.list.d/matematyka6-deb-src
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] || continue
        case $f in "$out".list) continue ;; esac
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f"
    done | $sudo tee "$out.list" >/dev/null
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        case $f in "$out".sources) continue ;; esac
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[[:space:]]*deb[[:space:]]*(\n|$)/ { sub(/Types:[[:space:]]*deb/, "Types: deb-src"); print }' "$f"
    done | $sudo tee "$out.sources" >/dev/null
}

qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Windows-1251 is our own table (src/core), so Qt needs no ICU.
    -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_freetype=ON -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    # The tablet code does not build with Debian's MinGW headers.
    -DFEATURE_tabletevent=OFF
    # No OpenGL: the program paints with the raster engine only. Direct2D stays:
    # the Windows print engine of PrintSupport needs it.
    -DINPUT_opengl=no
    # Modules nobody here uses.
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_testlib=OFF
)
stamp_text="qtbase $(printf '%s ' "${qt_options[@]}") $(md5sum "$here/mingw64.cmake" | cut -c1-32)"
if [ -f "$prefix/.m6-built" ] && [ "$(cat "$prefix/.m6-built")" = "$stamp_text" ]; then
    echo "Qt for Windows: $prefix (cached)"
    exit 0
fi

# Debian's source of qtbase; apt needs a deb-src line for the archive the machine uses.
src_parent=$cache/src
mkdir -p "$src_parent"
src=$(ls -d "$src_parent"/qt6-base-*/ 2>/dev/null | head -1 || true)
if [ -z "$src" ]; then
    if ! (cd "$src_parent" && apt-get source --only-source qt6-base); then
        echo "Adding deb-src lines for the archive in /etc/apt/sources.list.d/debian.sources"
        add_deb_src
        $sudo apt-get update -qq
        (cd "$src_parent" && apt-get source --only-source qt6-base)
    fi
    src=$(ls -d "$src_parent"/qt6-base-*/ | head -1)
fi

# The build folder survives an interrupted run (ninja goes on where it stopped)
# and is removed once Qt is installed.
build=$cache/qt-build
cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${qt_options[@]}"
nice cmake --build "$build" --parallel "$jobs"
rm -rf "$prefix"
cmake --install "$build"
printf '%s' "$stamp_text" > "$prefix/.m6-built"
rm -rf "$build"
echo "Qt for Windows: $prefix (built)"
