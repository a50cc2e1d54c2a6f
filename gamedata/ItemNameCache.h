#pragma once

#include <QString>
#include <QStringList>

// The usual name of the cache file in the Notes folder.
inline constexpr char ItemNameCacheFileName[] = "GameItemNames.txt";

enum class TItemNameCacheOutcome {
  FromCache,  // the cache matched the game files and was used
  Rebuilt,    // the names were read from the game files (and cached, see CacheProblem)
  Failed,     // the game files could not be read whole; Lines has what could be
};

struct TItemNameCacheResult {
  TItemNameCacheOutcome Outcome = TItemNameCacheOutcome::Failed;
  // "record path=display name" lines, as ExtractItemNames gives them.
  QStringList Lines;
  // Failed: what could not be read, one message per problem.
  QStringList Problems;
  // Rebuilt, but the cache file could not be written: why (the names are good).
  QString CacheProblem;
};

// The item names of a game folder, from the cache file when it was made from
// the same folder and its game files still have the sizes and modification
// times it recorded (a file that was missing must still be missing);
// otherwise read from the game files and written to the cache. A failed
// extraction is not cached, so the next start tries again.
TItemNameCacheResult LoadOrBuildItemNameCache(const QString& gameFolder, const QString& cacheFile);
