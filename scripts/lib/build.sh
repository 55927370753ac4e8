# Sourced by the scripts: configure and build the presets. native and win32
# always (win32 is what ships); win64 too where the Windows tests and demos
# run as 64-bit builds (see windows_run_build in wine-env.sh).
build_preset() {
  cmake --preset "$1" -S "$2" >/dev/null || return 1
  cmake --build --preset "$1" || return 1
}
build_all() {
  local root=$1
  build_preset native "$root" || return 1
  build_preset win32 "$root" || return 1
  if [ "$(windows_run_build)" = win64 ]; then
    build_preset win64 "$root" || return 1
  fi
}
