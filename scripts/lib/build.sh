# Sourced by the scripts: configure and build both presets.
build_all() {
  local root=$1
  cmake --preset native -S "$root" >/dev/null || return 1
  cmake --build --preset native || return 1
  cmake --preset win32 -S "$root" >/dev/null || return 1
  cmake --build --preset win32 || return 1
}
