#!/usr/bin/env bash
# Responsiveness benchmark, run by hand as root (not part of the test run):
#   cmake -S . -B build -DQM_BUILD_BENCH=ON && cmake --build build --target quillmark-gui-stall
#   bench/gui_stall.sh [build-dir] [--cases usb,spooler,tcp,lan,spooler-result]
#
# Runs inside a private network namespace of its own: loopback only, plus a
# route that sends 10.99.0.0/24 into loopback, where packets for an address
# that is not ours are dropped: a connect to 10.99.0.2 never gets an answer.
# Nothing leaves the namespace.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$(cd "${1:-$ROOT/build}" && pwd)"
shift || true
BIN="$BUILD_DIR/bench/gui_stall/quillmark-gui-stall"
[ -x "$BIN" ] || { echo "missing $BIN (configure with -DQM_BUILD_BENCH=ON and build it)" >&2; exit 1; }

if [ -z "${QM_BENCH_PRIVATE:-}" ]; then
  UNSHARE=(unshare -n)
  [ "$(id -u)" -eq 0 ] || UNSHARE=(unshare -r -n)
  exec "${UNSHARE[@]}" env QM_BENCH_PRIVATE=1 bash "$0" "$BUILD_DIR" "$@"
fi

ip link set lo up
ip route add 10.99.0.0/24 dev lo
exec "$BIN" --silent-address 10.99.0.2 "$@"
