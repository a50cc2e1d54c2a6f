#include "GameLocations.h"

#include "GameFiles.h"
#include "SteamLibraryFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SteamApps = QStringLiteral("steamapps");
const QString ProtonPrefixMarker =
    QStringLiteral("/steamapps/compatdata/") + QLatin1String(GameSteamAppId) + QStringLiteral("/pfx");
const QString SaveBelowDocuments = QStringLiteral("My Games/Grim Dawn/save");

// Adds the folder, when it exists, by its canonical path unless it is there already.
void AddExistingFolder(QStringList& folders, const QString& folder) {
  const QFileInfo info(folder);
  if (folder.isEmpty() || !info.isDir()) return;
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty() && !folders.contains(canonical)) folders.append(canonical);
}

QString InSteamApps(const QString& library, const QString& relativePath) {
  return library + QLatin1Char('/') + SteamApps + QLatin1Char('/') + relativePath;
}

}  // namespace

TGameSearchPlaces UsualGameSearchPlaces(TGamePlatform platform, const QString& home) {
  TGameSearchPlaces places{platform, QDir::cleanPath(home), {}};
  if (platform == TGamePlatform::Windows) {
    places.SteamRoots << QStringLiteral("C:/Program Files (x86)/Steam");
  } else {
    places.SteamRoots << places.Home + QStringLiteral("/.local/share/Steam")
                      << places.Home + QStringLiteral("/.steam/steam")
                      << places.Home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam");
  }
  return places;
}

TGameSearchPlaces SystemGameSearchPlaces() {
#ifdef Q_OS_WIN
  return UsualGameSearchPlaces(TGamePlatform::Windows, QDir::homePath());
#else
  return UsualGameSearchPlaces(TGamePlatform::Linux, QDir::homePath());
#endif
}

QString GameFolderOfProtonPath(const QString& path) {
  const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
  qsizetype at = clean.indexOf(ProtonPrefixMarker, 0, Qt::CaseInsensitive);
  while (at >= 0) {
    const qsizetype end = at + ProtonPrefixMarker.size();
    if (end == clean.size() || clean[end] == QLatin1Char('/')) {
      // "steamapps" as the path spells it.
      const QString steamApps = clean.mid(at + 1, SteamApps.size());
      return clean.left(at) + QLatin1Char('/') + steamApps + QStringLiteral("/common/") +
             QLatin1String(GameSteamFolderName);
    }
    at = clean.indexOf(ProtonPrefixMarker, at + 1, Qt::CaseInsensitive);
  }
  return QString();
}

bool IsGameFolder(const QString& folder) {
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
  return !LocateGameFile(folder, QString::fromLatin1(GameLayers()[0].Database)).isEmpty();
}

TGameLocations::TGameLocations(TGameSearchPlaces places) : FPlaces(std::move(places)) {}

QString TGameLocations::FromListed(const QString& path) const {
  QString folder = path;
  if (FPlaces.Platform == TGamePlatform::Windows) folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return QDir::cleanPath(folder);
}

QStringList TGameLocations::SteamRoots() const {
  QStringList roots;
  for (const QString& root : FPlaces.SteamRoots) AddExistingFolder(roots, root);
  return roots;
}

QStringList TGameLocations::SteamLibraries() const {
  QStringList libraries;
  for (const QString& root : SteamRoots()) {
    AddExistingFolder(libraries, root);
    const QStringList listed = ReadSteamLibraryFolders(InSteamApps(root, QStringLiteral("libraryfolders.vdf")));
    for (const QString& library : listed) AddExistingFolder(libraries, FromListed(library));
  }
  return libraries;
}

QString TGameLocations::FindGameFolder(const QString& saveFolder) const {
  const QString beside = GameFolderOfProtonPath(saveFolder);
  if (IsGameFolder(beside)) return beside;
  for (const QString& library : SteamLibraries()) {
    const QString folder = InSteamApps(library, QStringLiteral("common/") + QLatin1String(GameSteamFolderName));
    if (IsGameFolder(folder)) return folder;
  }
  return QString();
}

QStringList TGameLocations::CloudSaveFolders() const {
  QStringList folders;
  for (const QString& root : SteamRoots()) {
    const QDir userData(root + QStringLiteral("/userdata"));
    for (const QString& account : userData.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
      AddExistingFolder(folders, userData.filePath(account) + QLatin1Char('/') + QLatin1String(GameSteamAppId) +
                                     QStringLiteral("/remote/save"));
    }
  }
  return folders;
}

QStringList TGameLocations::SaveFolders() const {
  QStringList folders;
  if (FPlaces.Platform == TGamePlatform::Windows) {
    AddExistingFolder(folders, FPlaces.Home + QStringLiteral("/Documents/") + SaveBelowDocuments);
  } else {
    const QString user = QStringLiteral("compatdata/") + QLatin1String(GameSteamAppId) +
                         QStringLiteral("/pfx/drive_c/users/steamuser/");
    for (const QString& library : SteamLibraries()) {
      AddExistingFolder(folders, InSteamApps(library, user + QStringLiteral("Documents/") + SaveBelowDocuments));
      AddExistingFolder(folders, InSteamApps(library, user + QStringLiteral("My Documents/") + SaveBelowDocuments));
    }
  }
  for (const QString& folder : CloudSaveFolders()) {
    if (!folders.contains(folder)) folders.append(folder);
  }
  return folders;
}

QString TGameLocations::SuggestedSaveFolder() const { return SaveFolders().value(0); }
