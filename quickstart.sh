#!/usr/bin/env bash
# Sets up, builds and then runs Rune Check List or its tests.
#
#   ./quickstart.sh run     install what is missing, build, open the window
#   ./quickstart.sh test    install what is missing, build, run every test headless:
#                           the tests, then the .deb and .tar.gz packages built
#                           and checked as a user's machine sees them, then the
#                           same tests in a clang build with address and
#                           undefined-behaviour sanitizers, with the fuzz targets
#                           replaying their corpus and fuzzing for
#                           RCL_FUZZ_SECONDS each (default 10)
#   ./quickstart.sh windows install what is missing, cross-build for 64-bit
#                           Windows (Qt for Windows is built once into a cache,
#                           RCL_WINDOWS_CACHE), run every test under Wine, and
#                           make the portable RuneCheckList-<version>-windows-x64.zip
#                           in build-windows (tools/windows.sh)
#
# Works as root and as a user with sudo; a second run skips what is done.
# `run` copies the program into RUNECHECKLIST_DIR (default ~/RuneCheckList), a
# portable program folder that no rebuild touches: its `save` folder holds the
# counts.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cd "$here"

mode=${1:-}
case "$mode" in
    run | test | windows) ;;
    *)
        echo "usage: $0 run|test|windows" >&2
        exit 2
        ;;
esac

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools
    libgtest-dev googletest libbenchmark-dev
    fonts-ipafont-gothic fonts-liberation
)
if [ "$mode" = test ]; then
    # dpkg-dev and file for the .deb's dependencies, the others to validate
    # its desktop entry and metainfo.
    packages+=(clang dpkg-dev file desktop-file-utils appstream)
fi

if [ "$mode" = windows ]; then
    # The mingw-w64 compiler, Wine and a virtual screen to test with, and
    # what `apt-get source` needs to fetch Qt's source.
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth zip unzip dpkg-dev xz-utils perl)
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
updated=no

apt_install() {
    if [ "$updated" = no ]; then
        "${sudo[@]}" apt-get update -qq
        updated=yes
    fi
    echo "Installing: $*"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        apt_install "${missing[@]}"
    fi
    # libFuzzer and the sanitizer runtimes come with clang's runtime package,
    # named after clang's version.
    if [ "$mode" = test ] && ! ls "$(clang -print-resource-dir)"/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
        local version
        version=$(clang -dumpversion | cut -d. -f1)
        apt_install "libclang-rt-$version-dev"
    fi
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRCL_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
    cmake --build "$dir"
}

install_missing

case "$mode" in
    run)
        program_dir=${RUNECHECKLIST_DIR:-$HOME/RuneCheckList}
        configure_and_build build
        mkdir -p "$program_dir"
        # Replaces the program file rather than writing into it, and never
        # overwrites the user's edited copies of the example files.
        install -m 755 build/runechecklist "$program_dir/runechecklist"
        for data_file in rune.dat runename.dat rune_ja.dat runename_ja.dat; do
            if [ ! -e "$program_dir/$data_file" ]; then
                cp "data/$data_file" "$program_dir/$data_file"
            fi
        done
        echo "Rune Check List is in $program_dir; the counts are in $program_dir/save."
        exec "$program_dir/runechecklist"
        ;;
    test)
        # A build folder that an older `run` configured installs into the
        # program folder; the packages need the standard layout.
        configure_and_build build -U 'CMAKE_INSTALL_*'
        ctest --test-dir build --output-on-failure
        rm -f build/runechecklist*.deb build/runechecklist*.tar.gz
        cmake --build build --target package
        tools/check_package.sh build
        configure_and_build build-sanitize -DCMAKE_CXX_COMPILER=clang++ \
            -DRCL_SANITIZE=ON -DRCL_FUZZ=ON -DRCL_BUILD_BENCH=OFF -DRCL_FUZZ_SECONDS="${RCL_FUZZ_SECONDS:-10}"
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            exec ctest --test-dir build-sanitize --output-on-failure
        ;;
    windows)
        exec tools/windows.sh
        ;;
esac
