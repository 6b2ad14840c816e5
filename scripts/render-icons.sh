#!/usr/bin/env bash
# Redraws the PNG pictures under resources/img/Resources from our SVG drawings in
# resources/icons (run after changing a drawing; the PNGs are committed).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="$ROOT/resources/img/Resources"
mkdir -p "$OUT"/{commonUI,leftBar,dialog,title,rightImg/stackPages/TcpUsbPage}
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
  timeout 60 /usr/lib/qt5/bin/qmltestrunner -input "$ROOT/resources/icons/render.qml"
find "$OUT" -name '*.png' | sort
