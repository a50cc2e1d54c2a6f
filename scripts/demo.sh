#!/usr/bin/env bash
# Shows the characters of the bundled demo save folder.
set -euo pipefail
BUILD=$1
ROOT=$(cd "$(dirname "$0")/.." && pwd)
exec "$BUILD/tools/quillmark-cli" list "$ROOT/examples/save"
