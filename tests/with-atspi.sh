#!/usr/bin/env bash
# Runs a test on X11 in a D-Bus session with the AT-SPI accessibility bus,
# the way a desktop with a screen reader runs the program.
set -euo pipefail
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null || true" EXIT
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"' bash "$@"
