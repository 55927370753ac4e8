#!/usr/bin/env bash
# Every test: set-up, both builds, the native tests, the fuzz targets'
# regression run, then the Windows tests under 32-bit Wine on a virtual
# display. Non-zero on any failure.
#   scripts/test.sh               everything
#   scripts/test.sh -R Pattern    only tests whose names match (both builds)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh || exit 1
. scripts/lib/wine-env.sh
. scripts/lib/build.sh
win=$(windows_run_build)
if [ "$win" = win64 ]; then
  echo "test: this kernel cannot execute 32-bit programs; the Windows tests run as 64-bit builds under wine64 (win32 is built and checked)"
fi

build_all "$root" || { echo "test: build failed" >&2; exit 1; }

status=0
ctest --test-dir build/native --output-on-failure --timeout 600 "$@" || status=1

# The parsers' fuzz targets (clang, sanitizers): each runs over its corpus and
# saved crash inputs, then fuzzes a few seconds (scripts/fuzz.sh runs long).
if cmake --preset fuzz -S "$root" >/dev/null && cmake --build --preset fuzz; then
  ctest --test-dir build/fuzz --output-on-failure --timeout 300 "$@" || status=1
else
  echo "test: fuzz build failed" >&2
  status=1
fi

trap wine_env_stop EXIT
wine_env_start "$root/build/$win" || { echo "test: Wine environment failed" >&2; exit 1; }
# Code page 936 (GBK), as on the target systems.
LC_ALL=zh_CN.UTF-8 ctest --test-dir "build/$win" --output-on-failure --timeout 900 "$@" || status=1

if [ $status = 0 ]; then echo "test: all passed"; else echo "test: FAILED" >&2; fi
exit $status
