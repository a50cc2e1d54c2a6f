#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The game's tag texts: files of lines "tag=text" inside the text archives.

// Decodes a tag file: a leading UTF-8 byte-order mark is dropped; the rest is
// read as UTF-8, or as Windows-1252 when it is not valid UTF-8.
QString DecodeTagFile(const QByteArray& bytes);

// Removes the colour codes "{^X}" and "^X" (X any one character).
QString RemoveColourCodes(const QString& text);

// Calls `take(tag, text)` for each tag line of a file, in file order. Lines end
// at CR LF, LF or CR; blank lines, lines beginning with "#" and lines without
// "=" are skipped. A line splits at its first "="; the tag is trimmed, the
// text has its colour codes removed and is trimmed.
void ForEachTag(const QByteArray& fileBytes, const std::function<void(const QString& tag, const QString& text)>& take);
