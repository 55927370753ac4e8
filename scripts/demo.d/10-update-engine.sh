#!/usr/bin/env bash
# The update engine on its own, before its window: nginx on loopback serves a
# manifest and three files; the engine checks the manifest against a small
# installation, fetches what differs into place and says what it does.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build="${DEMO_BUILD_DIR:-${DEMO_WIN_BUILD:-$root/build/win32}}"
bindir="$build/bin/bench/update_bench"
exe="$bindir/update_bench.exe"
peers="$build/demo-update-peers"
[ -f "$exe" ] || cmake --build "$build" --target update_bench >/dev/null || exit 1

bash "$root/tests/support/peers/peers.sh" start "$peers" >/dev/null || exit 1
trap 'bash "$root/tests/support/peers/peers.sh" stop "$peers" >/dev/null' EXIT
port=$(sed -n 's/^nginx=//p' "$peers/peers.ini")
www="$peers/www"

# The installation beside the program: one file current, one outdated, one missing.
rm -rf "$bindir/files" "$bindir/Update" "$bindir/DownLoad"
mkdir -p "$bindir/files/sub"
cp "$www/files/sub/nested.txt" "$bindir/files/sub/nested.txt"
echo "outdated" >"$bindir/files/small.txt"
sum() { md5sum "$www/$1" | cut -d' ' -f1; }
printf '[UPDATECONFIG]\r\nFileCount=3\r\nUPDATENETADDR=http://127.0.0.1:%s/\r\n[FILENAME]\r\nFileIndex0=files/small.txt\r\nFileIndex1=files/sub/nested.txt\r\nFileIndex2=files/big.bin\r\n[FILECHECKSUM]\r\nFileIndex0=%s\r\nFileIndex1=%s\r\nFileIndex2=%s\r\n' \
  "$port" "$(sum files/small.txt)" "$(sum files/sub/nested.txt)" "$(sum files/big.bin)" >"$www/Game.ini"

echo "update engine: manifest http://127.0.0.1:$port/Game.ini"
wine "$exe" run "http://127.0.0.1:$port/Game.ini" 2>/dev/null | tr -d '\r' | sed 's/^/  /'
status=${PIPESTATUS[0]}
for f in files/small.txt files/big.bin; do
  cmp -s "$www/$f" "$bindir/$f" && echo "  in place: $f" || { echo "  NOT in place: $f" >&2; status=1; }
done
rm -rf "$bindir/files"
exit $status
