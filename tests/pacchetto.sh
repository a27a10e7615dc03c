#!/usr/bin/env bash
# The Debian package on this machine: built from the build folder, checked
# with lintian, installed with apt-get, run as an ordinary user (nobody) and
# as root, then removed. It installs into /usr, so it runs only as root on
# Debian (CI does); elsewhere it is skipped (exit 77).
set -euo pipefail
build=$(cd "$1" && pwd)
salta() { echo "SALTATO: $1"; exit 77; }
[ "$(id -u)" = 0 ] || salta "serve root (il pacchetto si installa in /usr e poi si rimuove)"
[ -f /etc/debian_version ] && command -v apt-get > /dev/null || salta "serve Debian con apt-get"
if dpkg-query -W -f='${Status}' zelora 2> /dev/null | grep -q "install ok installed"; then
  salta "zelora è già installato su questa macchina: non lo tocco"
fi
errore() { echo "ERRORE: $*" >&2; exit 1; }

lavoro=$(mktemp -d)
installato=0
pulisci() {
  if [ "$installato" = 1 ]; then apt-get remove -y -qq zelora > /dev/null 2>&1 || true; fi
  rm -rf "$lavoro"
}
trap pulisci EXIT
chmod 755 "$lavoro"

echo "== cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$lavoro/deb" > "$lavoro/cpack.log") || { cat "$lavoro/cpack.log"; errore "cpack"; }
deb=$(ls "$lavoro"/deb/zelora_*.deb)
dpkg-deb -f "$deb" Package Version Section Depends
dpkg-deb -f "$deb" Depends | grep -q "fonts-liberation2" || errore "manca la dipendenza dai font"
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || errore "mancano le dipendenze dalle librerie"

if command -v lintian > /dev/null; then
  echo "== lintian"
  lintian --fail-on error "$deb"
else
  echo "lintian non c'è: controllo saltato"
fi

echo "== apt-get install"
installato=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$lavoro/apt.log" || { cat "$lavoro/apt.log"; errore "apt-get install"; }
dpkg -L zelora > "$lavoro/file"
for f in /usr/bin/zelora /usr/bin/zelora-verifica /usr/share/zelora/Esercizi/Nomi/ESERCIZIO\ 00.txt \
         /usr/share/zelora/Suoni/win.wav /usr/share/applications/io.github.zelora.Zelora.desktop \
         /usr/share/metainfo/io.github.zelora.Zelora.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/io.github.zelora.Zelora.svg \
         /usr/share/icons/hicolor/48x48/apps/io.github.zelora.Zelora.png /usr/share/man/man1/zelora.1.gz; do
  [ -e "$f" ] || errore "non installato: $f"
done
[ ! -e "/usr/share/zelora/Schede personali" ] || errore "il pacchetto contiene delle schede personali"
zelora-verifica > /dev/null || errore "zelora-verifica sui contenuti installati"

# Every run below must leave /usr as it is.
touch "$lavoro/prima"
sleep 1
nulla_in_usr() {
  local scritti
  scritti=$(find /usr/bin /usr/share/zelora /usr/share/doc/zelora -newer "$lavoro/prima" -print)
  [ -z "$scritti" ] || errore "scritto sotto /usr: $scritti"
}
verifica() { # user, home, expected records folder, options...
  local utente=$1 casa=$2 schede=$3
  shift 3
  mkdir -p "$casa"
  chown "$utente" "$casa"
  local uscita
  uscita=$(runuser -u "$utente" -- env HOME="$casa" XDG_DATA_HOME="$casa/dati" zelora --verifica-avvio "$@") ||
    errore "zelora --verifica-avvio come $utente"
  echo "$uscita"
  case "$uscita" in
    *"contenuti in /usr/share/zelora; schede personali in $schede") ;;
    *) errore "cartelle inattese per $utente: $uscita" ;;
  esac
  [ -d "$schede/Nomi" ] || errore "cartella delle schede non creata: $schede/Nomi"
  [ "$(stat -c %U "$schede/Nomi")" = "$utente" ] || errore "$schede/Nomi non è di $utente"
  nulla_in_usr
}
echo "== zelora --verifica-avvio"
verifica nobody "$lavoro/nobody" "$lavoro/nobody/dati/zelora/Schede personali"
# root could write /usr/bin, and still must not
verifica root "$lavoro/root" "$lavoro/root/dati/zelora/Schede personali"
mkdir -p "$lavoro/classe"
chown nobody "$lavoro/classe"
verifica nobody "$lavoro/nobody2" "$lavoro/classe" --schede "$lavoro/classe"

echo "== apt-get remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zelora > "$lavoro/apt.log" || { cat "$lavoro/apt.log"; errore "apt-get remove"; }
installato=0
while IFS= read -r f; do
  [ -d "$f" ] || [ ! -e "$f" ] || errore "rimasto dopo la rimozione: $f"
done < "$lavoro/file"
[ ! -e /usr/share/zelora ] || errore "rimasta /usr/share/zelora"
echo "pacchetto: tutto a posto"
