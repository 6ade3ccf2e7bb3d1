# Sourced by the scripts that run a program in an X server of their own:
#   start_own_display WIDTHxHEIGHT [LOG]
# starts Xvfb, sets xvfb_pid and exports DISPLAY. Xvfb takes the first free display itself and
# writes its number to the descriptor given, so parallel runs and leftovers of earlier ones never
# collide. Fails, with Xvfb's log when one is given, if no display comes within 30 seconds.
start_own_display() {
    local size=$1 log=${2:-/dev/null} display_fd display_number
    exec {display_fd}<> <(:)
    Xvfb -displayfd "$display_fd" -screen 0 "${size}x24" -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    if ! read -r -t 30 -u "$display_fd" display_number; then
        echo "Xvfb did not start" >&2
        [ "$log" = /dev/null ] || cat "$log" >&2
        return 1
    fi
    exec {display_fd}<&-
    export DISPLAY=":$display_number"
}
