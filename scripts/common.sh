# Shared by the set-up scripts: the packages the project needs, and how to build it.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What the project needs is read from debian/control by Debian's own tools: its Build-Depends
# build the program (the nocheck build profile leaves out what only the tests need), and the
# package's Depends and Recommends run it. Listed here is only what no build of the package uses:
# the tools of the benchmarks and of the test command.
benchmark_tools=(
    libbenchmark-dev                           # the engine benchmarks
    pkg-config libxcb1-dev                     # the start-up and key-latency timers
)
test_tools=(
    "${benchmark_tools[@]}"                    # the test command builds the benchmarks too
    weston                                     # a headless Wayland compositor for the window test
    lintian devscripts                         # check the package, with hardening-check
    clang libclang-rt-dev                      # the fuzzers: the release's clang and its libFuzzer
    llvm                                       # llvm-symbolizer names the sanitizers' frames in Qt
)

# Prints the packages that the package's Depends and Recommends in debian/control name, one a
# line (the first of alternatives), without the substitution variables that its build fills in.
run_dependencies() {
    awk '/^#/ { next }
        /^[^ \t]/ { field = $1; sub(/^[^:]*:/, "") }
        field == "Depends:" || field == "Recommends:" { print }' "$repo_root/debian/control" |
        tr ',' '\n' | grep -v '\${' | awk 'NF { sub(/:.*/, "", $1); print $1 }'
}

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

# Runs apt-get as root, through sudo for a user; the package lists are updated before the first
# installation.
apt_get_install() {
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    if [ -z "${package_lists_updated:-}" ]; then
        "${sudo[@]}" apt-get update -qq
        package_lists_updated=1
    fi
    # Through env, as sudo does not pass the caller's environment on.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq --no-install-recommends
}

# Installs those of the given packages that are missing; runs no apt-get when none is.
install_missing_packages() {
    local missing
    find_missing_packages "$@"
    if ((${#missing[@]} > 0)); then
        echo "Installing: ${missing[*]}"
        apt_get_install install "${missing[@]}"
    fi
}

# Installs what is missing of what building the program needs, as debian/control's Build-Depends
# say with the given build profiles (comma-separated; "" for none, which includes what the tests
# need). dpkg-checkbuilddeps checks it first, so that no apt-get runs when nothing is missing.
install_build_dependencies() {
    local profile_option=() unmet=
    if [ -n "$1" ]; then
        profile_option=(-P "$1")
    fi
    if ! command -v dpkg-checkbuilddeps >/dev/null ||
        ! unmet=$(dpkg-checkbuilddeps "${profile_option[@]}" "$repo_root/debian/control" 2>&1); then
        echo "Installing the build dependencies that debian/control names${unmet:+: ${unmet##*: }}"
        apt_get_install build-dep "${profile_option[@]}" "$repo_root"
    fi
}

# Installs what is missing of what building the program needs with the given build profiles, of
# what running it needs, and of the given packages.
install_project_packages() {
    install_build_dependencies "$1"
    shift
    local packages
    mapfile -t packages < <(run_dependencies)
    install_missing_packages "${packages[@]}" "$@"
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
    install_project_packages nocheck "${benchmark_tools[@]}"
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
