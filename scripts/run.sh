#!/usr/bin/env bash
# Installs what is missing, builds, and starts QuillmarkSystem.
# A virtual printer runs beside it on 127.0.0.1 (raw port 9100, web page on 80,
# NetBIOS on 137, a serial line at $BUILD_DIR/vprinter/ttyVP0) and stops when the
# last window started here has closed: switching the language restarts the
# window as a new process, which keeps the printer as well.
# QM_NO_VPRINTER=1 leaves it out; QM_VPRINTER_ARGS adds options;
# QM_VPRINTER_USB=1 also plugs it in as a USB printer (a fake sysfs tree under
# $BUILD_DIR/vprinter/usb that the application is pointed at).
#
# Both run in a private network namespace with only a loopback of their own, so
# a LAN search reaches nothing but the virtual printer, and the printer can serve
# its web page and NetBIOS name on ports below 1024 without root. There the
# window searches the printer's segment, 127.0.0., for this run
# (QM_TCP_SEGMENT; the segment stored in the settings is left as it is).
# QM_HOST_NETWORK=1 runs on the machine's own network instead (real printers).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
export BUILD_DIR

if [ "${QM_RUN_INSIDE_NETNS:-0}" != "1" ]; then
  "$ROOT/scripts/deps.sh"
  "$ROOT/scripts/build.sh"
  if [ "${QM_HOST_NETWORK:-0}" != "1" ]; then
    UNSHARE=(unshare -n)
    [ "$(id -u)" -eq 0 ] || UNSHARE=(unshare -r -n)
    if "${UNSHARE[@]}" true 2>/dev/null; then
      export QM_RUN_INSIDE_NETNS=1
      exec "${UNSHARE[@]}" "$0" "$@"
    fi
    echo "No private network namespace available: running on the machine's network." >&2
  fi
fi
[ "${QM_RUN_INSIDE_NETNS:-0}" = "1" ] && ip link set lo up 2>/dev/null || true

VPRINTER_PID=""
stop_vprinter() {
  if [ -n "$VPRINTER_PID" ] && kill -0 "$VPRINTER_PID" 2>/dev/null; then
    kill -TERM "$VPRINTER_PID" 2>/dev/null || true
    wait "$VPRINTER_PID" 2>/dev/null || true
  fi
}

# Every window started here carries this mark in its environment; a window
# restarted for a language switch inherits it.
WINDOW_MARK="QM_RUN_WINDOWS=$$.$RANDOM"
windows_running() {
  local proc comm
  for proc in /proc/[0-9]*; do
    comm=""
    read -r comm 2>/dev/null < "$proc/comm" || continue
    [ "$comm" = QuillmarkSystem ] || continue
    grep -qzxF "$WINDOW_MARK" "$proc/environ" 2>/dev/null && return 0
  done
  return 1
}
VPRINTER_BIN="$BUILD_DIR/tools/virtual_printer/quillmark-virtual-printer"
if [ "${QM_NO_VPRINTER:-0}" != "1" ] && [ -x "$VPRINTER_BIN" ]; then
  VPRINTER_DIR="$BUILD_DIR/vprinter"
  mkdir -p "$VPRINTER_DIR"
  USB_ARGS=()
  if [ "${QM_VPRINTER_USB:-0}" = "1" ]; then
    rm -rf "$VPRINTER_DIR/usb"
    mkdir -p "$VPRINTER_DIR/usb"
    USB_ARGS=(--usb-sysfs "$VPRINTER_DIR/usb")
    export QM_USB_SYSFS_ROOT="$VPRINTER_DIR/usb"
  fi
  # Ports below 1024 need root on the machine's network: the printer then reports
  # "not-bound" for those and serves the rest.
  # shellcheck disable=SC2086
  "$VPRINTER_BIN" --address 127.0.0.1 --output "$VPRINTER_DIR" --serial "$VPRINTER_DIR/ttyVP0" \
    "${USB_ARGS[@]}" ${QM_VPRINTER_ARGS:-} </dev/null > "$VPRINTER_DIR/services.txt" 2> "$VPRINTER_DIR/stderr.txt" &
  VPRINTER_PID=$!
  trap stop_vprinter EXIT
  trap 'stop_vprinter; exit 130' INT
  trap 'stop_vprinter; exit 143' TERM
  for _ in $(seq 50); do grep -q '^ready$' "$VPRINTER_DIR/services.txt" 2>/dev/null && break; sleep 0.1; done
  echo "Virtual printer (pages and events.jsonl in $VPRINTER_DIR):"
  sed 's/^/  /' "$VPRINTER_DIR/services.txt"
  if grep -q ' not-bound ' "$VPRINTER_DIR/services.txt"; then
    echo "  (ports below 1024 cannot be bound without root; the other services run)"
  fi
  # In the private namespace the printer is all there is to find.
  if [ "${QM_RUN_INSIDE_NETNS:-0}" = "1" ]; then
    export QM_TCP_SEGMENT="${QM_TCP_SEGMENT:-127.0.0.}"
  fi
fi

status=0
env "$WINDOW_MARK" "$BUILD_DIR/QuillmarkSystem" "$@" || status=$?
# A restarting window passes through other programs for a moment (a fork,
# an exec): only two looks half a second apart that both find none count.
while windows_running || { sleep 0.5; windows_running; }; do sleep 0.5; done
exit "$status"
