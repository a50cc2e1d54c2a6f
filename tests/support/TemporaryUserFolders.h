#pragma once

#include "ScopedEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

// Points the user's configuration and data folders (XDG_CONFIG_HOME,
// XDG_DATA_HOME) into a temporary folder for the life of a test or benchmark
// program, so that it neither reads nor writes the user's own: Qt's file
// dialogs keep their history in the configuration folder, the spelling
// library its personal word lists, the editor its custom words in the data
// folder. Qt and the spelling library look the folders up once, so the
// object is made before the application object.
class TTemporaryUserFolders {
public:
  TTemporaryUserFolders()
      : FConfig("XDG_CONFIG_HOME", FolderBelow(QStringLiteral("config"))),
        FData("XDG_DATA_HOME", FolderBelow(QStringLiteral("data"))) {}

private:
  QString FolderBelow(const QString& AName) const {
    QDir(FDir.path()).mkpath(AName);
    return FDir.filePath(AName);
  }

  QTemporaryDir FDir;
  ScopedEnvironment FConfig;
  ScopedEnvironment FData;
};
