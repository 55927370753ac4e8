#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent: a second run
# only checks. Stops with a message naming what cannot be had.
set -euo pipefail

PACKAGES=(
  # build
  cmake ninja-build make g++ pkg-config
  g++-mingw-w64-i686 mingw-w64-i686-dev binutils-mingw-w64-i686
  # the 64-bit Windows build the tests run where 32-bit code cannot execute
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  googletest
  # the parsers' fuzz targets: clang with libFuzzer and the sanitizers (llvm: the
  # symbolizer that names the lines of a crash report)
  clang libclang-rt-dev llvm
  # Windows side under Wine on a virtual display
  wine wine32:i386 wine64 xvfb xauth x11-utils
  # engine: PNG, fonts, plists
  libpng-dev zlib1g-dev libfreetype-dev libtinyxml2-dev libstb-dev
  fonts-wqy-zenhei fonts-dejavu-core
  # the zh_CN.UTF-8 locale the Windows tests run in
  locales
  # peers used by the tests and the demo
  nginx-light dante-server tinyproxy curl python3
  # screenshots and pictures
  imagemagick
  # the layout benchmark's peer JSON reader (header-only)
  rapidjson-dev
)

need_root() {
  if [ "$(id -u)" != 0 ]; then
    echo "setup: packages are missing and this is not root; run as root: $*" >&2
    exit 1
  fi
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root "dpkg --add-architecture i386"
  dpkg --add-architecture i386
  APT_UPDATED=0
fi

missing=()
for p in "${PACKAGES[@]}"; do
  name=${p%%:*}
  arch=${p#*:}; [ "$arch" = "$p" ] && arch=""
  q=$name; [ -n "$arch" ] && q="$name:$arch"
  if ! dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root "apt-get install ${missing[*]}"
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq || { echo "setup: apt-get update failed" >&2; exit 1; }
  if ! apt-get install -y -qq --no-install-recommends "${missing[@]}" >/tmp/setup-apt.log 2>&1; then
    tail -20 /tmp/setup-apt.log >&2
    # name each package that cannot be had
    for p in "${missing[@]}"; do
      apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: (none)\|^$' && echo "setup: cannot be had: $p" >&2
      apt-cache show "$p" >/dev/null 2>&1 || echo "setup: cannot be had: $p" >&2
    done
    echo "setup: apt-get install failed (log above)" >&2
    exit 1
  fi
fi

# The nginx package starts a system instance; the tests run their own.
if command -v systemctl >/dev/null 2>&1; then :; fi

# The Windows tests run with LC_ALL=zh_CN.UTF-8 (ANSI code page 936). Without
# the glibc locale Wine keeps the code page but cannot create or open files
# whose names are not ASCII.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  need_root "localedef -i zh_CN -f UTF-8 zh_CN.UTF-8"
  echo "setup: generating the zh_CN.UTF-8 locale"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || { echo "setup: the zh_CN.UTF-8 locale cannot be generated" >&2; exit 1; }
fi

for tool in i686-w64-mingw32-g++-posix i686-w64-mingw32-windres x86_64-w64-mingw32-g++-posix /usr/lib/wine/wine64 wine Xvfb cmake nginx danted tinyproxy clang++; do
  command -v "$tool" >/dev/null 2>&1 || { echo "setup: $tool is missing after install" >&2; exit 1; }
done
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "setup: /usr/src/googletest is missing" >&2; exit 1; }
echo "setup: ready"
