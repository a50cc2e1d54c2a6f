#pragma once

#include "AppPaths.h"
#include "ScopedEnvironment.h"

#include <QString>
#include <QTemporaryDir>

// Points the application data folder (where QZ_Custom.dict lives) at a fresh
// temporary folder for the lifetime of the object, so no test touches the
// user's real custom words.
class ScopedDataFolder {
public:
  ScopedDataFolder() : FDataHome("XDG_DATA_HOME", FDir.path()) {}

  QString Path() const { return FDir.path(); }
  QString CustomFile() const { return ApplicationDataFolder() + QStringLiteral("QZ_Custom.dict"); }

private:
  QTemporaryDir FDir;
  ScopedEnvironment FDataHome;
};
