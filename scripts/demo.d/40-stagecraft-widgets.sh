#!/usr/bin/env bash
# Stagecraft's widgets in one scene, run by widgetdemo.exe (Stagecraft.dll
# under Wine) headless under the engine's clock: buttons in their states, a
# toggle, a long press, scores, a count-down label, a turn clock that removes
# itself, rolling numbers and a seconds count-down, then a paged list, a
# dragged list, an alert box answered, an edit box typed into and the lock
# layer timing out; each line what a game sees at that moment. The engine
# draws the scene, and pictures of a few moments land in out/demo:
# widgets-buttons.png (a button held down, a grey-scale one), widgets-alert.png
# (the alert over the screen), widgets-editbox.png (typed into, with its
# caret) and widgets-lock.png (the lock layer).
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
build="${DEMO_BUILD_DIR:-${DEMO_WIN_BUILD:-$root/build/win32}}"
bindir="$build/bin"
exe="$bindir/widgetdemo.exe"
[ -f "$exe" ] || cmake --build "$build" --target widgetdemo >/dev/null || exit 1

echo "stagecraft widgets: $(basename "$exe") with Stagecraft.dll, 960 x 640 scene, 60 frames a second"
# Run from the programs' folder: the library's resources and the pictures lie there.
out="${DEMO_OUT:-$root/out/demo}"
mkdir -p "$out"
cd "$bindir" || exit 1
wine "$exe" "$(winepath -w "$out" 2>/dev/null | tr -d '\r')" </dev/null 2>/dev/null | tr -d '\r' | sed 's/^/  /'
exit "${PIPESTATUS[0]}"
