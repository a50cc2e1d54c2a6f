#include "ItemNameExtractor.h"

#include "ArcArchive.h"
#include "ArzDatabase.h"
#include "Errors.h"
#include "GameFiles.h"
#include "ItemNameRule.h"
#include "TagTable.h"

#include <QDir>

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// A path that would not survive as the name part of a "path=name" line.
bool UnsafePath(QByteArrayView path) {
  return path.isEmpty() || std::any_of(path.begin(), path.end(), [](char c) { return c == '=' || uchar(c) < 32; });
}

struct TByteArrayHash {
  std::size_t operator()(const QByteArray& bytes) const noexcept { return qHash(bytes); }
};

using TNameTagsByPath = std::unordered_map<QByteArray, TItemNameTags, TByteArrayHash>;

// Records of one database that could not be read: the first message and how many.
struct TDamagedRecords {
  QString First;
  int Count = 0;

  void Report(QStringList& problems) const {
    if (Count == 0) return;
    problems << (Count == 1 ? First : First + QStringLiteral(" (and %1 more damaged records)").arg(Count - 1));
  }
};

TTagTable ReadTagTexts(const QStringList& archives, QStringList& problems) {
  TTagTable texts;
  for (const QString& fileName : archives) {
    try {
      texts.AddArchive(TArcArchive::Open(fileName), problems);
    } catch (const EError& e) {
      problems << e.Message();
    }
  }
  return texts;
}

// Adds one database's records to the table; a record of a path already there replaces it.
void ReadNameTags(const TArzDatabase& database, TNameTagsByPath& byPath, QStringList& problems) {
  if (!database.ChecksumProblem().isEmpty()) {
    problems << QDir::toNativeSeparators(database.FileName()) + QStringLiteral(": ") + database.ChecksumProblem();
  }
  const TItemNameFieldReader reader(database);
  TArzRecord record;
  TDamagedRecords damaged;
  for (int i = 0; i < database.RecordCount(); ++i) {
    const QByteArrayView path = database.RecordPath(i);
    if (UnsafePath(path)) continue;
    QByteArray key = path.toByteArray().toLower();
    if (!CanNameItem(path, database.RecordClass(i))) {
      byPath.erase(key);
      continue;
    }
    try {
      database.ReadRecord(i, record);
    } catch (const EError& e) {
      // The earlier layer's record, if any, stays: better an older name than none.
      if (damaged.Count++ == 0) damaged.First = e.Message();
      continue;
    }
    byPath.insert_or_assign(std::move(key), reader.Read(record));
  }
  damaged.Report(problems);
}

QStringList ResolveNames(const TNameTagsByPath& byPath, const TTagTable& texts) {
  std::vector<std::pair<QByteArray, QString>> named;
  named.reserve(byPath.size());
  for (const auto& [path, tags] : byPath) {
    QString name = DisplayNameOf(tags, texts);
    if (!name.isEmpty()) named.emplace_back(path, std::move(name));
  }
  std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  QStringList lines;
  lines.reserve(qsizetype(named.size()));
  for (const auto& [path, name] : named) lines << QString::fromUtf8(path) + QLatin1Char('=') + name;
  return lines;
}

}  // namespace

TItemNameExtraction ExtractItemNames(const QString& gameFolder) {
  TItemNameExtraction result;
  const TGameFiles files = FindGameFiles(gameFolder);
  const QString folder = QDir::toNativeSeparators(gameFolder);
  if (files.Databases.isEmpty()) {
    result.Problems << QStringLiteral("No game database found in %1").arg(folder);
    return result;
  }
  if (files.TextArchives.isEmpty()) {
    result.Problems << QStringLiteral("No English tag texts found in %1").arg(folder);
    return result;
  }
  const TTagTable texts = ReadTagTexts(files.TextArchives, result.Problems);
  TNameTagsByPath byPath;
  for (const QString& fileName : files.Databases) {
    try {
      ReadNameTags(TArzDatabase::Open(fileName), byPath, result.Problems);
    } catch (const EError& e) {
      result.Problems << e.Message();
    }
  }
  result.Lines = ResolveNames(byPath, texts);
  return result;
}
