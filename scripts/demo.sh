#!/usr/bin/env bash
# Prints the characters of the bundled demo save folder, then, when a display
# is available, opens the program's window on them.
set -euo pipefail
BUILD=$1
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SAVES="$ROOT/examples/save"

"$BUILD/tools/quillmark-cli" list "$SAVES"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exit 0
fi

# The window keeps its settings beside the program. A settings file that
# names no save folder yet gets the demo folder, so the window opens on it;
# one the user has pointed elsewhere is left as it is.
INI="$BUILD/app/quillmark.ini"
if [ ! -f "$INI" ] || ! grep -qi '^GD Save Path=' "$INI"; then
  if [ -f "$INI" ] && grep -qi '^\[PATHS\]' "$INI"; then
    sed -i "/^\[PATHS\]/I a GD Save Path=$SAVES/\r" "$INI"
  else
    printf '[PATHS]\r\nGD Save Path=%s/\r\n' "$SAVES" >> "$INI"
  fi
fi
exec "$BUILD/app/quillmark"
