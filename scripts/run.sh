#!/usr/bin/env bash
# Installs what is missing, builds, and starts QuillmarkSystem.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
export BUILD_DIR

"$ROOT/scripts/deps.sh"
"$ROOT/scripts/build.sh"

exec "$BUILD_DIR/QuillmarkSystem" "$@"
