#include "ItemNameCache.h"

#include "Errors.h"
#include "GameFiles.h"
#include "ItemNameExtractor.h"
#include "TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// Raise it whenever the extraction rules change, so old caches are rebuilt.
const QString CacheHeader = QStringLiteral("Quillmark game item names 1");
const QString GamePrefix = QStringLiteral("game=");
const QString FilePrefix = QStringLiteral("file=");
const QString CountPrefix = QStringLiteral("lines=");

QString StampOf(const QString& gameFolder, const char* relativePath) {
  const QString fileName = LocateGameFile(gameFolder, QString::fromLatin1(relativePath));
  const QFileInfo info(fileName);
  if (fileName.isEmpty() || !info.exists()) return FilePrefix + QString::fromLatin1(relativePath) + QStringLiteral(";-1;-1");
  return FilePrefix + QStringLiteral("%1;%2;%3")
                          .arg(QString::fromLatin1(relativePath))
                          .arg(info.size())
                          .arg(info.lastModified().toMSecsSinceEpoch());
}

// The lines that identify the game files the names come from.
QStringList CacheHead(const QString& gameFolder) {
  QStringList head{CacheHeader, GamePrefix + QDir(gameFolder).absolutePath()};
  for (const TGameLayer& layer : GameLayers()) {
    head << StampOf(gameFolder, layer.Database) << StampOf(gameFolder, layer.TextArchive);
  }
  return head;
}

// The cached lines when the cache file matches `head`; false otherwise.
bool ReadCache(const QString& cacheFile, const QStringList& head, QStringList& lines) {
  QStringList content;
  try {
    content = ReadTextFileLines(cacheFile);
  } catch (const EError&) {
    return false;
  }
  const qsizetype countLine = head.size();
  if (content.size() <= countLine || content.first(countLine) != head) return false;
  if (!content[countLine].startsWith(CountPrefix)) return false;
  bool ok = false;
  const qsizetype count = content[countLine].mid(CountPrefix.size()).toLongLong(&ok);
  // A count that does not match means the file was cut short or edited.
  if (!ok || count != content.size() - countLine - 1) return false;
  lines = content.sliced(countLine + 1);
  return true;
}

}  // namespace

TItemNameCacheResult LoadOrBuildItemNameCache(const QString& gameFolder, const QString& cacheFile) {
  TItemNameCacheResult result;
  const QStringList head = CacheHead(gameFolder);
  if (ReadCache(cacheFile, head, result.Lines)) {
    result.Outcome = TItemNameCacheOutcome::FromCache;
    return result;
  }
  TItemNameExtraction extraction = ExtractItemNames(gameFolder);
  result.Lines = std::move(extraction.Lines);
  if (extraction.Failed()) {
    result.Outcome = TItemNameCacheOutcome::Failed;
    result.Problems = std::move(extraction.Problems);
    return result;
  }
  result.Outcome = TItemNameCacheOutcome::Rebuilt;
  try {
    WriteTextFileLines(cacheFile, head + QStringList{CountPrefix + QString::number(result.Lines.size())} + result.Lines);
  } catch (const EError& e) {
    result.CacheProblem = QDir::toNativeSeparators(cacheFile) + QStringLiteral(": ") + e.Message();
  }
  return result;
}
