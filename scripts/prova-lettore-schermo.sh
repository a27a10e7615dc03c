#!/usr/bin/env bash
# Checks once, with a real accessibility client, what a screen reader finds in
# the built program: a private X server (Xvfb), a private session bus with the
# accessibility bus, the program in a throwaway copy of build/app, pyatspi to
# read and press, xdotool for real double-clicks. Exits 77 when a tool is missing.
#   apt-get install xvfb xdotool python3-pyatspi
#   bash scripts/prova-lettore-schermo.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for comando in Xvfb xdotool dbus-run-session; do
  command -v "$comando" >/dev/null || { echo "manca $comando (apt-get install xvfb xdotool dbus)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "manca python3-pyatspi"; exit 77; }
[ -x build/app/zelora ] || { echo "manca build/app/zelora: compilare prima"; exit 77; }
exec dbus-run-session -- /usr/bin/python3 scripts/lettore_schermo.py build/app 2> >(grep -v '^dbus-daemon\|^SpiRegistry' >&2)
