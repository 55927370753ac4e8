#!/usr/bin/env bash
# Benchmarks of the updater against reference tools, measured in the same run
# on the same data, printed as times and ratios (below 1 means the updater is
# faster):
#   whole program: Update.exe started with a real manifest against nginx until
#      the game program has started, against a plain Win32 floor program doing
#      the same work (blocking 64 KB reads, CryptoAPI MD5) and curl / md5sum:
#      one 200 MB file at limit_rate 50m and on raw loopback, and a no-op check
#      of an up-to-date 10,000-file installation (bench/update/whole_program.py)
#   engine only:
#   1. a 200 MB download from nginx on loopback against curl, raw and with
#      nginx limit_rate 50m
#   2. GetFileMD5 of a 500 MB file against md5sum
#   3. CompareManifest over an up-to-date 10,000-file installation: files per
#      second, and against md5sum over the same files
#   layout loading (native build, bench/layout):
#   1. the engine's JSON reader on a multi-megabyte layout against rapidjson's
#      DOM parse of the same bytes
#   2. ParseLayerJsonFile of a 2,000-widget screen, time per widget, against
#      rapidjson plus the same widgets made by code
#   render (a mode of its own, native build, bench/render): the game engine's
#      software renderer: frames per second of a 960 x 640 scene of 500 sprites
#      and 50 labels, and the fill rate of opaque and blended full-frame quads
#      against memcpy of the same bytes
# Usage: bash scripts/bench.sh [whole|engine|layout|render]   (whole, engine and
# layout by default; BENCH_ROUNDS=n rounds of the whole-program and render
# cases, 3 by default, and of the layout cases, 11 by default; BENCH_CASES="raw
# noop" measures only those whole-program cases (slow raw noop);
# BENCH_BUILD_DIR=dir picks another Windows build)
set -uo pipefail
part=${1:-all}
case $part in all|whole|engine|layout|render) ;; *) echo "usage: bench.sh [whole|engine|layout|render]" >&2; exit 2 ;; esac
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh || exit 1

# The renderer and the layout loader need no Wine: the native build.
if [ "$part" = render ]; then
  { [ -f build/native/build.ninja ] || cmake --preset native >/dev/null; } &&
    cmake --build build/native --target render_bench >/dev/null || { echo "bench: render build failed" >&2; exit 1; }
  exec build/native/bin/render_bench
fi
if [ "$part" = all ] || [ "$part" = layout ]; then
  { [ -f build/native/build.ninja ] || cmake --preset native >/dev/null; } &&
    cmake --build build/native --target layout_bench >/dev/null || { echo "bench: layout build failed" >&2; exit 1; }
  (cd build/native/bin && ./layout_bench "${BENCH_ROUNDS:-11}") || exit 1
  [ "$part" = layout ] && exit 0
fi
. scripts/lib/wine-env.sh
# The Windows build this machine can run (win64 where 32-bit code cannot).
preset=$(windows_run_build)
build=${BENCH_BUILD_DIR:-$root/build/$preset}
if [ ! -f "$build/build.ninja" ]; then
  if [ "$build" = "$root/build/$preset" ]; then
    cmake --preset "$preset" >/dev/null || exit 1
  else
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$([ "$preset" = win64 ] && echo x86_64 || echo i686).cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
  fi
fi
cmake --build "$build" --target update_bench Update update_window_game update_floor desktop_keeper || { echo "bench: build failed" >&2; exit 1; }

work="$build/bench-update"
peers="$work/peers"
bindir="$build/bin/bench/update_bench"
exe="$bindir/update_bench.exe"
mkdir -p "$work"

cleanup() {
  bash tests/support/peers/peers.sh stop "$peers" >/dev/null 2>&1
  wine_env_stop
  rm -rf "$peers/www/files/bench-200m.bin" "$work/md5-500m.bin" "$bindir/inst" "$work/Bench.ini" "$work/whole" \
    "$peers/www/files/bench-whole" "$peers/www/bench-whole"
}
trap cleanup EXIT

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
now() { date +%s.%N; }
calc() { python3 -c "print(format($1, '.3f'))"; }
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p"; }

bash tests/support/peers/peers.sh start "$peers" >/dev/null || exit 1
port=$(sed -n 's/^nginx=//p' "$peers/peers.ini")
wine_env_start "$build" >/dev/null || exit 1

if [ "$part" != engine ]; then
  python3 bench/update/whole_program.py "$build/bin" "$build/bin/bench/update_floor" "$peers" "$port" \
    "$work/whole" "${BENCH_ROUNDS:-3}" || exit 1
fi
[ "$part" = whole ] && exit 0

head -c 200M /dev/urandom >"$peers/www/files/bench-200m.bin"
size=$(stat -c %s "$peers/www/files/bench-200m.bin")
# The engine as on the target systems: ANSI code page 936.
engine() { LC_ALL=zh_CN.UTF-8 wine "$exe" "$@" 2>/dev/null | tr -d '\r'; }

echo "== download of 200 MB from nginx on 127.0.0.1 (best of 2 each)"
for kind in raw limit_rate; do
  path=/files/bench-200m.bin
  [ $kind = limit_rate ] && path=/slow/bench-200m.bin
  url="http://127.0.0.1:$port$path"
  best_curl=999999; best_engine=999999
  for round in 1 2; do
    t=$(curl -s -o /dev/null -w '%{time_total}' "$url")
    best_curl=$(python3 -c "print(min($best_curl, $t))")
    out=$(engine download "$url")
    got=$(echo "$out" | field bytes)
    [ "$got" = "$size" ] || { echo "bench: engine download got '$got' of $size bytes: $out" >&2; exit 1; }
    t=$(echo "$out" | field seconds)
    best_engine=$(python3 -c "print(min($best_engine, $t))")
  done
  echo "  $kind: engine $(calc "$best_engine") s ($(calc "$size / 1048576 / $best_engine") MB/s)," \
       "curl $(calc "$best_curl") s ($(calc "$size / 1048576 / $best_curl") MB/s)," \
       "ratio $(calc "$best_engine / $best_curl")"
done

echo "== MD5 of a 500 MB file"
head -c 500M /dev/urandom >"$work/md5-500m.bin"
cat "$work/md5-500m.bin" >/dev/null
t0=$(now); ref=$(md5sum "$work/md5-500m.bin" | cut -d' ' -f1); t1=$(now)
out=$(engine md5 "$(winpath "$work/md5-500m.bin")")
[ "$(echo "$out" | field digest)" = "$ref" ] || { echo "bench: digests differ: $out vs $ref" >&2; exit 1; }
engine=$(echo "$out" | field seconds)
echo "  engine $(calc "$engine") s ($(calc "500 / $engine") MB/s), md5sum $(calc "$t1 - $t0") s," \
     "ratio $(calc "$engine / ($t1 - $t0)")"

echo "== CompareManifest over an up-to-date installation of 10,000 files"
python3 bench/update/installation.py "$bindir" inst "$work/Bench.ini" || exit 1
t0=$(now); (cd "$bindir" && find inst -type f -print0 | xargs -0 md5sum >/dev/null); t1=$(now)
out=$(engine compare "$(winpath "$work/Bench.ini")")
[ "$(echo "$out" | field differs)" = 0 ] || { echo "bench: the installation did not compare equal: $out" >&2; exit 1; }
engine=$(echo "$out" | field seconds)
echo "  engine $(calc "$engine") s ($(calc "10000 / $engine") files/s), md5sum $(calc "$t1 - $t0") s" \
     "($(calc "10000 / ($t1 - $t0)") files/s), ratio $(calc "$engine / ($t1 - $t0)")"
