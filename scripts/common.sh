# Shared by the set-up scripts: the packages the project needs, and how to build it.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building, running and testing need on a fresh Debian 12 machine.
required_packages=(
    cmake ninja-build g++ pkg-config           # the build
    qt6-base-dev                               # the window (Qt 6 Widgets, Qt Test)
    qt6-svg-dev                                # renders the larger icons from their SVG
    desktop-file-utils appstream dpkg-dev      # validate the desktop files; build the .deb
    libgtest-dev libgmock-dev libbenchmark-dev # engine tests and benchmarks
    fonts-liberation fonts-dejavu-core         # metric substitutes for the keys' fonts
    locales                                    # the comma-decimal locale of the number-text test
    clang-14 libclang-rt-14-dev                # the engine fuzzer (libFuzzer)
)

# Installs those of the given packages that are missing; runs no apt-get when none is.
install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures (once) and builds the release build in build/.
build_project() {
    cmake -S "$repo_root" -B "$repo_root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$repo_root/build"
}
