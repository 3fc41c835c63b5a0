#!/usr/bin/env bash
# Builds the benchmark tree and runs every benchmark, then prints one table of where speed
# stands: each figure beside its baseline measured in the same run, their ratio, the target
# and whether it is met. Each benchmark's own report is kept in build-bench/reports/. Exits 1
# when a target is missed. Run it on a quiet machine: the figures are times.
#   bench/run-all.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_BENCH=ON -DVANTREL_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
# The window benchmarks need a display; without one Qt draws off screen.
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

reports="$build/reports"
mkdir -p "$reports"
benchmarks=(scan_bench engine_bench status_bench volume_bench cmdshell_copy_bench cmdshell_script_bench startup_bench
            job_panel_bench archive_bench games_bench set_apply_bench)
for bench in "${benchmarks[@]}"; do
  program="$build/bin/$bench"
  [ -x "$program" ] || { echo "$bench: not built here" >"$reports/$bench.txt"; continue; }
  echo "running $bench ..." >&2
  "$program" >"$reports/$bench.txt" 2>&1 || echo "verdict|$bench|ended with status $?|-|-|-|FAIL" >>"$reports/$bench.txt"
done

cat "$reports"/*.txt | awk -F'|' '
  $1 == "verdict" { rows[++n] = $0; if ($7 == "FAIL") failed = 1 }
  END {
    printf "%-40s %14s %22s %7s %9s %s\n", "what", "figure", "baseline", "ratio", "target", "verdict"
    for (i = 1; i <= n; ++i) {
      split(rows[i], f, "|")
      printf "%-40s %14s %22s %7s %9s %s\n", f[2], f[3], f[4], f[5], f[6], f[7]
    }
    exit failed
  }'
