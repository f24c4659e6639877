#!/usr/bin/env bash
# Lists the main window's controls as a screen reader sees them (AT-SPI), under Xvfb.
# Needs: xvfb xauth at-spi2-core python3-pyatspi dbus-x11. Run after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$(pwd)
cat > /tmp/vimbral-accessibilite.sh <<FIN
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
eval \$(dbus-launch --sh-syntax)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
"$racine/build/src/vimbral" &
sleep 7
/usr/bin/python3 "$racine/scripts/accessibilite.py"
pkill -f "$racine/build/src/vimbral" || true
pkill -f at-spi || true
kill \$DBUS_SESSION_BUS_PID
FIN
xvfb-run -a -s "-screen 0 1280x1024x24" bash /tmp/vimbral-accessibilite.sh
