#!/usr/bin/env bash
# Start-up cost: the time from start until the first picture of the main menu
# reaches the screen, and the peak memory, of the built program against a
# bare Qt Widgets window that shows one label on the whole screen
# (tools/finestra-nuda.cpp, built the same way), on a private X server, in
# alternating runs. The first picture is the first image a program sends to
# the X server, caught by a small library preloaded into both. Prints each
# run, then the medians and the program's ratios to the bare window.
#   apt-get install xvfb x11-utils time
#   bash scripts/misura-avvio.sh [runs, 10 by default] [screen, 1024x768 by default]
set -euo pipefail
cd "$(dirname "$0")/.."
giri=${1:-10}
schermo=${2:-1024x768}
for comando in Xvfb xdpyinfo /usr/bin/time cc; do
  command -v "$comando" >/dev/null || { echo "manca $comando (apt-get install xvfb x11-utils time gcc)"; exit 77; }
done
cmake --build build --target zelora zelora-finestra-nuda -j2 >/dev/null
lavoro=$(mktemp -d)
numero=$(( 90 + RANDOM % 100 ))
Xvfb ":$numero" -screen 0 "${schermo}x24" -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$lavoro"' EXIT
export DISPLAY=":$numero"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The first image sent to the X server (Qt sends a window's picture with one
# of these) writes the time in milliseconds to $PRIMA_IMMAGINE; the real
# functions are in the libraries Qt's display plugin loaded.
cat > "$lavoro/prima.c" <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
typedef struct { unsigned int sequence; } biglietto;
static void segna(void)
{
    static int fatto;
    const char* file = getenv("PRIMA_IMMAGINE");
    FILE* f;
    struct timespec t;
    if (fatto || !file || !(f = fopen(file, "w")))
        return;
    fatto = 1;
    clock_gettime(CLOCK_REALTIME, &t);
    fprintf(f, "%lld\n", (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000);
    fclose(f);
}
#define IMMAGINE_SHM void* c, uint32_t d, uint32_t gc, uint16_t lt, uint16_t at, uint16_t xs, uint16_t ys, \
    uint16_t l, uint16_t a, int16_t x, int16_t y, uint8_t p, uint8_t f, uint8_t e, uint32_t s, uint32_t o
biglietto xcb_shm_put_image(IMMAGINE_SHM)
{
    biglietto (*vero)(IMMAGINE_SHM) = dlsym(dlopen("libxcb-shm.so.0", RTLD_LAZY | RTLD_NOLOAD), "xcb_shm_put_image");
    segna();
    return vero(c, d, gc, lt, at, xs, ys, l, a, x, y, p, f, e, s, o);
}
#define IMMAGINE void* c, uint8_t f, uint32_t d, uint32_t gc, uint16_t l, uint16_t a, int16_t x, int16_t y, \
    uint8_t m, uint8_t p, uint32_t n, const uint8_t* dati
biglietto xcb_put_image(IMMAGINE)
{
    biglietto (*vero)(IMMAGINE) = dlsym(dlopen("libxcb.so.1", RTLD_LAZY | RTLD_NOLOAD), "xcb_put_image");
    segna();
    return vero(c, f, d, gc, l, a, x, y, m, p, n, dati);
}
C
cc -O2 -shared -fPIC -o "$lavoro/prima.so" "$lavoro/prima.c" -ldl

# One run: milliseconds until the first picture, and peak KiB.
misura() {
  rm -f "$lavoro/prima"
  local inizio
  inizio=$(date +%s%3N)
  PRIMA_IMMAGINE="$lavoro/prima" LD_PRELOAD="$lavoro/prima.so" \
    /usr/bin/time -f %M -o "$lavoro/memoria" "$@" >/dev/null 2>&1 &
  local tempo=$!
  for _ in $(seq 500); do [ -s "$lavoro/prima" ] && break; sleep 0.01; done
  sleep 0.5
  kill "$(pgrep -P "$tempo")"
  wait "$tempo" || true
  echo "$(( $(cat "$lavoro/prima") - inizio )) $(tail -n 1 "$lavoro/memoria")"
}

for i in $(seq "$giri"); do
  read -r tz mz < <(misura build/app/zelora)
  read -r tn mn < <(misura build/misure/zelora-finestra-nuda)
  echo "giro $i: zelora $tz ms $((mz / 1024)) MiB, finestra nuda $tn ms $((mn / 1024)) MiB"
  echo "$tz $mz $tn $mn" >> "$lavoro/giri"
done
mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
tz=$(cut -d' ' -f1 "$lavoro/giri" | mediana); mz=$(cut -d' ' -f2 "$lavoro/giri" | mediana)
tn=$(cut -d' ' -f3 "$lavoro/giri" | mediana); mn=$(cut -d' ' -f4 "$lavoro/giri" | mediana)
awk -v tz="$tz" -v mz="$mz" -v tn="$tn" -v mn="$mn" 'BEGIN {
  printf "mediane: zelora %d ms %.1f MiB, finestra nuda %d ms %.1f MiB\n", tz, mz / 1024, tn, mn / 1024
  printf "rapporti: tempo %.2f, memoria %.2f\n", tz / tn, mz / mn }'
