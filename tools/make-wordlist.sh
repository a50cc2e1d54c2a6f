#!/usr/bin/env bash
# Regenerates the built-in English word list data/english-words.dict from
# Debian's wamerican word list (SCOWL), and the copyright note beside it.
#
# The list's format: lower-case words of 2 to 20 letters a-z, one per line,
# every line ended by CR LF, strictly ascending in byte order, no duplicates,
# plain ASCII. Words with capitals (names), apostrophes (possessives) or
# accented letters are left out.
#
#   tools/make-wordlist.sh [source word list]     (default /usr/share/dict/american-english)
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCE=${1:-/usr/share/dict/american-english}
OUT=data/english-words.dict
NOTE=data/english-words.LICENSE
COPYRIGHT=/usr/share/doc/wamerican/copyright

if [ ! -r "$SOURCE" ]; then
  echo "No word list at $SOURCE (install the wamerican package)" >&2
  exit 1
fi

tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
LC_ALL=C grep -xE '[a-z]{2,20}' "$SOURCE" | LC_ALL=C sort -u | sed 's/$/\r/' >"$tmp"
mv "$tmp" "$OUT"
trap - EXIT
chmod 644 "$OUT"

version=$(dpkg-query -W -f='${Version}' wamerican 2>/dev/null || echo unknown)
{
  echo "english-words.dict: the built-in English word list of the spelling dictionary."
  echo
  echo "Made by tools/make-wordlist.sh from $SOURCE of the Debian package"
  echo "wamerican $version (SCOWL, Spell Checker Oriented Word Lists, by Kevin"
  echo "Atkinson, http://wordlist.aspell.net/), keeping only the lower-case words"
  echo "of 2 to 20 letters a-z: $(wc -l <"$OUT") words."
  echo
  echo "The copyright and permission notice of the source, as Debian ships it:"
  echo
  echo "------------------------------------------------------------------------"
  if [ -r "$COPYRIGHT" ]; then cat "$COPYRIGHT"; else echo "($COPYRIGHT not found)"; fi
} >"$NOTE"

echo "Wrote $OUT ($(wc -l <"$OUT") words) and $NOTE"
