# The skinned control library: the gallery dialog under Wine on the virtual
# display, in the default scheme and again after one scheme change, then
# with the list's pop-up menu open. The gallery is driven through a control
# folder: it writes "ready" once shown, "menu-open" and "menu-closed" around
# the menu, and "switched" after the change; "menu", "menu-close", "switch"
# and "quit" are ours.
root=$1
. "$root/scripts/lib/screenshot.sh"
exe="${DEMO_WIN_BUILD:-$root/build/win32}/bin/gallery.exe"
if [ ! -f "$exe" ]; then
  echo "skinctl: gallery.exe not built"
  exit 1
fi
control=$(mktemp -d)
trap 'rm -rf "$control"' EXIT

await() {  # await FILE: up to 30 s
  local i
  for i in $(seq 1 300); do
    [ -e "$control/$1" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

wine "$exe" --control "$(winepath -w "$control")" --quit-after 60000 --scheme 120,0.0,-0.05 </dev/null &
pid=$!
status=0
if await ready; then
  sleep 0.5
  screenshot skinctl-gallery-default
  touch "$control/switch"
  if await switched; then
    sleep 0.5
    screenshot skinctl-gallery-green
    touch "$control/menu"
    if await menu-open; then
      sleep 0.5
      screenshot skinctl-gallery-menu
    else
      echo "skinctl: the gallery did not show its menu" >&2
      status=1
    fi
    touch "$control/menu-close"
    await menu-closed || { echo "skinctl: the gallery's menu did not close" >&2; status=1; }
  else
    echo "skinctl: the gallery did not switch its scheme" >&2
    status=1
  fi
else
  echo "skinctl: the gallery did not come up" >&2
  status=1
fi
touch "$control/quit"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid" 2>/dev/null
  echo "skinctl: the gallery did not quit by itself" >&2
  status=1
fi
wait "$pid" || status=1
exit $status
