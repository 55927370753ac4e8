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
# The message view embeds the control folder's "picture.gif" through the
# animated-picture component, registered (regsvr32) for the run.
picture_server="$(dirname "$exe")/AnimPicture.dll"
registered=0
cleanup() {
  if [ "$registered" = 1 ]; then wine regsvr32 /s /u "$(winepath -w "$picture_server")" </dev/null >/dev/null 2>&1; fi
  rm -rf "$control"
}
trap cleanup EXIT
if [ -f "$picture_server" ] && wine regsvr32 /s "$(winepath -w "$picture_server")" </dev/null >/dev/null 2>&1; then
  registered=1
else
  echo "skinctl: the animated-picture component could not be registered; the message view shows no animation" >&2
fi
# A dealer chip turning colour: three frames of 0.4 s.
convert -size 22x22 -delay 40 -loop 0 \
  \( xc:white -fill '#c8202c' -draw 'circle 11,11 11,1' -fill white -draw 'circle 11,11 11,6' \) \
  \( xc:white -fill '#2050c8' -draw 'circle 11,11 11,1' -fill white -draw 'circle 11,11 11,6' \) \
  \( xc:white -fill '#209040' -draw 'circle 11,11 11,1' -fill white -draw 'circle 11,11 11,6' \) \
  "$control/picture.gif" 2>/dev/null || echo "skinctl: no picture for the message view (convert failed)" >&2

await() {  # await FILE: up to 30 s
  local i
  for i in $(seq 1 300); do
    [ -e "$control/$1" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

ask() {  # ask REQUEST ANSWER PICTURE WHAT: the picture once the gallery answers
  touch "$control/$1"
  if await "$2"; then
    sleep 0.5
    screenshot "$3"
  else
    echo "skinctl: the gallery did not $4" >&2
    status=1
    return 1
  fi
}

wine "$exe" --control "$(winepath -w "$control")" --quit-after 60000 --scheme 120,0.0,-0.05 </dev/null &
pid=$!
status=0
if await ready; then
  sleep 0.5
  screenshot skinctl-gallery-default
  if ask switch switched skinctl-gallery-green "switch its scheme"; then
    ask menu menu-open skinctl-gallery-menu "show its menu"
    touch "$control/menu-close"
    await menu-closed || { echo "skinctl: the gallery's menu did not close" >&2; status=1; }
  fi
  # Last, the message view over the gallery: "messages" opens it and
  # "messages-shown" answers.
  ask messages messages-shown skinctl-gallery-messages "open its message view"
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
