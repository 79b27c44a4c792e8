#!/usr/bin/env bash
# Cross-builds Rune Check List for 64-bit Windows with Debian's mingw-w64
# compiler, runs its tests under Wine and packs the portable zip. Called by
# `./quickstart.sh windows`, which installs the Debian packages first.
#
# Debian ships no Qt for Windows, so a minimal one (shared, release, only what
# the program uses) is built once from Debian's own qt6-base source, together
# with GoogleTest, into a cache outside the repository:
#   ${RCL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-~/.cache}/runechecklist-windows}/<Qt version>-<key>
# The key is a hash of Debian's Qt version, the compiler, the toolchain file
# and the flags below; change any of them and the next run builds a new one.
. "$(dirname "${BASH_SOURCE[0]}")/virtualscreen.sh"
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

toolchain=$here/packaging/windows/mingw-w64-x86_64.cmake
target=x86_64-w64-mingw32
cxx=$target-g++-posix

# Everything the program does not use is off; the libraries Debian has no
# MinGW build of come from Qt's own copies. INPUT_opengl=no, because
# FEATURE_opengl=OFF alone leaves dynamic OpenGL on; DirectWrite goes with
# Direct2D, or 6.4's Windows platform plugin does not link; Debian's source has
# no tablet headers.
qt_flags=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_vulkan=OFF
    -DINPUT_opengl=no
    -DFEATURE_direct2d=OFF
    -DFEATURE_directwrite=OFF
    -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_testlib=ON
)

# The host Qt runs moc, rcc and uic; it must be the same version.
qt_deb_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${qt_deb_version%%+*}
gtest_deb_version=$(dpkg-query -W -f='${Version}' googletest)
key=$({
    printf '%s\n' "$qt_deb_version" "$gtest_deb_version" "$($cxx -dumpfullversion)" "${qt_flags[@]}"
    cat "$toolchain"
} | sha256sum | cut -c1-12)
cache_root=${RCL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/runechecklist-windows}
cache=$cache_root/$qt_version-$key
qt=$cache/qt
gtest=$cache/googletest

