#pragma once

#include <QString>

// The path separator of the platform.
QChar PathDelimiter();
// The path with one trailing separator.
QString IncludeTrailingPathDelimiter(const QString& path);

// Maps a name read from a save (a character's name) to a name that can only
// ever be one file inside the folder it is joined to. Ordinary names map to
// themselves. "%", path separators and control characters (and, on Windows,
// the characters the file system forbids) become "%XX" with the code in
// hexadecimal, so distinct names keep distinct files; "", "." and ".." are
// encoded likewise; a name too long for a file name is shortened and given a
// hash of the whole name. Every reader and writer of per-character files
// uses it.
QString NameToFileName(const QString& name);
