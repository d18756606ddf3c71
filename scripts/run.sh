#!/bin/sh
# Installs what is missing, builds and starts the application.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
exec "${GARVO_BUILD_DIR:-build}/garvo" "$@"
