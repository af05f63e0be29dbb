#!/usr/bin/env bash
# Runs inside `xvfb-run dbus-run-session`: starts the accessibility bus, the
# window in the C locale, and the driver; the window is closed afterwards.
set -u
app=$1
driver=$2
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$app" &
window=$!
/usr/bin/python3 "$driver"
status=$?
kill "$window" "$bus" 2>/dev/null
wait 2>/dev/null
exit $status
