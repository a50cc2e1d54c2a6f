#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Steam's list of its library folders, "steamapps/libraryfolders.vdf": a
// KeyValues text of quoted (or bare) keys and values, blocks in braces and
// "//" comments. Both layouts Steam has written are understood:
//
//   "libraryfolders" { "0" { "path" "/home/me/.local/share/Steam" ... } ... }
//   "LibraryFolders" { "ContentStatsID" "..." "1" "D:\\SteamLibrary" }
//
// The file may be damaged or hostile: reading stops at a size limit, a nesting
// limit and a limit on the number of folders, and never fails.

inline constexpr qint64 MaxLibraryFoldersFileBytes = 1 << 20;
inline constexpr int MaxLibraryFolderNesting = 32;
inline constexpr int MaxLibraryFolders = 256;

// The library paths in file order, with the escapes "\\" and "\"" resolved,
// each once; empty paths are left out. The separators are left as written.
QStringList ParseSteamLibraryFolders(const QByteArray& text);

// The same from a file; a missing, unreadable or oversized file lists none.
QStringList ReadSteamLibraryFolders(const QString& fileName);
