#!/usr/bin/env bash
# The bash completion of quillmark in a plain bash (no bash-completion
# package loaded): each line is a command line being typed and the words it
# must offer, or (after !) one it must not.
#   tests/completion_test.sh SOURCE_DIR
set -euo pipefail
SOURCE_DIR="$(cd "${1:?usage: completion_test.sh SOURCE_DIR}" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/pics"
touch "$WORK/shop.png" "$WORK/SHOP2.JPG" "$WORK/notes.txt"

cd "$WORK"
env -i HOME="$WORK" PATH=/usr/bin:/bin bash --norc --noprofile -c '
set -u
source "$1"
status=0
complete_line() { # LINE: fills COMPREPLY as bash would on TAB at its end
  read -ra COMP_WORDS <<< "$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
  COMPREPLY=()
  _quillmark quillmark "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>"errors" || true
  if [[ -s errors ]]; then echo "FAIL \"$1\": $(cat errors)"; status=1; fi
}
while IFS="|" read -r line want; do
  complete_line "$line"
  for word in $want; do
    if [[ $word == !* ]]; then
      [[ " ${COMPREPLY[*]-} " != *" ${word#!} "* ]] || { echo "FAIL \"$line\" offers ${word#!}"; status=1; }
    else
      [[ " ${COMPREPLY[*]-} " == *" $word "* ]] || { echo "FAIL \"$line\" lacks $word: ${COMPREPLY[*]-}"; status=1; }
    fi
  done
done <<EOF
quillmark |scan beep test-page --version
quillmark li|list !scan
quillmark list |usb serial queues
quillmark logo --dither |threshold floyd-steinberg atkinson bayer
quillmark test-page --receipt |58 76 80
quillmark barcode --tcp 127.0.0.1 |ean13 upc-a
quillmark logo |shop.png SHOP2.JPG pics !notes.txt
quillmark run --script |notes.txt shop.png
quillmark render no|notes.txt
quillmark beep --|--tcp --times --duration
EOF
exit $status
' completion "$SOURCE_DIR/tools/cli/quillmark.bash"
echo ok
