# Sourced by scripts/run and scripts/test: installs the Debian packages that are
# missing, then configures and builds into the folder given as $1 with the
# CMake options that follow. The list is all a minimal Debian 12 root lacks
# (packaging/fresh_root_suite.sh proves it): `file` and dpkg-dev are what CPack
# needs to find the package's library dependencies; clang and its runtime
# libraries build the fuzz targets.
packages=(cmake ninja-build g++ file qt6-base-dev libgtest-dev fonts-liberation fontconfig xvfb xauth dpkg-dev desktop-file-utils clang libclang-rt-14-dev)

install_missing_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build_into() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}
