# Sourced by the scripts: a virtual display and a persistent wineserver in a
# private prefix under the build folder, both stopped by what started them.
#   windows_run_build          -> prints the Windows build the tests and demos run
#   wine_env_start BUILD_DIR   -> exports DISPLAY, WINEPREFIX, WINEDEBUG
#   wine_env_stop              -> stops what wine_env_start started
#
# The deliverables are 32-bit and run under 32-bit Wine wherever the kernel
# can execute 32-bit code. Some kernels cannot (IA-32 emulation disabled:
# "Exec format error" from every i386 program, 32-bit Wine included); there
# the same sources built for 64-bit Windows (preset win64) run under wine64,
# and "wine" in the scripts means that loader.

windows_run_build() {
  if [ -n "${WINDOWS_RUN_BUILD:-}" ]; then echo "$WINDOWS_RUN_BUILD"; return; fi
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

_WE_XVFB_PID=""
_WE_STARTED_SERVER=0
_WE_KEEPER_PID=""

# Wine's desktop process (explorer.exe) of the prefix, if it is up.
_we_desktop_up() {
  local p
  for p in $(pgrep -f 'explorer.exe /desktop' 2>/dev/null); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

wine_env_start() {
  local build=$1
  export WINEPREFIX="$build/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  mkdir -p "$build"
  if [ "$(basename "$build")" = win64 ]; then
    # "wine" (and what runs through it) is the 64-bit loader for this build.
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    mkdir -p "$build/winebin"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$build/winebin/wine"
    # Debian's winepath script starts the 32-bit loader: the program itself.
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 winepath "$@"\n' >"$build/winebin/winepath"
    chmod +x "$build/winebin/wine" "$build/winebin/winepath"
    case ":$PATH:" in *":$build/winebin:"*) ;; *) export PATH="$build/winebin:$PATH" ;; esac
  fi

  # A free display number: no lock file and no socket.
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$build/xvfb.log" 2>&1 &
  _WE_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$_WE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if ! kill -0 "$_WE_XVFB_PID" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$n" ]; then
    echo "wine-env: no virtual display could be had (Xvfb :$n failed; $build/xvfb.log)" >&2
    cat "$build/xvfb.log" >&2 || true
    return 1
  fi

  # Persistent server: each process then starts in a fraction of a second.
  wineserver -p >"$build/wineserver.log" 2>&1 </dev/null
  _WE_STARTED_SERVER=1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix in $WINEPREFIX"
    wine wineboot -i >"$build/wineboot.log" 2>&1 </dev/null || true
    wineserver -w 2>/dev/null || true
    wineserver -p >>"$build/wineserver.log" 2>&1 </dev/null
  fi
  # Prefix settings, once per version of them: the target systems' CJK UI
  # fonts (SimSun, NSimSun, Microsoft YaHei) map to WenQuanYi Micro Hei, drawn
  # smoothed (grey scale) as on a Windows machine with font smoothing on. (Zen
  # Hei asks for unsmoothed text up to 16 pixels and then loses thin strokes:
  # "正在下载" read as "止左卜载"; Micro Hei is smoothed at every size.)
  # Windows are not handed to a window manager (there is none on the virtual
  # display, and waiting for one costs ~2 s each time a top-level window is
  # hidden or destroyed).
  local marker="$WINEPREFIX/.project-settings-3"
  if [ ! -f "$marker" ]; then
    local reg="$build/prefix-settings.reg"
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"\xe5\xae\x8b\xe4\xbd\x93"="WenQuanYi Micro Hei"\r\n"SimSun"="WenQuanYi Micro Hei"\r\n"\xe6\x96\xb0\xe5\xae\x8b\xe4\xbd\x93"="WenQuanYi Micro Hei"\r\n"NSimSun"="WenQuanYi Micro Hei"\r\n"\xe5\xbe\xae\xe8\xbd\xaf\xe9\x9b\x85\xe9\xbb\x91"="WenQuanYi Micro Hei"\r\n"Microsoft YaHei"="WenQuanYi Micro Hei"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000001\r\n"FontSmoothingGamma"=dword:00000578\r\n"FontSmoothingOrientation"=dword:00000001\r\n' \
      | iconv -f UTF-8 -t UTF-16 >"$reg"
    wine regedit /S "$(wine winepath -w "$reg" 2>/dev/null | tr -d '\r')" </dev/null >/dev/null 2>&1 && touch "$marker"
  fi
  if ! wine cmd /c echo wine-ok </dev/null 2>"$build/wine-check.log" | grep -q wine-ok; then
    echo "wine-env: Wine cannot start a Windows program (see $build/wine-check.log)" >&2
    cat "$build/wine-check.log" >&2 || true
    return 1
  fi
  # Wine starts its desktop process for the first windowed program and ends it
  # a few seconds after the last one has gone. Started by a test, it inherits
  # that test's output, and CTest waits for the desktop as for the test: a
  # windowed program outliving its test would hold the next ones until their
  # time-out. The build's desktop keeper (a hidden window) holds one desktop,
  # started here with no output, from now until wine_env_stop.
  local keeper
  keeper=$(find "$build/bin" -name desktop_keeper.exe 2>/dev/null | head -1)
  if [ -n "$keeper" ]; then
    wine "$keeper" </dev/null >/dev/null 2>&1 &
    _WE_KEEPER_PID=$!
    for i in $(seq 1 100); do
      _we_desktop_up && break
      sleep 0.1
    done
  fi
}

wine_env_stop() {
  if [ "$_WE_STARTED_SERVER" = 1 ]; then
    wineserver -k 2>/dev/null || true
    _WE_STARTED_SERVER=0
  fi
  if [ -n "$_WE_KEEPER_PID" ]; then
    wait "$_WE_KEEPER_PID" 2>/dev/null || true
    _WE_KEEPER_PID=""
  fi
  if [ -n "$_WE_XVFB_PID" ]; then
    kill "$_WE_XVFB_PID" 2>/dev/null || true
    wait "$_WE_XVFB_PID" 2>/dev/null || true
    _WE_XVFB_PID=""
  fi
}
