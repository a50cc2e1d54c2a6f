#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The game's own data files, by layer: the base game, then each expansion,
// which overrides the records and tags of the layers before it.
struct TGameLayer {
  const char* Database;     // relative to the game folder
  const char* TextArchive;  // the English tag texts
};

const std::array<TGameLayer, 4>& GameLayers();

// The file at a path relative to the game folder. When a part of the path is
// not there as written, a name that differs only in ASCII case is taken (a
// game installed from Windows may spell them either way). Empty when none.
QString LocateGameFile(const QString& gameFolder, const QString& relativePath);

// The data files a game folder has, in override order; missing ones are left out.
struct TGameFiles {
  QStringList Databases;
  QStringList TextArchives;
};
TGameFiles FindGameFiles(const QString& gameFolder);
