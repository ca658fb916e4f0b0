# Shared by scripts/run and scripts/test: installing what is missing and
# building into build/. Sourced, not executed.

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build_dir="${CALC_BUILD_DIR:-$repo_root/build}"

# Everything the build and the tests need on Debian 12.
required_packages=(
    cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation
    xvfb openbox x11-utils x11-xserver-utils xdotool imagemagick
    desktop-file-utils appstream dpkg-dev fakeroot at-spi2-core python3-pyatspi
    qt6-translations-l10n clang libclang-rt-14-dev valgrind
)

say() { printf '%s\n' "$*" >&2; }

# Prints the packages that are not installed yet. Asks only the local package
# database, so a complete machine needs no network.
missing_packages() {
    local p status
    for p in "${required_packages[@]}"; do
        status="$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)"
        [[ "$status" == "install ok installed" ]] || printf '%s\n' "$p"
    done
}

ensure_packages() {
    if ! command -v dpkg-query >/dev/null 2>&1; then
        say "This machine has no dpkg; install these packages by hand: ${required_packages[*]}"
        return 0
    fi
    local missing
    mapfile -t missing < <(missing_packages)
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

# build_targets [target...]: builds everything when no target is named.
build_targets() {
    local -a targets=()
    local t
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$build_dir" "${targets[@]}" -j"$(nproc)"
}
