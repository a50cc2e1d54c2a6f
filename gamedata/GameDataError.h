#pragma once

#include "Errors.h"
#include "TextFile.h"

#include <QByteArray>
#include <QDir>
#include <QString>

// A game data file (archive or database) that is damaged, hostile or not of
// the expected kind. The message names the file and what is wrong with it.
class EGameDataError : public EError {
public:
  EGameDataError(const QString& fileName, const QString& problem)
      : EError(QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + problem),
        FFileName(fileName),
        FProblem(problem) {}

  const QString& FileName() const noexcept { return FFileName; }
  const QString& Problem() const noexcept { return FProblem; }

private:
  QString FFileName;
  QString FProblem;
};

// The bytes of a game data file (archive or database); a file that cannot be
// read raises EGameDataError with the system's reason.
inline QByteArray ReadGameDataFile(const QString& fileName) {
  try {
    return ReadFileBytes(fileName);
  } catch (const EError& e) {
    throw EGameDataError(fileName, QStringLiteral("cannot be read: ") + e.Message());
  }
}
