#include "UCharInfoThread.h"

#include "Errors.h"
#include "FileNames.h"
#include "TextFile.h"
#include "UCharacter.h"
#include "UCharacterRows.h"

#include <QFile>

#include <exception>

constinit const std::array<TEquipmentSlot, EquipmentSlotCount> ExchangeLineSlots = {
    esHead, esChest, esShoulder, esHands, esLegs,    esFeet,    esBelt,       esRing1,
    esRing2, esAmulet, esMedal,  esRelic, esWeapon1, esWeapon2, esWeapon1Alt, esWeapon2Alt};

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
  for (const TEquipmentSlot slot : ExchangeLineSlots) {
    lines.append(OnOneLine(ALookup.SlotText(ACharacter.Equipment(), slot)));
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
