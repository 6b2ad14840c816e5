#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Only what is missing is installed, so a second run costs nothing.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

PACKAGES=(
  build-essential cmake pkg-config ccache
  qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools qtquickcontrols2-5-dev
  libqt5serialport5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls2
  qml-module-qtquick-controls qml-module-qtquick-layouts qml-module-qtgraphicaleffects
  qml-module-qt-labs-platform qml-module-qtquick-dialogs qml-module-qttest
  libzxing-dev libcups2-dev libudev-dev libbenchmark-dev prometheus-cpp-dev
  cups cups-bsd iproute2 util-linux fonts-wqy-microhei fonts-noto-color-emoji
  nmap prometheus
  help2man lintian librsvg2-bin dpkg-dev fakeroot
)

# npm fetches the ESC/POS client below; Debian's when the machine has none.
command -v npm >/dev/null || PACKAGES+=(nodejs npm)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
  # The prometheus package starts a server of its own (port 9090) and enables
  # it at boot; the tests start private ones on free ports and want no other.
  if [[ " ${missing[*]} " == *" prometheus "* ]]; then
    if [ -d /run/systemd/system ]; then
      $SUDO systemctl disable --now prometheus.service >/dev/null 2>&1 || true
    else
      $SUDO service prometheus stop >/dev/null 2>&1 || true
      $SUDO update-rc.d prometheus disable >/dev/null 2>&1 || true
    fi
  fi
fi

# A real ESC/POS client from npm, whose receipts the render test feeds to
# quillmark render. It goes into the build folder (the tests run without a
# network, so it is installed here, before them).
NPM_PACKAGE="@point-of-sale/receipt-printer-encoder"
NPM_VERSION="4.0.1"
NPM_DIR="${BUILD_DIR:-$ROOT/build}/npm"
if command -v npm >/dev/null; then
  if ! grep -qs "\"version\": \"$NPM_VERSION\"" "$NPM_DIR/node_modules/$NPM_PACKAGE/package.json"; then
    mkdir -p "$NPM_DIR"
    echo "Installing $NPM_PACKAGE@$NPM_VERSION into $NPM_DIR"
    npm install --prefix "$NPM_DIR" --no-audit --no-fund --loglevel=error "$NPM_PACKAGE@$NPM_VERSION"
  fi
else
  echo "npm not found: the test of quillmark render with $NPM_PACKAGE will be skipped"
fi
