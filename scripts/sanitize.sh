#!/usr/bin/env bash
# Builds with a sanitizer and runs the suite the way test.sh does.
#   ./scripts/sanitize.sh address [ctest args...]
#   ./scripts/sanitize.sh thread  [ctest args...]
# ThreadSanitizer reports go to build-thread/tsan-reports/. Debian's Qt is not
# built with ThreadSanitizer, so reports lying entirely inside Qt (its threads,
# wait conditions and futex mutexes) are noise; the run fails only on reports
# that name a frame of our own sources.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
KIND="${1:?usage: sanitize.sh address|thread [ctest args]}"
shift
export BUILD_DIR="$ROOT/build-$KIND"
export BUILD_TYPE=Debug
REPORTS="$BUILD_DIR/tsan-reports"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
# ignore_noninstrumented_modules: the C library calls made from inside
# uninstrumented libraries (Qt's frees, copies and moves of its shared strings,
# lists and posted-event lists, fontconfig's and HarfBuzz's first-use tables)
# are left out, as their own code is; their thread starts, mutexes and
# condition variables are still seen, and so is every access of our code.
export TSAN_OPTIONS="${TSAN_OPTIONS:-second_deadlock_stack=1 history_size=7 exitcode=0 ignore_noninstrumented_modules=1 log_path=$REPORTS/report suppressions=$ROOT/tests/tsan.supp}"
"$ROOT/scripts/deps.sh"
"$ROOT/scripts/build.sh" -DQM_SANITIZE="$KIND"
rm -rf "$REPORTS" && mkdir -p "$REPORTS"
UNSHARE=(unshare -n)
[ "$(id -u)" -eq 0 ] || UNSHARE=(unshare -r -n)
"${UNSHARE[@]}" bash -c '
  set -e
  ip link set lo up
  cd "$BUILD_DIR"
  ctest --output-on-failure -j2 "$@"
' ctest-in-netns "$@"

if [ "$KIND" = thread ]; then
  total=$(cat "$REPORTS"/report.* 2>/dev/null | grep -c "WARNING: ThreadSanitizer" || true)
  # The entry point itself is on every main-thread stack; it does not count.
  # Frames name our files by absolute path, or relative to the build folder when
  # the compiler cache rewrote the paths (CCACHE_BASEDIR).
  ours=$(grep -l -E "($ROOT/|\.\./)(app/[^m]|device/|commands/|transport/|services/|platform/|text/|render/|fleet/|tools/)" "$REPORTS"/report.* 2>/dev/null || true)
  echo "ThreadSanitizer: $total report(s) in all, $(echo -n "$ours" | grep -c . || true) file(s) naming our sources"
  if [ -n "$ours" ]; then
    echo "$ours"
    exit 1
  fi
fi