# `apt-get source` needs deb-src entries for the suites the system uses. Debian
# 12 keeps them in deb822 form (sources.list.d/*.sources) on some machines and
# in the one-line form (sources.list) on others; copy Debian's or Ubuntu's own
# entries as deb-src into a file of ours, leaving the others alone.
add_deb_src() {
    if apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package:'; then
        return
    fi
    local tmp
    tmp=$(mktemp)
    local file=/etc/apt/sources.list.d/runechecklist-deb-src.sources
    local sources=(/etc/apt/sources.list.d/*.sources)
    if [ -e "${sources[0]}" ]; then
        awk '
            function flush() {
                if (stanza != "" && types ~ /(^| )deb( |$)/ && uris ~ /\/(debian|ubuntu)/ && enabled != "no")
                    printf "%s\n", stanza
                stanza = ""; types = ""; uris = ""; enabled = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            {
                line = $0
                if (tolower($1) == "types:") { types = " " substr($0, index($0, ":") + 1) " "; line = "Types: deb-src" }
                if (tolower($1) == "uris:") uris = $0
                if (tolower($1) == "enabled:") enabled = tolower($2)
                stanza = stanza line "\n"
            }
            END { flush() }
        ' "${sources[@]}" >"$tmp"
    fi
    if [ ! -s "$tmp" ] && [ -e /etc/apt/sources.list ]; then
        file=/etc/apt/sources.list.d/runechecklist-deb-src.list
        sed -n -E 's/^[[:space:]]*deb[[:space:]]+(.*\/(debian|debian-security|ubuntu)[/[:space:]].*)$/deb-src \1/p' /etc/apt/sources.list >"$tmp"
    fi
    if [ ! -s "$tmp" ]; then
        rm -f "$tmp"
        echo "No Debian or Ubuntu entry in the apt sources to add a deb-src line for; add one for qt6-base." >&2
        exit 1
    fi
    echo "Adding source entries to $file"
    "${sudo[@]}" install -m 644 "$tmp" "$file"
    rm -f "$tmp"
    "${sudo[@]}" apt-get update -qq
}

build_qt() {
    add_deb_src
    local work=$cache/work
    rm -rf "$qt" "$work"
    mkdir -p "$work"
    # The toolchain file is kept beside the Qt it built: Qt's own toolchain
    # file loads it from there, also after this checkout is gone.
    cp "$toolchain" "$cache/mingw-w64-x86_64.cmake"
    (cd "$work" && apt-get source -qq "qt6-base=$qt_deb_version")
    local src
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    echo "Building Qt $qt_version for Windows into $qt (half an hour or more on two cores)"
    local start=$SECONDS
    cmake -S "$src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64-x86_64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${qt_flags[@]}" >"$work/configure.log"
    nice -n 10 cmake --build "$work/build" >"$work/build.log" || {
        tail -n 40 "$work/build.log" >&2
        exit 1
    }
    cmake --install "$work/build" >/dev/null
    collect_qt_licenses "$src"
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) minutes"
    rm -rf "$work"
    touch "$qt/.complete"
}

# Qt's licence texts and those of the libraries it bundles, with a note on
# where its source comes from and how it was built; the zip ships them.
qt_3rdparty=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4c pcre2 pixman rfc6234 sha3 tinycbor zlib)
collect_qt_licenses() {
    local src=$1
    local licenses=$qt/licenses
    rm -rf "$licenses"
    mkdir -p "$licenses/3rdparty"
    cp "$src"/LICENSES/LGPL-3.0-only.txt "$src"/LICENSES/GPL-3.0-only.txt "$src"/LICENSES/GPL-2.0-only.txt \
        "$src"/LICENSES/Qt-GPL-exception-1.0.txt "$licenses/"
    local name file
    for name in "${qt_3rdparty[@]}"; do
        [ -d "$src/src/3rdparty/$name" ] || continue
        mkdir -p "$licenses/3rdparty/$name"
        for file in "$src/src/3rdparty/$name"/{LICENSE,LICENCE,COPYING}* "$src/src/3rdparty/$name"/*-LICENSE.txt \
            "$src/src/3rdparty/$name"/qt_attribution.json; do
            [ -f "$file" ] && cp "$file" "$licenses/3rdparty/$name/"
        done
    done
    cat >"$licenses/README.txt" <<NOTE
Rune Check List uses the Qt $qt_version libraries (Qt6Core.dll, Qt6Gui.dll,
Qt6Widgets.dll and the plugins in the platforms, styles and imageformats
folders) under the GNU Lesser General Public License version 3
(LGPL-3.0-only.txt, which builds on GPL-3.0-only.txt). The 3rdparty folder
holds the licences of the libraries that Qt bundles into them.

They were built unchanged from Debian's source package qt6-base
$qt_deb_version (apt-get source qt6-base=$qt_deb_version), with the
mingw-w64 compiler and these CMake options:
$(printf '  %s\n' "${qt_flags[@]}")
You may replace these DLLs with your own build of Qt $qt_version: the program
loads them from its own folder.
NOTE
    touch "$licenses/.complete"
}

# A Qt built before its licences were kept takes them from the source again.
add_qt_licenses() {
    add_deb_src
    local work=$cache/work-licenses
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq "qt6-base=$qt_deb_version" >/dev/null)
    collect_qt_licenses "$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
    rm -rf "$work"
}

build_googletest() {
    local work=$cache/work-googletest
    rm -rf "$gtest" "$work"
    cmake -S /usr/src/googletest -B "$work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$gtest" \
        -DBUILD_GMOCK=OFF >/dev/null
    nice -n 10 cmake --build "$work" >/dev/null
    cmake --install "$work" >/dev/null
    rm -rf "$work"
    touch "$gtest/.complete"
}

# One run at a time fills a cache; a second waits for it and then reuses it.
mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9
if [ ! -e "$qt/.complete" ]; then
    build_qt
fi
if [ ! -e "$qt/licenses/.complete" ]; then
    add_qt_licenses
fi
if [ ! -e "$gtest/.complete" ]; then
    build_googletest
fi
flock -u 9

# Wine in a prefix of the build folder's own, quiet, without asking to
# install Mono or Gecko; the tests find the Qt and compiler runtime DLLs
# through WINEPATH, the zip has them beside the program.
build=$here/build-windows
mkdir -p "$build"
export WINEPREFIX=$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
runtime_dir=$(dirname "$($cxx -print-file-name=libstdc++-6.dll)")
winepath=
for dir in "$qt/bin" "$runtime_dir" "/usr/$target/lib"; do
    winepath+="Z:${dir//\//\\};"
done
export WINEPATH=$winepath
if [ ! -e "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi
# Qt's offscreen platform on Windows takes its fonts from one folder: the
# window tests get the free fonts with the metrics of Times New Roman, Arial
# and MS Gothic that they use on Linux. Wine passes no QT_ variable on from
# Linux, so the folder is set in the prefix's user environment.
fonts=$build/fonts
mkdir -p "$fonts"
ln -sf /usr/share/fonts/truetype/liberation/Liberation{Sans,Serif}-*.ttf \
    /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$fonts/"
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "Z:${fonts//\//\\}" /f >/dev/null 2>&1
wineserver --wait

# A virtual screen for the one test on the Windows platform, and one Wine
# server for the test discovery and all the tests. Its device services start
# here, away from ctest: they would hold the output pipe of the first test
# that started them, and ctest would wait for it to close.
xvfb_pid=
cleanup() {
    wineserver --kill 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
start_virtual_screen 1024x768x24 "$build"
wineserver --persistent
wine cmd /c exit </dev/null >/dev/null 2>&1

start=$SECONDS
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release \
    -DRCL_WARNINGS_AS_ERRORS=ON \
    -DGTest_DIR="$gtest/lib/cmake/GTest" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" >/dev/null
nice -n 10 cmake --build "$build"
echo "Built for Windows in $((SECONDS - start)) s"

# The tests, under Wine: ctest runs each through the emulator.
start=$SECONDS
status=0
ctest --test-dir "$build" --output-on-failure --timeout 300 || status=$?
echo "Tests under Wine took $((SECONDS - start)) s"
cleanup
trap - EXIT

rm -f "$build"/RuneCheckList-*-windows-x64.zip
(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(ls "$build"/RuneCheckList-*-windows-x64.zip)
tools/check_windows_zip.sh "$zip"
echo "Windows zip: $zip ($(du -h "$zip" | cut -f1))"
exit $status
