#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Sets an environment variable for the lifetime of the object, then restores
// it (or removes it again when it was not set).
class ScopedEnvironment {
public:
  ScopedEnvironment(const char* AName, const QString& AValue)
      : FName(AName), FHadOld(qEnvironmentVariableIsSet(AName)), FOld(qgetenv(AName)) {
    qputenv(AName, AValue.toLocal8Bit());
  }
  ~ScopedEnvironment() {
    if (FHadOld) {
      qputenv(FName, FOld);
    } else {
      qunsetenv(FName);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  const char* FName;
  bool FHadOld;
  QByteArray FOld;
};
