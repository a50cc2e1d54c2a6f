#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks what lands there:
# exactly the two programs, the desktop entry, the icon and the metainfo; the
# programs free of paths into the build tree; the desktop entry and the
# metainfo accepted by desktop-file-validate and appstreamcli.
#   install-test.sh BUILD_DIR APP_ID
set -euo pipefail
BUILD=$1
APP_ID=$2
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$STAGE" >/dev/null

expected=$(printf '%s\n' \
  bin/quillmark \
  bin/quillmark-cli \
  "share/applications/$APP_ID.desktop" \
  "share/icons/hicolor/scalable/apps/$APP_ID.svg" \
  "share/metainfo/$APP_ID.metainfo.xml" | sort)
installed=$(cd "$STAGE" && find . -type f -o -type l | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$installed"))"

for program in quillmark quillmark-cli; do
  [ -x "$STAGE/bin/$program" ] || fail "bin/$program is not executable"
  if readelf -d "$STAGE/bin/$program" | grep -Eq 'RPATH|RUNPATH'; then
    fail "bin/$program keeps a library search path: $(readelf -d "$STAGE/bin/$program" | grep -E 'RPATH|RUNPATH')"
  fi
done

desktop="$STAGE/share/applications/$APP_ID.desktop"
metainfo="$STAGE/share/metainfo/$APP_ID.metainfo.xml"
grep -qx 'Exec=quillmark' "$desktop" || fail "the desktop entry does not start quillmark"
grep -qx "Icon=$APP_ID" "$desktop" || fail "the desktop entry does not name the installed icon"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q '@PROJECT_VERSION@' "$metainfo" && fail "the metainfo's version was not filled in"
grep -q '<svg' "$STAGE/share/icons/hicolor/scalable/apps/$APP_ID.svg" || fail "the icon is no SVG"

missing=()
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIP: validators not installed: ${missing[*]} (scripts/setup.sh installs them)"
  exit 77
fi

# Hints count too: desktop-file-validate exits with 0 on them.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
echo "installed files complete; desktop entry and metainfo valid"
