#!/usr/bin/env bash
# Runs inside `virtual_display.sh dbus-run-session`: starts the accessibility bus, the
# window in the variant's locale and scale, and the driver; the window is
# closed afterwards.
#   variant C      the C locale
#   variant zh_CN  the Chinese locale
#   variant small  the C locale at twice the scale on an 800 x 600 display
set -u
variant=$1
app=$2
driver=$3
locale=C.UTF-8
scale=1
case "$variant" in
zh_CN) locale=zh_CN.UTF-8 ;;
small) scale=2 ;;
esac
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
LC_ALL=$locale LANG=$locale QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$app" &
window=$!
VARIANT=$variant SCALE=$scale /usr/bin/python3 "$driver"
status=$?
kill "$window" "$bus" 2>/dev/null
wait 2>/dev/null
exit $status
