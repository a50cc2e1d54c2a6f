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

// Largest game data file read: the game's own databases are a few hundred MB.
inline constexpr qint64 MaxGameDataFileSize = qint64(1) << 30;

// The bytes of a game data file (archive or database); a file that cannot be
// read, is not a regular file or is larger than MaxGameDataFileSize raises
// EGameDataError with the reason.
inline QByteArray ReadGameDataFile(const QString& fileName) {
  try {
    return ReadFileBytes(fileName, MaxGameDataFileSize);
  } catch (const EError& e) {
    throw EGameDataError(fileName, QStringLiteral("cannot be read: ") + e.Message());
  }
}
