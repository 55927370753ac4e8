# Sourced by the scripts: configure and build the presets. native and win32
# always (win32 is what ships); win64 too where the Windows tests and demos
# run as 64-bit builds (see windows_run_build in wine-env.sh). There the
# 32-bit build makes what ships and the developer tools, not the tests,
# which the 64-bit build compiles and runs.
build_preset() {  # build_preset PRESET ROOT [TARGET...]
  local preset=$1 root=$2
  shift 2
  cmake --preset "$preset" -S "$root" >/dev/null || return 1
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@" || return 1
  else
    cmake --build --preset "$preset" || return 1
  fi
}
build_all() {
  local root=$1
  build_preset native "$root" || return 1
  if [ "$(windows_run_build)" = win64 ]; then
    build_preset win32 "$root" Update Stagecraft Skinctl Picturekit AnimPicture gallery widgetdemo layoutpreview \
      || return 1
    build_preset win64 "$root" || return 1
  else
    build_preset win32 "$root" || return 1
  fi
}
