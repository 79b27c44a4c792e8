#!/usr/bin/env bash
# Sets up, builds and then runs Rune Check List or its tests.
#
#   ./quickstart.sh run        install what is missing, build, open the window
#   ./quickstart.sh test       install what is missing, build, run every test headless
#   ./quickstart.sh sanitize   the same tests in a build with address and
#                              undefined-behaviour sanitizers
#
# Works as root and as a user with sudo; a second run skips what is done.
# The program is installed into RUNECHECKLIST_DIR (default ~/RuneCheckList),
# a folder that no rebuild touches: its `save` folder holds the counts.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

mode=${1:-}
case "$mode" in
    run | test | sanitize) ;;
    *)
        echo "usage: $0 run|test|sanitize" >&2
        exit 2
        ;;
esac

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev googletest libbenchmark-dev
    fonts-ipafont-gothic fonts-liberation
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir"
}

install_missing

case "$mode" in
    run)
        program_dir=${RUNECHECKLIST_DIR:-$HOME/RuneCheckList}
        build build -DCMAKE_INSTALL_PREFIX="$program_dir" -DCMAKE_INSTALL_BINDIR=.
        cmake --install build >/dev/null
        echo "Rune Check List is in $program_dir; the counts are in $program_dir/save."
        exec "$program_dir/runechecklist"
        ;;
    test)
        build build
        exec ctest --test-dir build --output-on-failure
        ;;
    sanitize)
        build build-sanitize -DRCL_SANITIZE=ON -DRCL_BUILD_BENCH=OFF
        ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
            exec ctest --test-dir build-sanitize --output-on-failure
        ;;
esac
