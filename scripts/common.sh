# Shared by the set-up scripts: the packages the project needs, and how to build it.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program need on a fresh Debian 12 machine.
program_packages=(
    cmake ninja-build g++                # the build
    qt6-base-dev                         # the window (Qt 6 Widgets)
    qt6-wayland                          # runs natively on a Wayland session, as on X11
    fonts-liberation fonts-dejavu-core   # metric substitutes for the keys' fonts
)

# What building the Debian package needs besides.
package_packages=(
    "${program_packages[@]}"
    qt6-svg-dev                                # renders the larger icons from their SVG
    dpkg-dev file                              # build the .deb (file: its computed dependencies)
)

# What the test command needs besides.
test_packages=(
    "${package_packages[@]}"
    qt6-base-private-dev                       # tells the test driver whether windows activate
    desktop-file-utils appstream lintian       # validate the desktop files and the package
    libgtest-dev libgmock-dev libbenchmark-dev # engine tests and benchmarks
    pkg-config                                 # finds xcb for the start-up benchmark
    weston                                     # a headless Wayland compositor for the window test
    locales                                    # the comma-decimal locale of the number-text test
    clang-14 libclang-rt-14-dev                # the fuzzers (libFuzzer)
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

# Configures build/ for the release build with everything (tests, benchmarks, desktop files)
# and builds it all.
build_project() {
    cmake -S "$repo_root" -B "$repo_root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=ON -DTALLOMAT_BENCHMARKS=ON -DTALLOMAT_DESKTOP=ON >/dev/null
    cmake --build "$repo_root/build"
}

# Builds the program alone in build/. A build/ that the test command configured is kept as it is;
# a new one is configured without tests, benchmarks and desktop files, which the program does not
# need.
build_program() {
    if [ ! -f "$repo_root/build/CMakeCache.txt" ]; then
        cmake -S "$repo_root" -B "$repo_root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBUILD_TESTING=OFF -DTALLOMAT_BENCHMARKS=OFF -DTALLOMAT_DESKTOP=OFF >/dev/null
    fi
    cmake --build "$repo_root/build" --target tallomat
}

# The build folder that a benchmark measures: BUILD_DIR when it is set, else build/, built first.
benchmark_build_dir() {
    if [ -z "${BUILD_DIR:-}" ]; then
        build_project >/dev/null
    fi
    echo "${BUILD_DIR:-$repo_root/build}"
}

# Sets `programs` to what the benchmarks compare, as built in the given folder: Simple Tallomat
# and the bare Qt window with the same widgets.
compared_programs() {
    declare -gA programs=(
        [tallomat]=$1/tallomat
        [bare]=$1/bench/startup/startup-bare-window
    )
}

# Starts Xvfb on a free display for the programs that this script starts next, which draw on it
# through Qt's X11 platform; stop_xvfb ends it.
start_xvfb() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    until [ -s "$display_file" ]; do sleep 0.05; done
    export DISPLAY=:$(head -1 "$display_file") QT_QPA_PLATFORM=xcb
    rm -f "$display_file"
}

stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
