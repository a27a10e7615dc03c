#!/usr/bin/env bash
# Screenshots to look at after changing a window: the main menu on the whole
# screen, an exercise of each way of answering, a record sheet and the class
# overview, drawn offscreen at 800 x 600 and 1920 x 1080 (or at the screen
# sizes given) into build/schermate/<size>/. They stay out of the repository.
#   bash scripts/schermate.sh [800x600 1920x1080 ...]
set -euo pipefail
cd "$(dirname "$0")/.."
misure=("$@")
[ ${#misure[@]} -gt 0 ] || misure=(800x600 1920x1080)
for misura in "${misure[@]}"; do
  cartella=$PWD/build/schermate/$misura
  mkdir -p "$cartella"
  echo "{\"screens\": [{\"name\": \"schermo\", \"width\": ${misura%x*}, \"height\": ${misura#*x}}]}" > "$cartella/schermo.json"
  QT_QPA_PLATFORM="offscreen:configfile=$cartella/schermo.json" build/app/zelora --schermata "$cartella"
  echo "$cartella"
done
