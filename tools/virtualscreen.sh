# Sourced by the scripts that draw or run the program on a screen of their
# own. start_virtual_screen SIZE FOLDER starts Xvfb on the first free display
# number (written to FOLDER/display), keeps its process in xvfb_pid for the
# caller's cleanup to end, and exports DISPLAY.
start_virtual_screen() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$2/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$2/display" ] && break
        sleep 0.1
    done
    export DISPLAY=:$(cat "$2/display")
}
