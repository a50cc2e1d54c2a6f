#pragma once

// Loads one character save file into its four records.

#include "UModels.h"

#include <QByteArray>
#include <QString>

class TCharacter {
public:
  // Loads the file completely. A format violation raises EError with the
  // message naming it; a read past the end raises EReadError. A file that
  // cannot be opened, or is shorter than its seed, is first reported through
  // ReportFatalError ("Unable to process CHAR file", the path, the reason);
  // when that handler returns, the open error is raised.
  explicit TCharacter(const QString& AFileName);
  // Loads from bytes in memory; AFileName only names them in reports.
  TCharacter(QByteArray AData, const QString& AFileName);

  const TCharacterHeader& Header() const { return FHeader; }
  const TCharacterInfo& Information() const { return FInfo; }
  const TCharacterStats& Stats() const { return FStats; }
  const TCharacterEquipment& Equipment() const { return FEquipment; }
  // The format versions the file was written with.
  const TFormatVersions& Versions() const { return FVersions; }

private:
  template <typename OpenReader>
  void Load(const QString& AFileName, OpenReader openReader);

  TCharacterHeader FHeader;
  TCharacterInfo FInfo;
  TCharacterStats FStats;
  TCharacterEquipment FEquipment;
  TFormatVersions FVersions;
};
