#!/usr/bin/env bash
# The Debian package on this machine: built with cpack, checked with lintian,
# installed with apt-get, run as nobody and as root (who could write /usr
# and must not), then removed. Only as root on Debian; skipped (77) otherwise.
set -euo pipefail
build=$(cd "$1" && pwd)
[ "$(id -u)" = 0 ] && command -v apt-get > /dev/null || { echo "SALTATO: serve root su Debian (installa e rimuove zelora)"; exit 77; }
! dpkg-query -W -f='${Status}' zelora 2> /dev/null | grep -q "ok installed" || { echo "SALTATO: zelora è già installato qui"; exit 77; }
errore() { echo "ERRORE: $*" >&2; exit 1; }
lavoro=$(mktemp -d)
trap 'apt-get remove -y -qq zelora > /dev/null 2>&1 || true; rm -rf "$lavoro"' EXIT
chmod 755 "$lavoro"

(cd "$build" && cpack -G DEB -B "$lavoro/deb" > "$lavoro/log") || { cat "$lavoro/log"; errore "cpack"; }
deb=$(ls "$lavoro"/deb/zelora_*.deb)
dpkg-deb -f "$deb" Depends | tee /dev/stderr | grep -q "fonts-liberation2.*libqt6widgets6" || errore "dipendenze"
if command -v lintian > /dev/null; then # its warnings: the Windows-1252 content, by design
  lintian --fail-on error "$deb" > "$lavoro/lintian" 2>&1 || { cat "$lavoro/lintian"; errore "lintian"; }
  grep -v national-encoding "$lavoro/lintian" || true
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$lavoro/log" || { cat "$lavoro/log"; errore "apt-get install"; }
dpkg -L zelora > "$lavoro/file"
for f in bin/zelora-verifica share/zelora/Suoni/win.wav share/applications/io.github.zelora.Zelora.desktop \
         share/metainfo/io.github.zelora.Zelora.metainfo.xml share/icons/hicolor/48x48/apps/io.github.zelora.Zelora.png; do
  [ -e "/usr/$f" ] || errore "non installato: /usr/$f"
done
zelora-verifica > /dev/null || errore "zelora-verifica sui contenuti installati"

touch "$lavoro/prima"
verifica() { # user, expected records folder, options
  local utente=$1 schede=$2 uscita casa="$lavoro/casa-$1-$RANDOM"
  shift 2
  mkdir -p "$casa" "$lavoro/classe" && chown "$utente" "$casa" "$lavoro/classe"
  uscita=$(runuser -u "$utente" -- env HOME="$casa" XDG_DATA_HOME="$casa/dati" zelora --verifica-avvio "$@") || errore "verifica come $utente"
  echo "$uscita"
  [[ $uscita == *"contenuti in /usr/share/zelora; schede personali in ${schede/CASA/$casa}" ]] || errore "cartelle sbagliate"
  [ "$(stat -c %U "${schede/CASA/$casa}/Nomi")" = "$utente" ] || errore "cartella delle schede di $utente"
  [ -z "$(find /usr/bin /usr/share/zelora /usr/share/doc/zelora -newer "$lavoro/prima")" ] || errore "scritto sotto /usr"
}
verifica nobody "CASA/dati/zelora/Schede personali"
verifica root "CASA/dati/zelora/Schede personali"
verifica nobody "$lavoro/classe" --schede "$lavoro/classe"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelora > "$lavoro/log" || errore "apt-get remove"
while IFS= read -r f; do [ -d "$f" ] || [ ! -e "$f" ] || errore "rimasto: $f"; done < "$lavoro/file"
[ ! -e /usr/share/zelora ] || errore "rimasta /usr/share/zelora"
echo "pacchetto: costruito, installato, verificato come nobody e root, rimosso"
