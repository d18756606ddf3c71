#!/bin/sh
# Installs every Debian 12 package that building, testing and running Garvo needs.
# Idempotent: packages already present are left as they are.
set -eu

PACKAGES="
build-essential
cmake
pkg-config
qtbase5-dev
qtbase5-dev-tools
qttools5-dev-tools
libqt5sql5-sqlite
libsqlite3-dev
libqt5svg5
libqcustomplot-dev
libquazip1-qt5-dev
xvfb
xauth
fonts-dejavu-core
desktop-file-utils
appstream
poppler-utils
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
