#!/usr/bin/env bash
# Checks the Windows zip as a user unpacks it: one program folder with the
# program, the Qt and compiler runtime DLLs, the plugins, the example files and
# the licences; then the unpacked program started under Wine on a virtual
# screen, with no path to any DLL outside its folder: it must make its save
# folder and lock beside itself, and save group 1 when its window is closed.
#
#   tools/check_windows_zip.sh RuneCheckList-<version>-windows-x64.zip
. "$(dirname "${BASH_SOURCE[0]}")/virtualscreen.sh"
set -euo pipefail

zip=${1:?usage: $0 ZIP}

fail() {
    echo "check_windows_zip: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    wineserver --kill 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

unzip -q "$zip" -d "$scratch"
top=$(basename "$zip" .zip)
folder=$scratch/$top
[ -d "$folder" ] || fail "no top folder $top"
for file in runechecklist.exe rune.dat runename.dat rune_ja.dat runename_ja.dat SOURCES.md README.md LICENSE \
    Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
    platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qgif.dll \
    licenses/qt/LGPL-3.0-only.txt licenses/qt/README.txt; do
    [ -f "$folder/$file" ] || fail "$file is missing"
done
[ ! -e "$folder/save" ] || fail "the zip holds a save folder"

start_virtual_screen 1024x768x24 "$scratch"

(cd "$folder" && exec env -u WINEPATH -u QT_QPA_PLATFORM -u QT_PLUGIN_PATH wine runechecklist.exe) &
app_pid=$!
for _ in $(seq 600); do
    [ -e "$folder/save/runechecklist.lock" ] && break
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended at start"
    sleep 0.1
done
[ -e "$folder/save/runechecklist.lock" ] || fail "the program made no save folder and lock within a minute"
# Closing the window (WM_CLOSE, as the close button sends) saves the group.
sleep 2
wine taskkill /im runechecklist.exe >/dev/null 2>&1 || true
for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not close"
wait "$app_pid" || fail "the program exited with $?"
[ "$(grep -c . "$folder/save/rune1.sav" 2>/dev/null)" = 33 ] || fail "closing the window did not save group 1"
[ ! -e "$folder/save/runechecklist.lock" ] || fail "the lock outlived the program"
echo "check_windows_zip: $(basename "$zip") is whole and runs portable under Wine"
