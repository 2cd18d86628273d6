# What the scripts share: the Debian packages the suite needs to build, run
# and test (installed when missing), its builds, and a private home for tests.
# Sourced by scripts/run, scripts/test, scripts/sanitize and scripts/fuzz.

ORVALIS_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
    libxcb1-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth x11-utils xdotool dbus dbus-x11 faketime poppler-utils imagemagick python3
    fonts-dejavu-core fonts-liberation qt6-translations-l10n
    weston qt6-wayland trayer
    desktop-file-utils appstream man-db
    cups-daemon cups-client cups-filters printer-driver-cups-pdf
)

# What scripts/package needs beside the build: CPack's DEB generator reads
# the binaries' libraries with file and dpkg-shlibdeps; lintian checks it.
ORVALIS_PACKAGING_PACKAGES=(dpkg-dev file lintian)

# The sanitizer build of the logic tests and the fuzz targets: clang with
# its sanitizer and libFuzzer runtimes.
ORVALIS_SANITIZER_PACKAGES=(clang libclang-rt-14-dev)

orvalis_install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
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

orvalis_install_deps() {
    orvalis_install_packages "${ORVALIS_PACKAGES[@]}"
}

orvalis_build() {
    local build_dir="$1"
    cmake -S "$ORVALIS_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build_dir" --parallel "$(nproc)"
}

# The build where AddressSanitizer and UndefinedBehaviorSanitizer end a
# program at its first fault, with the fuzz targets; only `target` is built.
orvalis_build_sanitized() {
    local build_dir="$1" target="$2"
    orvalis_install_packages "${ORVALIS_PACKAGES[@]}" "${ORVALIS_SANITIZER_PACKAGES[@]}"
    cmake -S "$ORVALIS_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DORVALIS_SANITIZE=ON -DORVALIS_FUZZ=ON
    cmake --build "$build_dir" --parallel "$(nproc)" --target "$target"
}

# A private home, so that no user's store or logs are touched.
orvalis_use_private_home() {
    export HOME="$(mktemp -d)"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_RUNTIME_DIR="$HOME/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}
