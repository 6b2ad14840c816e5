#!/usr/bin/env bash
# Start-up benchmark, run by hand (not part of the test run):
#   bench/startup.sh [build-dir] [runs]
#
# Starts the program RUNS times (default 10) under Xvfb, inside a private
# network namespace and in a fresh application folder, and reports the median
# and range of
#   - the time from launching the process to the main window's first frame,
#   - the resident memory one second after that frame.
# The program measures both itself when QM_STARTUP_PROBE carries the launch
# time (app/StartupProbe) and quits afterwards. Targets: < 400 ms, < 120 MB.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-10}"
BIN="$BUILD_DIR/QuillmarkSystem"
[ -x "$BIN" ] || { echo "missing $BIN (run scripts/build.sh)" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }

WORK="$(mktemp -d)"
DISPLAY_NUM=$(( 90 + RANDOM % 100 ))
while [ -e "/tmp/.X${DISPLAY_NUM}-lock" ]; do DISPLAY_NUM=$(( DISPLAY_NUM + 1 )); done
Xvfb ":$DISPLAY_NUM" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
cleanup() { kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; rm -rf "$WORK"; }
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break; sleep 0.1; done

# The program keeps its folders beside the executable: run a copy in WORK.
cp "$BIN" "$WORK/QuillmarkSystem"

# One warm-up run (file cache, font cache), then the measured ones.
frames=(); rss=()
for i in $(seq 0 "$RUNS"); do
  rm -rf "$WORK/configFile" "$WORK/LogFile"
  out=$(cd "$WORK" && unshare -n env DISPLAY=":$DISPLAY_NUM" QT_QPA_PLATFORM=xcb \
          QM_STARTUP_PROBE="$(date +%s%N)" timeout 30 ./QuillmarkSystem 2>&1 >/dev/null || true)
  f=$(sed -n 's/^first_frame_ms //p' <<<"$out")
  r=$(sed -n 's/^rss_kb //p' <<<"$out")
  [ -n "$f" ] && [ -n "$r" ] || { echo "run $i: no measurement"; echo "$out" | tail -5; exit 1; }
  [ "$i" -eq 0 ] && continue
  frames+=("$f"); rss+=("$r")
done

stats() { # median min max of the arguments
  printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f %.1f %.1f", m, a[1], a[NR]}'
}
read -r fm fmin fmax <<<"$(stats "${frames[@]}")"
read -r rm rmin rmax <<<"$(stats "${rss[@]}")"
printf 'first frame: median %s ms (min %s, max %s) over %d runs\n' "$fm" "$fmin" "$fmax" "$RUNS"
awk -v m="$rm" -v a="$rmin" -v b="$rmax" -v n="$RUNS" \
  'BEGIN {printf "resident memory: median %.1f MB (min %.1f, max %.1f) over %d runs\n", m/1024, a/1024, b/1024, n}'
