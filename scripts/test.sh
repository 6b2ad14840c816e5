#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite inside a private
# network namespace: only loopback exists there, so no test can reach a real LAN.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
export BUILD_DIR

"$ROOT/scripts/deps.sh"
"$ROOT/scripts/build.sh"

UNSHARE=(unshare -n)
[ "$(id -u)" -eq 0 ] || UNSHARE=(unshare -r -n)
exec "${UNSHARE[@]}" bash -c '
  set -e
  ip link set lo up
  cd "$BUILD_DIR"
  ctest --output-on-failure -j2 "$@"
' ctest-in-netns "$@"
