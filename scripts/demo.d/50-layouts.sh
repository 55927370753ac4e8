#!/usr/bin/env bash
# The project's lobby layout loaded by the layout previewer
# (layoutpreview.exe with Stagecraft.dll) as a game loads it, in a window of
# the design's 960 x 640, in a wider one of 1136 x 640 and in a taller one of
# 1024 x 768: the widget tree with each widget's place, size, scale and
# z-order. Widgets named for an edge or a corner follow it into the extra
# width; bars stretch across it. The trees are saved as text in out/demo/,
# the screens as the engine draws them as PNG pictures, and the three
# pictures side by side in layout-lobby-sizes.png.
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build="${DEMO_BUILD_DIR:-${DEMO_WIN_BUILD:-$root/build/win32}}"
out="${DEMO_OUT:-$root/out/demo}"
bindir="$build/bin"
exe="$bindir/layoutpreview.exe"
[ -f "$exe" ] || cmake --build "$build" --target layoutpreview >/dev/null || exit 1
mkdir -p "$out"

# Run from the programs' folder: the layouts and their pictures lie in layouts/.
cd "$bindir" || exit 1
status=0
for frame in 960x640 1136x640 1024x768; do
  text="$out/layout-lobby-$frame.txt"
  picture="$out/layout-lobby-$frame.png"
  echo "layoutpreview.exe layouts/lobby.json --frame $frame --png ...   (saved as $(basename "$text"), $(basename "$picture"))"
  wine "$exe" layouts/lobby.json --frame "$frame" --png "$(winepath -w "$picture" 2>/dev/null | tr -d '\r')" \
    </dev/null 2>/dev/null | tr -d '\r' >"$text"
  [ "${PIPESTATUS[0]}" = 0 ] || { echo "  the previewer failed" >&2; status=1; }
  sed 's/^/  /' "$text"
done
# The screen's own widgets side by side: where each lands in the scene. In
# the wider scene the design sits 88 points further right; widgets named for
# the left edge keep their distance to it, those named for the right edge
# move the whole 176 points, bars stretch across.
echo "top-level widgets in the scene (x, y) at 960 x 640 -> at 1136 x 640:"
paste -d'\t' "$out/layout-lobby-960x640.txt" "$out/layout-lobby-1136x640.txt" | grep '^  [A-Za-z]' |
  sed -n 's/^ *[A-Za-z0-9_:]* "\([^"][^"]*\)" .* scene (\([^)]*\)) .*scale \([0-9.]*\).*\t.* scene (\([^)]*\)) .*scale \([0-9.]*\).*/\1|\2|\4|\3|\5/p' |
  awk -F'|' '{ s = ($4 != $5) ? "  scale " $4 " -> " $5 : ""; printf "  %-22s (%s) -> (%s)%s\n", $1, $2, $3, s }'
# The three screens side by side, tops aligned, on a grey ground.
if command -v convert >/dev/null; then
  gap=(-size 16x1 xc:'#404040')
  convert "$out/layout-lobby-960x640.png" "${gap[@]}" "$out/layout-lobby-1136x640.png" "${gap[@]}" \
    "$out/layout-lobby-1024x768.png" -background '#404040' -gravity north +append "$out/layout-lobby-sizes.png" &&
    echo "the lobby at 960 x 640, 1136 x 640 and 1024 x 768 side by side: layout-lobby-sizes.png" ||
    { echo "  the pictures could not be put side by side" >&2; status=1; }
fi
exit $status
