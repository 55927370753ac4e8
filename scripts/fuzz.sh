#!/usr/bin/env bash
# Fuzzing campaigns over the parsers' fuzz targets (tests/fuzz), one target at
# a time at the lowest CPU priority, then a table of executions and coverage
# per target. Each target keeps its growing corpus in build/fuzz/campaign/NAME/
# across runs; crash inputs land there too and are listed.
#   scripts/fuzz.sh                  every target, 180 s each
#   scripts/fuzz.sh -t 600 json_fuzz one target for ten minutes
#   scripts/fuzz.sh -n 10000000      every target for ten million executions
#                                    (with -t too: whichever comes first)
#   scripts/fuzz.sh -m ...           then merge inputs that reach new edges into
#                                    tests/fuzz/corpus/NAME/ (the seed corpus)
# Non-zero when a target crashed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=180 seconds_given=0 runs="" merge=0
while getopts "t:n:m" opt; do
  case $opt in
    t) seconds=$OPTARG seconds_given=1 ;;
    n) runs=$OPTARG ;;
    m) merge=1 ;;
    *) echo "usage: scripts/fuzz.sh [-t seconds] [-n runs] [-m] [target...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

bash scripts/setup.sh >/dev/null || exit 1
build=$root/build/fuzz
cmake --preset fuzz >/dev/null || { echo "fuzz: configure failed" >&2; exit 1; }
cmake --build --preset fuzz || { echo "fuzz: build failed" >&2; exit 1; }

declare -A dict=()
targets=()
while read -r name d; do
  [ -n "$name" ] || continue
  dict[$name]=$d
  targets+=("$name")
done <"$build/fuzz-targets.txt"
[ $# -gt 0 ] && targets=("$@")

# -n alone runs to the count; -t with it stops at whichever comes first.
limit=()
[ -n "$runs" ] && limit+=(-runs="$runs")
[ -z "$runs" ] || [ "$seconds_given" = 1 ] && limit+=(-max_total_time="$seconds")

status=0
report=()
for t in "${targets[@]}"; do
  [ -x "$build/bin/$t" ] || { echo "fuzz: no target $t" >&2; status=1; continue; }
  work=$build/campaign/$t
  mkdir -p "$work/corpus"
  args=("${limit[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/")
  [ -n "${dict[$t]:-}" ] && args+=(-dict="$root/tests/fuzz/dict/${dict[$t]}")
  inputs=("$work/corpus" "$root/tests/fuzz/corpus/$t")
  [ -d "$root/tests/fuzz/crashes/$t" ] && inputs+=("$root/tests/fuzz/crashes/$t")
  echo "fuzz: $t ..."
  nice -n 19 "$build/bin/$t" "${args[@]}" "${inputs[@]}" >"$work/log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$work/log" | tail -1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  outcome=ok
  if [ $rc != 0 ]; then
    outcome="CRASH (exit $rc): $(ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* 2>/dev/null | tr '\n' ' ')"
    status=1
    grep -E 'ERROR|SUMMARY|fuzz check failed' "$work/log" | head -5
  elif [ $merge = 1 ]; then
    # only inputs that reach new edges (hit counts aside), so the kept corpus stays small
    nice -n 19 "$build/bin/$t" -merge=1 -use_counters=0 "$root/tests/fuzz/corpus/$t" "$work/corpus" >"$work/merge.log" 2>&1
  fi
  report+=("$(printf '%-20s %12s %8s %7s %7s %6s  %s' "$t" "${execs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" \
    "${corp:-?}" "$outcome")")
done

printf '\n%-20s %12s %8s %7s %7s %6s  %s\n' target executions exec/s cov ft corpus outcome
printf '%s\n' "${report[@]}"
exit $status
