#!/usr/bin/env bash
# scripts/run.sh with a stand-in window beside the real virtual printer: the
# stand-in does what a language switch does (starts its successor detached, in
# a session of its own, and quits at once). The script must keep the printer
# while the successor runs, return only after it, stop the printer then, and
# give the window the printer's segment to search.
#   tests/run_script_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
SOURCE_DIR="$(cd "${1:?usage: run_script_test.sh SOURCE_DIR BUILD_DIR}" && pwd)"
BUILD_DIR="$(cd "${2:?usage: run_script_test.sh SOURCE_DIR BUILD_DIR}" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

FAKE="$WORK/build"
mkdir -p "$FAKE/tools/virtual_printer"
ln -s "$BUILD_DIR/tools/virtual_printer/quillmark-virtual-printer" "$FAKE/tools/virtual_printer/"
# Started by bash itself (no env in between), so that the process keeps the
# window's name, as the real one does.
printf '#!%s\n' "$BASH" > "$FAKE/QuillmarkSystem"
cat >> "$FAKE/QuillmarkSystem" <<'EOF'
# First start: note the segment, start the successor detached and quit.
# Successor: a while later, see whether the printer still answers.
RECORD="$(dirname "$0")/record"
if [ "${1:-}" != successor ]; then
  echo "segment=${QM_TCP_SEGMENT:-}" > "$RECORD"
  setsid "$0" successor </dev/null >/dev/null 2>&1 &
  exit 0
fi
sleep 2
port=$(sed -n 's/^tcp listening 127\.0\.0\.1:\([0-9]*\)$/\1/p' "$(dirname "$0")/vprinter/services.txt")
if [ -n "$port" ] && (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  echo "printer=answers" >> "$RECORD"
else
  echo "printer=gone" >> "$RECORD"
fi
echo "$port" > "$RECORD.port"
mv "$RECORD" "$RECORD.done"
EOF
chmod +x "$FAKE/QuillmarkSystem"

# Inside the test's own namespace already: no second one, no build.
QM_RUN_INSIDE_NETNS=1 BUILD_DIR="$FAKE" QM_TCP_SEGMENT= \
  QM_VPRINTER_ARGS="--raw-port 0 --http-port -1 --netbios-port -1" \
  timeout 60 "$SOURCE_DIR/scripts/run.sh" > "$WORK/run.out" 2>&1 || { cat "$WORK/run.out"; fail "run.sh failed"; }

[ -f "$FAKE/record.done" ] || fail "run.sh returned while the restarted window still ran"
grep -qx "segment=127.0.0." "$FAKE/record.done" || fail "segment: $(head -1 "$FAKE/record.done")"
grep -qx "printer=answers" "$FAKE/record.done" || fail "the printer was gone before the restarted window"
port="$(cat "$FAKE/record.port")"
if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
  fail "the printer still runs after run.sh returned"
fi
echo "ok"
