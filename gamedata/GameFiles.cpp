#include "GameFiles.h"

#include "TextCompare.h"

#include <QDir>
#include <QFileInfo>

const std::array<TGameLayer, 4>& GameLayers() {
  static const std::array<TGameLayer, 4> layers = {{
      {"database/database.arz", "resources/Text_EN.arc"},
      {"gdx1/database/GDX1.arz", "gdx1/resources/Text_EN.arc"},
      {"gdx2/database/GDX2.arz", "gdx2/resources/Text_EN.arc"},
      {"gdx3/database/GDX3.arz", "gdx3/resources/Text_EN.arc"},
  }};
  return layers;
}

namespace {

// The entry of a folder named `name`, or one differing only in ASCII case.
QString FindEntry(const QString& folder, const QString& name, bool wantFolder) {
  const QFileInfo exact(folder + QLatin1Char('/') + name);
  if (exact.exists() && exact.isDir() == wantFolder) return exact.filePath();
  const QDir::Filters filter = (wantFolder ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot;
  const QStringList entries = QDir(folder).entryList(filter);
  for (const QString& entry : entries) {
    if (SameTextAscii(entry, name)) return folder + QLatin1Char('/') + entry;
  }
  return QString();
}

}  // namespace

QString LocateGameFile(const QString& gameFolder, const QString& relativePath) {
  const QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QString current = QDir::cleanPath(gameFolder);
  for (qsizetype i = 0; i < parts.size() && !current.isEmpty(); ++i) {
    current = FindEntry(current, parts[i], i + 1 < parts.size());
  }
  return current;
}

TGameFiles FindGameFiles(const QString& gameFolder) {
  TGameFiles files;
  for (const TGameLayer& layer : GameLayers()) {
    const QString database = LocateGameFile(gameFolder, QString::fromLatin1(layer.Database));
    if (!database.isEmpty()) files.Databases << database;
    const QString archive = LocateGameFile(gameFolder, QString::fromLatin1(layer.TextArchive));
    if (!archive.isEmpty()) files.TextArchives << archive;
  }
  return files;
}
