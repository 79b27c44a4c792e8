#!/usr/bin/env bash
# Makes the README's pictures again: docs/main-window.png (the main window
# with the rune word band open and a rune word shown) and one picture of each
# tab of the Rune Planner, docs/planner-*.png, from the example rune word
# files and a few counts, on a virtual screen. Needs Xvfb, xdotool and
# ImageMagick's import. With --windows, the program of the Windows zip under
# Wine instead, and only the main window: docs/windows-wine.png.
#
#   tools/screenshots.sh [build folder]     (default: build)
#   tools/screenshots.sh --windows build-windows/RuneCheckList-<version>-windows-x64.zip
. "$(dirname "${BASH_SOURCE[0]}")/virtualscreen.sh"
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
windows_zip=
if [ "${1:-}" = --windows ]; then
    windows_zip=$(realpath "${2:?usage: $0 --windows ZIP}")
else
    build=${1:-$here/build}
    program=$build/runechecklist
    if [ ! -x "$program" ]; then
        echo "$program is missing: build the program first" >&2
        exit 1
    fi
fi
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is needed" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    if [ -n "$app_pid" ]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [ -n "$windows_zip" ]; then wineserver --kill 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A portable program folder: the program with the example files beside it,
# group 1 ("Main") holding enough runes for a dozen rune words and spare Ort
# for the cube, group 2 ("Mule") a few more, with Ral, Ort and Thul that the
# calculator cubes up together with group 1's.
if [ -n "$windows_zip" ]; then
    unzip -q "$windows_zip" -d "$work"
    folder=$work/$(basename "$windows_zip" .zip)
    mkdir -p "$folder/save"
    export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset WINEPATH
else
    folder=$work/program
    mkdir -p "$folder/save"
    cp "$program" "$here/data/rune.dat" "$here/data/runename.dat" "$folder/"
fi
counts() {
    local index
    for ((index = 0; index < 33; index++)); do
        printf ' %s \r\n' "${1:-0}"
        shift || true
    done
}
counts 2 0 3 1 2 1 2 2 4 0 1 1 >"$folder/save/rune1.sav"
counts 0 1 0 0 1 0 0 4 6 5 0 0 1 0 1 0 1 >"$folder/save/rune2.sav"
printf 'Main\r\nMule\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n' >"$folder/save/group.dat"
# A section that no list shows, with a rune number too high, for the data
# check to find.
printf '\r\n[Mirage]\r\nRuneNum=2\r\nRune1=8\r\nRune2=34\r\n' >>"$folder/rune.dat"

# A screen of its own, on the first free display number.
start_virtual_screen 1920x1080x24 "$work"
unset QT_QPA_PLATFORM
# Wine's desktop takes the screen it is started on.
if [ -n "$windows_zip" ]; then
    wineboot --init >/dev/null 2>&1
    wineserver --wait
fi

if [ -n "$windows_zip" ]; then
    (cd "$folder" && exec wine runechecklist.exe) &
else
    (cd "$folder" && exec ./runechecklist) &
fi
app_pid=$!
main=$(xdotool search --sync --onlyvisible --name '^Rune Check List')
xdotool windowfocus --sync "$main"
sleep 1

# Window coordinates in pixels: the layout's twips over 15. "Rune Word >>"
# stands at 3840, 4200 twips and is 1215 x 375; the list's first entry at
# 120, 5040.
xdotool mousemove --window "$main" 296 292 click 1
sleep 0.5
xdotool mousemove --window "$main" 40 346 click 1
sleep 0.5
xdotool mousemove --window "$main" 690 490
sleep 0.5
if [ -n "$windows_zip" ]; then
    import -window "$main" "$here/docs/windows-wine.png"
    echo "Wrote docs/windows-wine.png"
    exit 0
fi
import -window "$main" "$here/docs/main-window.png"

# The planner opens on its first tab, beside the main window; Ctrl+Tab goes
# on to the next tab.
xdotool windowfocus --sync "$main"
xdotool key ctrl+p
planner=$(xdotool search --sync --onlyvisible --name 'Rune Planner')
xdotool windowfocus --sync "$planner"
sleep 1
import -window "$planner" "$here/docs/planner-near-misses.png"

# Rune words: a search for the rune words of Thul, and Spirit starred from
# the keyboard and shown whole below the table. Tab goes from the search box
# over the nine controls of the filter bar to the table, where typing a name
# in its column finds the rune word.
xdotool key ctrl+Tab
sleep 0.5
xdotool key ctrl+f
xdotool type --delay 50 'thul'
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Home Right
xdotool type --delay 50 'Spirit'
xdotool key ctrl+d
sleep 0.5
import -window "$planner" "$here/docs/planner-rune-words.png"
xdotool key ctrl+f ctrl+a BackSpace

# Uses of Tal, and what it is made from and into; Alt+R finds the rune.
xdotool key ctrl+Tab
sleep 0.5
xdotool key alt+r
xdotool type --delay 50 'Tal'
sleep 0.5
import -window "$planner" "$here/docs/planner-uses.png"

# The upgrade calculator: two Sol by the counts of all groups together. Its
# controls are reached by their labels' keys: Alt+R, Alt+N and Alt+C.
xdotool key ctrl+Tab
sleep 0.5
xdotool key alt+r
xdotool type --delay 50 'Sol'
xdotool key alt+n ctrl+a
xdotool type --delay 50 '2'
xdotool key alt+c Down
sleep 0.5
import -window "$planner" "$here/docs/planner-calculator.png"

for tab in groups check; do
    xdotool key ctrl+Tab
    sleep 0.5
    import -window "$planner" "$here/docs/planner-$tab.png"
done
echo "Wrote docs/main-window.png and docs/planner-*.png"
