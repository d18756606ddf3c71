#!/bin/sh
# Configures and builds Garvo into ./build (or $GARVO_BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR="${GARVO_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
