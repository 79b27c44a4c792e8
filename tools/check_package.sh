#!/usr/bin/env bash
# Checks the packages that `cmake --build BUILD_DIR --target package` made, as
# a user's machine sees them:
#   the .deb     its files and dependencies, its desktop entry and metainfo
#                validated, then the unpacked program started once: it must
#                copy the rune word files into $XDG_DATA_HOME/runechecklist,
#                save there on SIGTERM and write nothing beside itself;
#   the .tar.gz  one program folder that runs portable: the counts go into
#                the save folder beside the program.
#
#   tools/check_package.sh build
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR}
id=io.github.runechecklist.RuneCheckList

fail() {
    echo "check_package: $*" >&2
    exit 1
}

shopt -s nullglob
debs=("$build"/runechecklist_*.deb)
archives=("$build"/runechecklist-*.tar.gz)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || fail "expected one runechecklist .deb in $build, found ${#debs[@]}"
[ ${#archives[@]} -eq 1 ] || fail "expected one runechecklist .tar.gz in $build, found ${#archives[@]}"
deb=${debs[0]}
archive=${archives[0]}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Starts a program with a home of its own on the offscreen platform, waits
# until its lock file appears, then ends it with SIGTERM, on which it saves
# the current group and exits 0.
run_once() {
    local program=$1 lock=$2 home=$3
    env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
        QT_QPA_PLATFORM=offscreen "$program" 2>"$home/stderr" &
    local pid=$! waited=0
    until [ -e "$lock" ]; do
        if ! kill -0 "$pid" 2>/dev/null; then
            cat "$home/stderr" >&2
            fail "$program ended before it took its lock $lock"
        fi
        [ $waited -lt 300 ] || fail "$program did not take its lock $lock in 30 s"
        sleep 0.1
        waited=$((waited + 1))
    done
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    [ $status -eq 0 ] || { cat "$home/stderr" >&2; fail "$program exited with $status after SIGTERM"; }
}

listing() {
    (cd "$1" && find . -printf '%M %s %T@ %p\n' | sort -k4)
}

new_home() {
    local home
    home=$(mktemp -d "$scratch/home.XXXXXX")
    mkdir -m 700 "$home/runtime"
    echo "$home"
}

# --- .deb ---------------------------------------------------------------------
[ "$(dpkg-deb -f "$deb" Package)" = runechecklist ] || fail "$deb: package name is not runechecklist"
files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
expected=(
    ./usr/bin/runechecklist
    ./usr/share/runechecklist/rune.dat
    ./usr/share/runechecklist/runename.dat
    ./usr/share/runechecklist/rune_ja.dat
    ./usr/share/runechecklist/runename_ja.dat
    "./usr/share/applications/$id.desktop"
    "./usr/share/metainfo/$id.metainfo.xml"
    ./usr/share/doc/runechecklist/copyright
    ./usr/share/doc/runechecklist/SOURCES.md
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$files" || fail "$deb: $path is missing"
done
if grep -v '^\./usr/' <<<"$files"; then
    fail "$deb: the files above are outside /usr"
fi

depends=$(dpkg-deb -f "$deb" Depends)
# Versions come from the libraries' shlibs, which dpkg-shlibdeps read.
for dependency in 'libqt6core6 (>= ' 'libqt6gui6 (>= ' 'libqt6widgets6 (>= ' fonts-ipafont-gothic fonts-liberation; do
    grep -qF "$dependency" <<<"$depends" || fail "$deb: Depends lacks '$dependency': $depends"
done

root=$scratch/deb
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

before=$(listing "$root")
home=$(new_home)
data=$home/data/runechecklist
run_once "$root/usr/bin/runechecklist" "$data/save/runechecklist.lock" "$home"
for name in rune.dat runename.dat rune_ja.dat runename_ja.dat; do
    cmp -s "$root/usr/share/runechecklist/$name" "$data/$name" || fail "$data/$name is not the packaged copy"
done
[ -f "$data/save/rune1.sav" ] || fail "$data/save/rune1.sav was not saved"
[ "$(listing "$root")" = "$before" ] || fail "the installed program wrote beside itself: $(diff <(echo "$before") <(listing "$root"))"
echo "check_package: $(basename "$deb") installs, starts, saves in $data and writes nothing beside itself"

# --- .tar.gz ------------------------------------------------------------------
unpacked=$scratch/portable
mkdir "$unpacked"
tar -xzf "$archive" -C "$unpacked"
tops=("$unpacked"/*)
[ ${#tops[@]} -eq 1 ] && [ -d "${tops[0]}" ] || fail "$archive: expected one top folder"
folder=${tops[0]}
[ "$(cd "$folder" && LC_ALL=C ls)" = "$(printf '%s\n' SOURCES.md rune.dat rune_ja.dat runechecklist runename.dat runename_ja.dat)" ] ||
    fail "$archive: expected runechecklist, rune.dat, runename.dat, their Japanese pair and SOURCES.md in $(basename "$folder")"

home=$(new_home)
run_once "$folder/runechecklist" "$folder/save/runechecklist.lock" "$home"
[ -f "$folder/save/rune1.sav" ] || fail "$folder/save/rune1.sav was not saved"
[ ! -e "$home/data/runechecklist" ] || fail "the portable program wrote into $home/data/runechecklist"
echo "check_package: $(basename "$archive") runs portable in $(basename "$folder")"
