# Shared by scripts/run and scripts/test: installing what is missing and
# building into build/. Sourced, not executed.

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build_dir="${CALC_BUILD_DIR:-$repo_root/build}"

# What building and running the programs needs on Debian 12: the toolkit
# and its German texts (the fields' context menu), the image readers and
# their format libraries, and the X11 connection for desktop activation.
run_packages=(
    cmake g++ make pkg-config qt6-base-dev libxcb1-dev fonts-liberation qt6-translations-l10n
    qt6-image-formats-plugins libjpeg-dev libpng-dev libgif-dev libexiv2-dev libseccomp-dev
    libheif-dev libraw-dev libstb-dev
)
# A virtual X server for machines without a graphical session; xvfb-run
# needs xauth.
virtual_display_packages=(xvfb xauth)
# What the tests, benchmarks and fuzzing add; FFmpeg reads the test videos
# (and is what Aspekto asks for videos), exiv2 writes test metadata, gdbus
# hands Aspekto a file over D-Bus.
test_packages=(
    libgtest-dev libbenchmark-dev
    "${virtual_display_packages[@]}" openbox x11-utils x11-xserver-utils xdotool xclip imagemagick
    desktop-file-utils appstream dpkg-dev fakeroot at-spi2-core dbus-daemon python3-pyatspi
    libglib2.0-bin
    clang libclang-rt-14-dev valgrind ffmpeg exiv2 libheif-examples libimage-exiftool-perl
    python3-tifffile
)
required_packages=("${run_packages[@]}" "${test_packages[@]}")

say() { printf '%s\n' "$*" >&2; }

# missing_packages PACKAGE...: prints those that are not installed yet. Asks
# only the local package database, so a complete machine needs no network.
missing_packages() {
    local p status
    for p in "$@"; do
        status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
        [[ "$status" == "install ok installed" ]] || printf '%s\n' "$p"
    done
}

# ensure_packages [PACKAGE...]: installs those missing, by default all that
# the build and the tests need.
ensure_packages() {
    local -a wanted=("$@")
    ((${#wanted[@]} > 0)) || wanted=("${required_packages[@]}")
    if ! command -v dpkg-query >/dev/null 2>&1; then
        say "This machine has no dpkg; install these packages by hand: ${wanted[*]}"
        return 0
    fi
    local missing
    mapfile -t missing < <(missing_packages "${wanted[@]}")
    ((${#missing[@]} == 0)) && return 0

    local -a as_root=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null 2>&1; then
            say "Missing packages: ${missing[*]}"
            say "Run this script as root, or install sudo, or install them by hand."
            return 1
        fi
        as_root=(sudo)
    fi
    say "Installing missing packages: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_build [extra cmake arguments...]
configure_build() {
    # Configure once; later runs rebuild incrementally.
    if [[ ! -f "$build_dir/CMakeCache.txt" || $# -gt 0 ]]; then
        cmake -S "$repo_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
}

# configure_with_tests: the tests, benchmarks and fuzz targets included, also
# in a build folder that scripts/run configured without them.
configure_with_tests() {
    if grep -q '^BUILD_TESTING:BOOL=OFF$' "$build_dir/CMakeCache.txt" 2>/dev/null; then
        configure_build -DBUILD_TESTING=ON -DCALC_BENCH=ON -DCALC_FUZZ=ON
    else
        configure_build
    fi
}

# build_targets [target...]: builds everything when no target is named.
build_targets() {
    local -a targets=()
    local t
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$build_dir" "${targets[@]}" -j"$(nproc)"
}
