# Shared by the set-up scripts: the packages the project needs, and how to build it.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program need on a fresh Debian 12, 13 or testing machine. No package name
# holds a version that changes between releases.
program_packages=(
    cmake ninja-build g++                # the build
    qt6-base-dev                         # the window (Qt 6 Widgets)
    qt6-tools-dev qt6-l10n-tools         # lupdate and lrelease build the translations into it
    qt6-translations-l10n                # Qt's own texts (the context menu) in the user's language
    qt6-wayland                          # runs natively on a Wayland session, as on X11
    fonts-liberation fonts-dejavu-core   # metric substitutes for the keys' fonts
)

# What building the Debian package needs besides: debian/control's build dependencies and
# Debian's packaging tools.
package_packages=(
    "${program_packages[@]}"
    qt6-svg-dev                                # renders the larger icons from their SVG
    build-essential debhelper                  # dpkg-buildpackage and debian/rules
)

# What the test command needs besides.
test_packages=(
    "${package_packages[@]}"
    qt6-base-private-dev                       # turns on accessibility in the window tests
    desktop-file-utils appstream lintian       # validate the desktop files and the package
    devscripts                                 # hardening-check, on the packaged program
    libgtest-dev libgmock-dev libbenchmark-dev # engine tests and benchmarks
    pkg-config                                 # finds xcb for the start-up benchmark
    weston                                     # a headless Wayland compositor for the window test
    locales                                    # the comma-decimal locale of the number-text test
    clang libclang-rt-dev                      # the fuzzers: the release's clang and its libFuzzer
    llvm                                       # llvm-symbolizer names the sanitizers' frames in Qt
)

# What the benchmarks and the soak need to build their programs: Qt Test for the driver and window
# tools, Google Benchmark, and xcb for the programs that watch a real window. The scripts that run
# under an X server add what they run there.
benchmark_packages=(
    "${program_packages[@]}"
    libbenchmark-dev                           # the engine benchmarks
    pkg-config libxcb1-dev                     # the start-up and key-latency timers
)

# Sets `missing` to those of the given packages that are not installed.
find_missing_packages() {
    missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
}

# Installs those of the given packages that are missing; runs no apt-get when none is.
install_missing_packages() {
    local missing
    find_missing_packages "$@"
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # Through env, as sudo does not pass the caller's environment on.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
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

# Sets `build` to the folder that a benchmark measures, with the given targets built there:
# BUILD_DIR as it is when it is set (a test that runs a benchmark names its own build, and nothing
# is installed or built then), else build/. A build/ that the test command configured keeps its
# configuration; a new one is configured with the benchmarks alone. Called in the script's own
# shell, not in $(...), where a failed build would go unnoticed and leave old programs measured.
use_benchmark_build() {
    if [ -n "${BUILD_DIR:-}" ]; then
        build=$BUILD_DIR
        return 0
    fi
    build=$repo_root/build
    install_missing_packages "${benchmark_packages[@]}"
    local options=(-DTALLOMAT_BENCHMARKS=ON) log
    if [ ! -f "$build/CMakeCache.txt" ]; then
        options+=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
            -DTALLOMAT_DESKTOP=OFF)
    fi
    log=$(mktemp)
    if ! cmake -S "$repo_root" -B "$build" "${options[@]}" >"$log" 2>&1 ||
        ! cmake --build "$build" --target "$@" >>"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "$(basename "$0"): the build in $build failed; nothing was measured" >&2
        exit 1
    fi
    rm -f "$log"
}

# Installs those of the given packages that a benchmark runs and that are missing; with BUILD_DIR
# set, installs nothing and stops the script naming those missing.
install_benchmark_tools() {
    if [ -z "${BUILD_DIR:-}" ]; then
        install_missing_packages "$@"
        return 0
    fi
    local missing
    find_missing_packages "$@"
    if ((${#missing[@]} > 0)); then
        echo "$(basename "$0"): with BUILD_DIR set nothing is installed; missing: ${missing[*]}" >&2
        exit 1
    fi
}

# The EXIT trap of the scripts that run programs under Xvfb with a work folder `work`: when the
# script fails, shows what its programs wrote into "$work/log", then stops Xvfb and removes the
# folder.
finish_under_xvfb() {
    local status=$?
    if ((status != 0)) && [ -s "$work/log" ]; then
        echo "$(basename "$0"): failed; its programs wrote:" >&2
        cat "$work/log" >&2
    fi
    stop_xvfb
    rm -rf "$work"
}

# Stops the script with a message when one of the given programs is not there to run.
require_programs() {
    local program
    for program in "$@"; do
        if [ ! -x "$program" ]; then
            echo "$(basename "$0"): $program is not built; nothing was measured" >&2
            exit 1
        fi
    done
}

# Sets `programs` to what the benchmarks compare, as built in the given folder: Simple Tallomat
# and the bare Qt window with the same widgets.
compared_programs() {
    declare -gA programs=(
        [tallomat]=$1/tallomat
        [bare]=$1/bench/startup/startup-bare-window
    )
}

# Runs the command until it succeeds, for at most the given seconds; with `--while-running PID`,
# gives up as soon as that process has ended (a server that failed to start). When it gives up, it
# says what it waited for and fails.
wait_for() {
    local seconds=$1 watched=
    shift
    if [ "${1:-}" = --while-running ]; then
        watched=$2
        shift 2
    fi
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if [ -n "$watched" ] && ! kill -0 "$watched" 2>/dev/null; then
            echo "$(basename "$0"): process $watched ended while waiting for: $*" >&2
            return 1
        fi
        if ((SECONDS >= deadline)); then
            echo "$(basename "$0"): waited $seconds s in vain for: $*" >&2
            return 1
        fi
        sleep 0.1
    done
}

# Starts Xvfb on a free display for the programs that this script starts next, which draw on it
# through Qt's X11 platform; stop_xvfb ends it. Stops the script with Xvfb's own words when it ends
# or has not given its display within 10 seconds.
start_xvfb() {
    local display_file log
    display_file=$(mktemp)
    log=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >"$log" 2>&1 &
    xvfb_pid=$!
    if ! wait_for 10 --while-running "$xvfb_pid" test -s "$display_file"; then
        echo "$(basename "$0"): Xvfb did not start:" >&2
        cat "$log" >&2
        rm -f "$display_file" "$log"
        exit 1
    fi
    export DISPLAY=:$(head -1 "$display_file") QT_QPA_PLATFORM=xcb
    rm -f "$display_file" "$log"
}

stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
