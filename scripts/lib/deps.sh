# Installs the Debian packages the suite needs to build, run and test.
# Sourced by scripts/run and scripts/test; does nothing when all are present.

ORVALIS_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libxcb1-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth x11-utils dbus dbus-x11 faketime poppler-utils imagemagick python3
    fonts-dejavu-core fonts-liberation qt6-translations-l10n
    weston qt6-wayland trayer
)

orvalis_install_deps() {
    local missing=()
    local pkg
    for pkg in "${ORVALIS_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

orvalis_build() {
    local build_dir="$1"
    cmake -S "$ORVALIS_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build_dir" --parallel "$(nproc)"
}
