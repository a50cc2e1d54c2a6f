#pragma once

#include "AppPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// Points the application data folder (where QZ_Custom.dict lives) at a fresh
// temporary folder for the lifetime of the object, so no test touches the
// user's real custom words.
class ScopedDataFolder {
public:
  ScopedDataFolder() : FHadOld(qEnvironmentVariableIsSet("XDG_DATA_HOME")), FOld(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", FDir.path().toLocal8Bit());
  }
  ~ScopedDataFolder() {
    if (FHadOld) {
      qputenv("XDG_DATA_HOME", FOld);
    } else {
      qunsetenv("XDG_DATA_HOME");
    }
  }
  ScopedDataFolder(const ScopedDataFolder&) = delete;
  ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;

  QString Path() const { return FDir.path(); }
  QString CustomFile() const { return ApplicationDataFolder() + QStringLiteral("QZ_Custom.dict"); }

private:
  QTemporaryDir FDir;
  bool FHadOld;
  QByteArray FOld;
};
