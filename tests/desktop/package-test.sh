#!/usr/bin/env bash
# Builds the Debian package from a build tree (cpack -G DEB), checks its
# dependencies, unpacks it into a temporary root (dpkg -x) and lists the demo
# save folder with the command-line tool from there.
#   package-test.sh BUILD_DIR DEMO_SAVE_DIR
set -euo pipefail
BUILD=$1
SAVES=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool not installed (scripts/setup.sh installs it)"; exit 77; }
done

cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
DEB=${debs[0]}
dpkg-deb -I "$DEB"

# Depends, one package name a line, without versions.
depends=$(dpkg-deb -f "$DEB" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | grep -v '^$' | sort -u)
has_dependency() { grep -qx "$1" <<<"$depends"; }
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6dbus6 libenchant-2-2; do
  has_dependency "$package" || fail "Depends lacks $package"
done
has_dependency '${shlibs:Depends}' && fail "Depends holds an unfilled substitution"
dpkg-deb -f "$DEB" Recommends | grep -q hunspell-en-us || fail "Recommends lacks hunspell-en-us"

ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT"
for file in usr/bin/quillmark usr/bin/quillmark-cli usr/share/applications/org.quillmark.Quillmark.desktop \
  usr/share/icons/hicolor/scalable/apps/org.quillmark.Quillmark.svg \
  usr/share/metainfo/org.quillmark.Quillmark.metainfo.xml; do
  [ -f "$ROOT/$file" ] || fail "the package lacks $file"
done

# The package that holds a library file, under its own path or, on a merged
# /usr, the other one.
owner_of() {
  local path
  path=$(realpath "$1")
  { dpkg -S "$path" || dpkg -S "${path#/usr}"; } 2>/dev/null | head -n 1 | cut -d: -f1
}

# Every library the programs load directly comes from a package the package
# depends on.
for program in quillmark quillmark-cli; do
  binary="$ROOT/usr/bin/$program"
  resolved=$(ldd "$binary")
  for library in $(readelf -d "$binary" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    # "name => path (address)", or "path (address)" for the dynamic loader.
    path=$(awk -v l="$library" '$1 == l && $2 == "=>" {print $3; exit}
      substr($1, length($1) - length(l)) == "/" l {print $1; exit}' <<<"$resolved")
    [ -n "$path" ] && [ "$path" != "not" ] || fail "$program: $library not found"
    owner=$(owner_of "$path")
    [ -n "$owner" ] || fail "no installed package holds $path, needed by $program"
    has_dependency "$owner" || fail "$program needs $library from $owner, which Depends lacks"
  done
done

# The unpacked command-line tool lists the demo characters.
listing=$("$ROOT/usr/bin/quillmark-cli" list "$SAVES") || fail "quillmark-cli list exited with $?"
echo "$listing"
count=0
for folder in "$SAVES"/main/_*/; do
  name=$(basename "$folder")
  name=${name#_}
  grep -q "$name" <<<"$listing" || fail "the listing lacks $name"
  count=$((count + 1))
done
[ "$count" -gt 0 ] || fail "no characters in $SAVES"
echo "package installs and lists $count demo characters"
