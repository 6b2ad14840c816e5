#!/usr/bin/env bash
# Refreshes resources/*.ts from the tr() texts in the sources and scenes.
# Existing translations are kept; new texts appear unfinished in the English file.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"
LUPDATE="$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)"
for lang in zh_CN en_US; do
  "$LUPDATE" -silent -locations none -I "$ROOT" -source-language zh_CN -target-language "$lang" \
    app platform text device commands transport services scenes tools/cli fleet -ts "resources/KVZQuillmark_$lang.ts"
done
