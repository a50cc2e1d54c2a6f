#pragma once

// The worker that turns one character save file into its list row and
// equipment texts, and the exchange file through which it hands them on.
//
// Exchange file: in the Notes folder, named after the character with the
// extension ".inf"; 17 lines in the program's text file format: the row
// string, then the texts of the equipment slots in the order of the
// equipment grid (EquipmentGridRows).

#include "Thread.h"
#include "UItemLookup.h"
#include "UModels.h"

#include <QChar>
#include <QString>
#include <QStringList>

class TCharacter;

// Separates the ten fields of a character list row.
inline constexpr QChar CharacterRowDelimiter{u'\u00FE'};
inline constexpr int CharacterRowFieldCount = 10;
inline constexpr int ExchangeLineCount = 17;

// Name, Title, Level, Sex, Class 1, Class 2, Iron, Devotions, Difficulty and
// Hardcore, joined by CharacterRowDelimiter.
QString CharacterRowString(const TCharacter& ACharacter);
// The row string and the sixteen slot texts. A line break inside a text
// (from a name or an unknown record path in the save) becomes a blank, so
// the file always has its 17 lines.
QStringList ExchangeLines(const TCharacter& ACharacter, const TItemLookup& ALookup);
// ANotesPath + the character's name as a file name + ".inf"; never outside
// ANotesPath, whatever the name holds.
QString ExchangeFileName(const QString& ANotesPath, const QString& ACharacterName);

class TCharInfoThread : public TThread {
  Q_OBJECT

public:
  // Created idle. Takes its own copies of the record paths and display
  // names (entry i of ANames names entry i of AItems); the caller may free
  // its lists as soon as this returns.
  TCharInfoThread(const QString& ACharFile, const QString& ANotesPath, const QStringList& AItems,
                  const QStringList& ANames);
  // The same with a copy of a sorted table already made; the copy costs
  // nothing, as its lists are shared until one side changes them.
  TCharInfoThread(const QString& ACharFile, const QString& ANotesPath, const TItemLookup& ALookup);

  const QString& CharFile() const { return FCharFile; }
  // Whether the body ended without an exchange file, and why. Read them once
  // the thread has finished (in its termination handling).
  bool Failed() const { return FFailed; }
  const QString& Error() const { return FError; }

protected:
  // Loads the character and writes its exchange file. Every error ends the
  // body quietly and is kept in Failed() and Error(); a save that cannot be opened at all
  // is first reported by the loader through ReportFatalError.
  void Execute() override;

private:
  QString FCharFile;
  QString FNotesPath;
  TItemLookup FLookup;
  bool FFailed = false;
  QString FError;
};
