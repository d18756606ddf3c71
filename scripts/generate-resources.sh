#!/bin/sh
# Regenerates the pictures under resource/ and resource/resources.qrc.
# Developer tool only: the generated files are committed, so building needs
# none of this. Needs rsvg-convert (Debian librsvg2-bin), Pillow
# (python3-pil) and the @mdi/svg npm package, fetched into a scratch folder
# outside the repository.
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
MDI=${MDI_DIR:-/tmp/mdi}

if ! command -v rsvg-convert >/dev/null 2>&1 || ! /usr/bin/python3 -c 'import PIL' 2>/dev/null; then
    echo "Install the developer tools first: apt-get install librsvg2-bin python3-pil" >&2
    exit 1
fi

if [ ! -d "$MDI/node_modules/@mdi/svg/svg" ]; then
    mkdir -p "$MDI"
    (cd "$MDI" && npm install --no-save --no-package-lock @mdi/svg@7.4.47)
fi

/usr/bin/python3 "$ROOT/scripts/resources/generate.py" "$MDI/node_modules/@mdi/svg/svg" "$ROOT/resource"
echo "Resources written to $ROOT/resource"
