#include "UFileLocations.h"

#include "FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString kNotesFolder = QStringLiteral("Notes");

// The file's path with its extension replaced.
QString ChangeFileExt(const QString& AFileName, const QString& AExtension) {
  const QFileInfo info(AFileName);
  return QDir(info.path()).filePath(info.completeBaseName() + AExtension);
}

}  // namespace

bool CanCreateFilesIn(const QString& AFolder) {
  if (!QFileInfo(AFolder).isDir()) return false;
  QTemporaryFile probe(QDir(AFolder).filePath(QStringLiteral(".quillmark-probe-XXXXXX")));
  return probe.open();  // removed again when it goes out of scope
}

TFileLocations PortableFileLocations(const QString& AProgramFile) {
  TFileLocations locations;
  locations.IniFile = ChangeFileExt(AProgramFile, QStringLiteral(".ini"));
  locations.NotesPath =
      IncludeTrailingPathDelimiter(QFileInfo(AProgramFile).path()) + kNotesFolder + PathDelimiter();
  locations.Portable = true;
  return locations;
}

TFileLocations DesktopFileLocations(const QString& AConfigFolder, const QString& ADataFolder) {
  TFileLocations locations;
  locations.IniFile = IncludeTrailingPathDelimiter(AConfigFolder) + QStringLiteral("quillmark.ini");
  locations.NotesPath = IncludeTrailingPathDelimiter(ADataFolder) + kNotesFolder + PathDelimiter();
  locations.Portable = false;
  return locations;
}

TFileLocations ChooseFileLocations(const QString& AProgramFile, const TFolderWritableProbe& AIsWritable) {
  if (AIsWritable(QFileInfo(AProgramFile).path())) return PortableFileLocations(AProgramFile);
  const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  // Without a home for them the files would land in the root folder; beside
  // the program, a failing write is at least reported for what it is.
  if (config.isEmpty() || data.isEmpty()) return PortableFileLocations(AProgramFile);
  return DesktopFileLocations(config, data);
}
