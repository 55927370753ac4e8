# The skinned control library: the gallery dialog under Wine on the virtual
# display, in the default scheme and again after one scheme change.
root=$1
. "$root/scripts/lib/screenshot.sh"
exe="$root/build/win32/bin/gallery.exe"
if [ ! -f "$exe" ]; then
  echo "skinctl: gallery.exe not built"
  exit 1
fi
# Switch the scheme after 4 s, quit after 8 s.
wine "$exe" --switch-after 4000 --quit-after 8000 --scheme 120,0.1,-0.05 </dev/null &
pid=$!
sleep 2.5
screenshot skinctl-gallery-default
sleep 3
screenshot skinctl-gallery-green
# The gallery quits by itself; stop it only if it did not.
for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo "skinctl: the gallery did not quit by itself" >&2
  exit 1
fi
wait "$pid"
