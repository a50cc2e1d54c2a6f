#pragma once

// Finding the characters of a save directory and the row of the character
// list that one loaded character gives.

#include "UModels.h"

#include <QString>
#include <QStringList>

class TCharacter;

// The ten columns of the character list for one character.
struct TCharacterRow {
  QString Name;
  QString Title;
  std::uint32_t Level = 0;
  QString Sex;
  QString Class1;
  QString Class2;
  std::uint32_t Iron = 0;
  std::uint32_t Devotions = 0;
  QString Difficulty;  // empty for a difficulty the game does not have
  QString Hardcore;    // "N" or "Y"
};

TCharacterRow MakeCharacterRow(const TCharacter& ACharacter);
// The row's ten fields as texts, in column order.
QStringList CharacterRowFields(const TCharacterRow& ARow);

// The save directory's folder of characters: ASaveDir + "main".
QString MainFolder(const QString& ASaveDir);

// The player.gdc paths of the character folders in AMainPath: entries that
// are directories, are not hidden, have a name beginning with "_" and hold a
// file "player.gdc". In name order.
QStringList FindCharacterFiles(const QString& AMainPath);
