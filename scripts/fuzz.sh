#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined-behaviour
# sanitizers) and runs each for a short time. Exits 0 when no target crashed, non-zero
# when one did (the input is kept in build-fuzz/). Without clang++ it says so and exits 0.
#   FUZZ_SECONDS  run time per target (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
  echo "fuzz: clang++ not found; fuzz targets skipped"
  exit 0
fi
seconds=${FUZZ_SECONDS:-10}
out=build-fuzz
mkdir -p "$out"

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
# A clang without the libFuzzer runtime cannot build any target: skip rather than fail.
probe="$out/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe"
if ! clang++ "${flags[@]}" "$probe" -o "$out/probe" 2>/dev/null; then
  echo "fuzz: clang++ cannot link libFuzzer targets here; fuzz targets skipped"
  exit 0
fi

# The platform layer as Linux builds it: its Win32 backend files are for the Windows build.
platform=()
for file in src/platform/*.cpp; do
  [[ $file == *win32* ]] || platform+=("$file")
done
parser=(src/cmdshell/percent_expansion.cpp src/cmdshell/line_parser.cpp src/cmdshell/shell_paths.cpp
        src/cmdshell/command_words.cpp src/cmdshell/shell_texts.cpp)

# Every source is compiled once, on all cores, and the targets are linked from the objects.
objects="$out/obj"
mkdir -p "$objects"
object() { echo "$objects/$(tr / _ <<<"$1").o"; }
echo "fuzz: compiling"
printf '%s\n' fuzz/line_parser_fuzz.cpp fuzz/wildcard_fuzz.cpp "${parser[@]}" "${platform[@]}" |
  while read -r source; do echo "$source" "$(object "$source")"; done |
  xargs -P "$(nproc)" -n 2 sh -c 'clang++ '"${flags[*]}"' -c "$0" -o "$1"'
link() {
  local name=$1
  shift
  echo "fuzz: linking $name"
  local inputs=()
  for source in "fuzz/$name.cpp" "$@"; do inputs+=("$(object "$source")"); done
  clang++ "${flags[@]}" "${inputs[@]}" -o "$out/$name"
}
link line_parser_fuzz "${parser[@]}" "${platform[@]}"
link wildcard_fuzz "${platform[@]}"

for name in line_parser_fuzz wildcard_fuzz; do
  seeds="fuzz/seeds/${name%_fuzz}"
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
  echo "fuzz: running $name for ${seconds}s"
  if ! "$out/$name" -max_total_time="$seconds" -artifact_prefix="$out/$name-" -print_final_stats=1 \
      "$corpus" "$seeds" 2>"$out/$name.log"; then
    tail -n 40 "$out/$name.log"
    echo "fuzz: $name failed; the input is in $out/"
    exit 1
  fi
  grep -E 'stat::number_of_executed_units' "$out/$name.log" || true
  rm -rf "$corpus"
  trap - EXIT
done
echo "fuzz: no crash"
