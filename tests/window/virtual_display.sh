#!/usr/bin/env bash
# Runs a command on a virtual X display of its own:
#   virtual_display.sh WIDTHxHEIGHTxDEPTH command [argument ...]
# The X server picks a free display number itself and reports it
# (-displayfd), so tests running side by side, or any other virtual display
# on the machine, can never be handed the same number; choosing a number
# first and starting the server after it leaves a window in which two runs
# pick the same one, and one of them then draws on the other's server.
# The server never resets (-noreset): by default it resets whenever its last
# client leaves, and a client that connects while it resets, as the window
# may just after the accessibility bus's launcher has looked at the display,
# is dropped before its connection is set up ("could not connect to display").
# On failure the server's own log is printed beside the test's.
set -u
screen=$1
shift
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
server=$!
exec 3>&-
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    echo "virtual_display.sh: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    kill "$server" 2>/dev/null
    rm -rf "$work"
    exit 1
fi
DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
export DISPLAY
"$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
if [ "$status" -ne 0 ]; then
    echo "virtual_display.sh: the X server on $DISPLAY said:" >&2
    cat "$work/xvfb.log" >&2
fi
rm -rf "$work"
exit $status
