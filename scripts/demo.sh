#!/usr/bin/env bash
# The main job, as a user sees it: set-up, both builds, then every demo step
# in scripts/demo.d/ (in name order) on a virtual display. Screenshots land in
# out/demo/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash scripts/setup.sh || exit 1
. scripts/lib/wine-env.sh
. scripts/lib/build.sh
build_all "$root" || { echo "demo: build failed" >&2; exit 1; }

export DEMO_OUT="$root/out/demo"
mkdir -p "$DEMO_OUT"
trap wine_env_stop EXIT
# The Windows build the steps run (win32, or win64 where 32-bit code cannot run).
export DEMO_WIN_BUILD="$root/build/$(windows_run_build)"
wine_env_start "$DEMO_WIN_BUILD" || exit 1

status=0
for step in scripts/demo.d/*.sh; do
  [ -e "$step" ] || continue
  echo "== demo: $(basename "$step" .sh)"
  # (bash itself has no such glibc locale and says so; only Wine needs it)
  LC_ALL=zh_CN.UTF-8 bash "$step" "$root" 2> >(grep -v "setlocale: LC_ALL" >&2) || { echo "demo: $step failed" >&2; status=1; }
done
echo "demo: screenshots in $DEMO_OUT:"
ls -1 "$DEMO_OUT" 2>/dev/null | sed 's/^/  /'
exit $status
