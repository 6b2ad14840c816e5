#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (plus AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS
# (default 60), JOBS targets at a time (default 1), niced.
#   ./scripts/fuzz.sh [SECONDS] [target...]
# Each target starts from its seeds (tests/fuzz/corpus/<target>) plus what
# earlier runs found (build-fuzz/corpus/<target>), with the libFuzzer flags of
# tests/fuzz/fuzz_<target>.options (its input length; 65536 where none is
# given). Crashes land in build-fuzz/findings/<target>/; a summary table ends
# the run, and the exit status is 1 when any target found something.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_EACH="${1:-60}"
shift || true
BUILD_DIR="${BUILD_DIR:-$ROOT/build-fuzz}"
JOBS="${JOBS:-1}"

"$ROOT/scripts/deps.sh"
# clang and its libFuzzer runtime are needed here only, not by the normal build.
need=()
command -v clang++ >/dev/null || need+=(clang)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${need[@]}"
fi
if ! clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a | grep -q /; then
  major="$(clang++ -dumpversion | cut -d. -f1)"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "libclang-rt-$major-dev"
fi

TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  mapfile -t TARGETS < <(cd "$ROOT/tests/fuzz" && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//')
fi

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQM_BUILD_FUZZ=ON >/dev/null
nice cmake --build "$BUILD_DIR" -j"${BUILD_JOBS:-2}" --target "${TARGETS[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='*=false'
# The local zone, named once: with TZ unset the C library looks at
# /etc/localtime again for every local time (each log line's stamp).
[ -n "${TZ:-}" ] || [ ! -e /etc/localtime ] || export TZ=:/etc/localtime
# With leak detection off in ASan, libFuzzer's own leak check would only run
# inputs a second time (Qt keeps caches, so allocations outnumber frees).
leaks=()
case ":$ASAN_OPTIONS:" in *:detect_leaks=0:*) leaks=(-detect_leaks=0) ;; esac

# The [libfuzzer] flags of tests/fuzz/fuzz_<target>.options, as arguments.
target_flags() {
  local options="$ROOT/tests/fuzz/fuzz_$1.options"
  [ -f "$options" ] || return 0
  sed -n '/^\[libfuzzer\]/,/^\[/s/^[[:space:]]*\([a-z_]*\)[[:space:]]*=[[:space:]]*\([^[:space:]]*\).*$/-\1=\2/p' "$options"
}

run_one() {
  local t="$1" corpus="$BUILD_DIR/corpus/$1" findings="$BUILD_DIR/findings/$1" log="$BUILD_DIR/logs/$1.log"
  local flags
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  mapfile -t flags < <(target_flags "$t")
  # No network at all for the targets: nothing they do may leave the machine.
  (cd "$findings" && nice unshare -r -n "$BUILD_DIR/tests/fuzz/fuzz_$t" -max_total_time="$SECONDS_EACH" \
     -print_final_stats=1 -timeout=25 -rss_limit_mb=2048 -max_len=65536 "${leaks[@]}" "${flags[@]}" \
     -artifact_prefix="$findings/" "$corpus" "$ROOT/tests/fuzz/corpus/$t" >"$log" 2>&1) || true
}

running=0
for t in "${TARGETS[@]}"; do
  run_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$JOBS" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

status=0
printf '%-20s %14s %8s %10s\n' target executions exec/s findings
for t in "${TARGETS[@]}"; do
  log="$BUILD_DIR/logs/$t.log"
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  found=$(find "$BUILD_DIR/findings/$t" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-20s %14s %8s %10s\n' "$t" "${execs:-?}" "${rate:-?}" "$found"
  [ "$found" -eq 0 ] && [ -n "$execs" ] || status=1
done
exit $status
