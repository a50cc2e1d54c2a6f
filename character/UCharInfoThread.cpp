#include "UCharInfoThread.h"

#include "Errors.h"
#include "FileNames.h"
#include "TextFile.h"
#include "UCharacter.h"
#include "UCharacterRows.h"
#include "UEquipment.h"

#include <QFile>

#include <exception>

namespace {

QString OnOneLine(QString text) {
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

}  // namespace

QString CharacterRowString(const TCharacter& ACharacter) {
  return CharacterRowFields(MakeCharacterRow(ACharacter)).join(CharacterRowDelimiter);
}

QStringList ExchangeLines(const TCharacter& ACharacter, const TItemLookup& ALookup) {
  QStringList lines;
  lines.reserve(ExchangeLineCount);
  lines.append(OnOneLine(CharacterRowString(ACharacter)));
  for (const TEquipmentGridRow& row : EquipmentGridRows) {
    lines.append(OnOneLine(ALookup.SlotText(ACharacter.Equipment(), row.Slot)));
  }
  return lines;
}

QString ExchangeFileName(const QString& ANotesPath, const QString& ACharacterName) {
  return IncludeTrailingPathDelimiter(ANotesPath) + NameToFileName(ACharacterName) + QStringLiteral(".inf");
}

TCharInfoThread::TCharInfoThread(const QString& ACharFile, const QString& ANotesPath,
                                 const QStringList& AItems, const QStringList& ANames)
    : TCharInfoThread(ACharFile, ANotesPath, TItemLookup(AItems, ANames)) {}

TCharInfoThread::TCharInfoThread(const QString& ACharFile, const QString& ANotesPath,
                                 const TItemLookup& ALookup)
    : FCharFile(ACharFile), FNotesPath(ANotesPath), FLookup(ALookup) {}

void TCharInfoThread::Execute() {
  try {
    const TCharacter character(FCharFile);
    // Named after the loaded character, so a load error leaves the Notes
    // folder untouched.
    const QString exchangeFile = ExchangeFileName(FNotesPath, character.Header().Name);
    QFile::remove(exchangeFile);
    // A scratch file: the refresh reads and deletes it again at once.
    WriteTextFileLines(exchangeFile, ExchangeLines(character, FLookup), TWriteDurability::Scratch);
  } catch (const EError& error) {
    FFailed = true;
    FError = error.Message();
  } catch (const std::exception& error) {
    FFailed = true;
    FError = QString::fromLocal8Bit(error.what());
  }
}
