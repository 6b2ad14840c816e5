#!/usr/bin/env bash
# Writes PNGs of the main window for each navigation entry (plus the restart
# question, the log window, the version-log window and the two picture pages
# with a photograph), in Chinese and in English, into $1 (default:
# build/screenshots). Runs the real scenes on the real back end under Xvfb,
# inside a private network namespace; installs Xvfb when it is missing.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
OUT="${1:-$BUILD_DIR/screenshots}"

"$ROOT/scripts/deps.sh"
if ! command -v Xvfb >/dev/null; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends xvfb xauth
fi
cmake -S "$ROOT" -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target quillmark-frame-screenshots
TOOL="$BUILD_DIR/tools/frame_screenshots/quillmark-frame-screenshots"
mkdir -p "$OUT"

# A display of our own, on a free number.
DISPLAY_NUM=$(( 90 + RANDOM % 100 ))
while [ -e "/tmp/.X${DISPLAY_NUM}-lock" ]; do DISPLAY_NUM=$(( DISPLAY_NUM + 1 )); done
Xvfb ":$DISPLAY_NUM" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
trap 'kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break; sleep 0.1; done

status=0
for lang in zh_CN en_US; do
  unshare -n env DISPLAY=":$DISPLAY_NUM" QT_QPA_PLATFORM=xcb "$TOOL" "$OUT" "$lang" || status=1
done
ls "$OUT"/*.png
exit $status
