#pragma once

#include "GameLocations.h"
#include "UMain.h"

#include <QString>
#include <QTemporaryDir>

// An empty temporary folder that a main window takes for the user's home
// folder: it looks for the game, its Steam libraries and its saves there
// only, so a test or benchmark never finds what is installed on the computer.
class TTemporaryHome {
public:
  QString Path() const { return FDir.path(); }
  QString FilePath(const QString& ARelative) const { return FDir.filePath(ARelative); }

  // The Steam installations of a Linux home folder here.
  TGameSearchPlaces GameSearchPlaces() const { return UsualGameSearchPlaces(TGamePlatform::Linux, FDir.path()); }
  // Makes the window search here instead of the computer's own places; call
  // it before the window is shown.
  void UseAsHomeOf(TFMain& AWindow) const { AWindow.SetGameSearchPlaces(GameSearchPlaces()); }

private:
  QTemporaryDir FDir;
};
