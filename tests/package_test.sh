#!/usr/bin/env bash
# The Debian package: built with CPack from the test build, unpacked with
# dpkg -x, its control data and contents checked with dpkg-deb and lintian (no
# errors), and the unpacked window program started offscreen from a read-only
# folder as an ordinary user: it must write its configuration and logs into the
# XDG folders of a temporary home.
#   tests/package_test.sh BUILD_DIR
set -euo pipefail
BUILD_DIR="$(cd "${1:?usage: package_test.sh BUILD_DIR}" && pwd)"
WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill -KILL "$APP_PID" 2>/dev/null || true; fi
  chmod -R u+w "$WORK" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# 1. Build the package into a folder of this test's own.
(cd "$BUILD_DIR" && cpack -G DEB -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; fail "cpack"; }
DEB="$(ls "$WORK"/pkg/quillmark-system_*_amd64.deb 2>/dev/null | head -1)"
[ -f "$DEB" ] || fail "no quillmark-system_<version>_amd64.deb"
echo "package: $(basename "$DEB") ($(stat -c %s "$DEB") bytes)"

# 2. Control data.
INFO="$(dpkg-deb -I "$DEB")"
for field in "Package: quillmark-system" "Architecture: amd64" "Section: utils"; do
  grep -q "$field" <<<"$INFO" || fail "control lacks '$field'"
done
for dep in libqt5quick5 libqt5serialport5 libcups2 libudev1 libzxing qml-module-qtquick-controls2 fonts-wqy-microhei; do
  grep -E "^ *Depends:.*$dep" <<<"$INFO" >/dev/null || fail "Depends lacks $dep"
done

# 3. Contents.
CONTENTS="$(dpkg-deb -c "$DEB" | awk '{print $6}')"
for f in ./usr/bin/QuillmarkSystem ./usr/bin/quillmark ./usr/bin/quillmark-virtual-printer \
         ./usr/share/applications/org.quillmark.QuillmarkSystem.desktop \
         ./usr/share/metainfo/org.quillmark.QuillmarkSystem.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.quillmark.QuillmarkSystem.svg \
         ./usr/share/icons/hicolor/48x48/apps/org.quillmark.QuillmarkSystem.png \
         ./usr/share/icons/hicolor/256x256/apps/org.quillmark.QuillmarkSystem.png \
         ./usr/share/bash-completion/completions/quillmark \
         ./usr/share/man/man1/quillmark.1.gz ./usr/share/man/man1/QuillmarkSystem.1.gz \
         ./usr/share/man/man1/quillmark-virtual-printer.1.gz \
         ./usr/share/doc/quillmark-system/copyright ./usr/share/doc/quillmark-system/changelog.gz \
         ./usr/lib/udev/rules.d/70-quillmark-system.rules; do
  grep -qxF "$f" <<<"$CONTENTS" || fail "package lacks $f"
done
if grep -vE '^\./usr(/|$)|^\./$' <<<"$CONTENTS" | grep -q .; then
  fail "files outside /usr: $(grep -vE '^\./usr(/|$)|^\./$' <<<"$CONTENTS" | head -3)"
fi

# 4. lintian: no errors.
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$DEB" >"$WORK/lintian.txt" 2>&1 || true
  if grep -q '^E:' "$WORK/lintian.txt"; then
    cat "$WORK/lintian.txt"
    fail "lintian reports errors"
  fi
  echo "lintian: $(grep -c '^W:' "$WORK/lintian.txt" || true) warning(s), no errors"
else
  fail "lintian is missing (scripts/deps.sh installs it)"
fi

# 5. Unpack; the manual page and the desktop entry are well-formed.
ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT"
man -l "$ROOT/usr/share/man/man1/quillmark.1.gz" 2>&1 >/dev/null | grep -q . && fail "manual page warnings"
grep -q '^Exec=QuillmarkSystem$' "$ROOT/usr/share/applications/org.quillmark.QuillmarkSystem.desktop" \
  || fail "desktop entry Exec"
QM_LANGUAGE=en_US "$ROOT/usr/bin/quillmark" --help | grep -q '^Usage: quillmark COMMAND' || fail "quillmark --help"

# 6. The window program from a read-only folder, as an ordinary user.
if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null; then
  echo "SKIP window start: needs root and setpriv to run as another user"
  exit 0
fi
APPHOME="$WORK/home"
mkdir -p "$APPHOME"
chown 65534:65534 "$APPHOME"
chmod 755 "$WORK"
chmod -R a-w "$ROOT"
APP_LOG="$WORK/app.out"
env -i PATH=/usr/bin:/bin HOME="$APPHOME" XDG_CONFIG_HOME="$APPHOME/config" XDG_STATE_HOME="$APPHOME/state" \
  XDG_RUNTIME_DIR="$APPHOME" QT_QPA_PLATFORM=offscreen \
  setpriv --reuid=65534 --regid=65534 --clear-groups "$ROOT/usr/bin/QuillmarkSystem" >"$APP_LOG" 2>&1 &
APP_PID=$!
CONFIG="$APPHOME/config/QuillmarkSystem/configFile"
LOGS="$APPHOME/state/QuillmarkSystem/LogFile"
for _ in $(seq 300); do
  if [ -f "$CONFIG/initial.ini" ] && [ -f "$CONFIG/printtest.ini" ] && ls "$LOGS"/*.log >/dev/null 2>&1; then
    break
  fi
  kill -0 "$APP_PID" 2>/dev/null || break
  sleep 0.1
done
[ -f "$CONFIG/initial.ini" ] || { cat "$APP_LOG"; fail "no $CONFIG/initial.ini"; }
[ -f "$CONFIG/printtest.ini" ] || { cat "$APP_LOG"; fail "no $CONFIG/printtest.ini"; }
ls "$LOGS"/*.log >/dev/null 2>&1 || { cat "$APP_LOG"; fail "no log file under $LOGS"; }
grep -q "Configuration Manager initialization completed\|配置管理器初始化完成" "$LOGS"/*.log || fail "log lacks the start-up lines"
[ ! -e "$ROOT/usr/bin/configFile" ] && [ ! -e "$ROOT/usr/bin/LogFile" ] || fail "wrote beside the executable"
kill -TERM "$APP_PID" 2>/dev/null || true
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
echo "window program: configuration in $CONFIG, logs in $LOGS"
