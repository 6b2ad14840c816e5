#!/usr/bin/env bash
# Builds quillmark-system_<version>_amd64.deb with CPack into the checkout's
# top folder (or $OUT_DIR): the window program, quillmark, the virtual printer,
# desktop entry, icons, metainfo, manual pages and bash completion.
#   ./scripts/package.sh            then: sudo apt install ./quillmark-system_*.deb
# Reuses build/ (or $BUILD_DIR); the package is always a release-type build
# with stripped programs.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
OUT_DIR="${OUT_DIR:-$ROOT}"
export BUILD_DIR

"$ROOT/scripts/deps.sh"
"$ROOT/scripts/build.sh"

STAGE="$(mktemp -d)"
trap 'rm -rf "$STAGE"' EXIT
(cd "$BUILD_DIR" && cpack -G DEB -B "$STAGE" >"$STAGE/cpack.log") || { cat "$STAGE/cpack.log"; exit 1; }
DEB="$(ls "$STAGE"/quillmark-system_*_amd64.deb)"
mkdir -p "$OUT_DIR"
cp "$DEB" "$OUT_DIR/"
echo "$OUT_DIR/$(basename "$DEB")"
