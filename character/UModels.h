#pragma once

// Records of a loaded character and the constant name tables that decode the
// save file's class tag, sex, difficulty and flag bytes.

#include <QChar>
#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct TCharacterHeader {
  QString Name;
  QString Class1;
  QString Class2;
  QString DualName;  // the combined class name, shown as the character's title
  QString Tag;
  std::uint32_t Level = 0;
  QString Sex;
  QChar Hardcore;
};

struct TCharacterInfo {
  QString Texture;
  std::uint32_t Money = 0;
  std::uint32_t LootMode = 0;
  std::uint32_t CurrentTribute = 0;
  QChar IsInMainQuest;
  QChar HasBeenInGame;
  std::uint8_t Difficulty = 0;
  std::uint8_t GreatestDifficulty = 0;
  std::uint8_t GreatestSurvivalDifficulty = 0;
  std::uint8_t CompassState = 0;
  QChar SkillWindowHelp;
  QChar AltConfig;
  QChar AltConfigEnabled;
};

struct TCharacterStats {
  std::uint32_t Level = 0;
  std::uint32_t Experience = 0;
  std::uint32_t ModifierPoints = 0;
  std::uint32_t SkillPoints = 0;
  std::uint32_t DevotionPoints = 0;
  std::uint32_t TotalDevotion = 0;
  float Physique = 0;
  float Cunning = 0;
  float Spirit = 0;
  float Health = 0;
  float Energy = 0;
};

// Equipment slot numbers; they index Prefix and Suffix.
enum TEquipmentSlot : int {
  esHead, esAmulet, esChest, esLegs, esFeet, esHands, esRing1, esRing2,
  esBelt, esShoulder, esMedal, esRelic, esWeapon1, esWeapon2, esWeapon1Alt, esWeapon2Alt
};
inline constexpr int EquipmentSlotCount = 16;

// Record paths of the equipped items; an empty string means an empty slot.
struct TCharacterEquipment {
  QString Head;
  QString Amulet;
  QString Chest;
  QString Legs;
  QString Feet;
  QString Hands;
  QString Ring1;
  QString Ring2;
  QString Belt;
  QString Shoulder;
  QString Medal;
  QString Relic;
  QString Weapon1;
  QString Weapon2;
  QString Weapon1Alt;
  QString Weapon2Alt;
  std::array<QString, EquipmentSlotCount> Suffix;
  std::array<QString, EquipmentSlotCount> Prefix;

  // The base record path of a slot, by slot number (0 to 15).
  QString& Slot(int slot);
  const QString& Slot(int slot) const;
};

// Field names of the slots, in slot order ("Head" ... "Weapon2Alt").
extern const std::array<QLatin1String, EquipmentSlotCount> EquipmentSlotNames;

// The format versions a save file was written with.
struct TFormatVersions {
  std::uint32_t Header = 0;
  std::uint32_t File = 0;
  std::uint32_t Info = 0;
  std::uint32_t Inventory = 0;
};

// The constant name tables. They are constant-initialised, so every thread
// may read them at any time.
extern const std::array<QChar, 2> FlagChars;
extern const std::array<QLatin1String, 2> SexNames;
extern const std::array<QLatin1String, 3> DifficultyNames;
// Class numbers 1 to 9 select entries 0 to 8.
extern const std::array<QLatin1String, 9> ClassNames;
// Entry (a - 1) * 9 + (b - 1) names the pair of first class a (1 to 8) and
// second class b (1 to 9); only pairs with b > a carry a name.
extern const std::array<QLatin1String, 72> DualClassNames;

// Safe lookups: a code outside its table gives an empty text, except a flag
// byte above 1, which counts as set ("Y").
QChar FlagChar(std::uint8_t flag);
QString SexName(std::uint8_t sex);
QString DifficultyName(std::uint32_t difficulty);
QString ClassName(std::int32_t number);
QString DualClassName(std::int32_t first, std::int32_t second);

// Sets Class1, Class2 and DualName from the class digits of Tag (its text
// from the 18th character on). Digits that do not read as a number raise
// EConvertError.
void ResolveClassNames(TCharacterHeader& header);

// The extra "record path=display name" lines that name a record, then the
// built-in lines whose record path none of them names (compared without
// regard to case).
QStringList MergeItemNameLines(const QStringList& extraLines, const QStringList& builtInLines);

// The table that turns item record paths into display names. Each line is
// "record path=display name"; the lines are sorted ascending by the whole
// line with CompareTextLocale, and no two lines are equal by it. Built once,
// by sorting all lines together, and not changed afterwards.
class TItemNames {
public:
  // The embedded lines and the lines added in code.
  TItemNames();
  // The same with more lines merged in before sorting, such as the names read
  // from the player's game installation or from a file. An extra line
  // replaces every built-in line with the same record path (compared without
  // regard to case); of equal lines the first is kept, extra lines first.
  // Extra lines without "=" or with nothing before it are left out.
  explicit TItemNames(const QStringList& AExtraLines);

  // The sorted lines.
  const QStringList& Names() const { return FNames; }
  int Count() const { return static_cast<int>(FNames.size()); }
  // The record path (the text before the first "=") and the display name
  // (the text after it) of every line, in table order: entry i of the one
  // belongs to entry i of the other. These are the lists the character
  // workers copy.
  const QStringList& RecordPaths() const { return FRecordPaths; }
  const QStringList& DisplayNames() const { return FDisplayNames; }

private:
  QStringList FNames;
  QStringList FRecordPaths;
  QStringList FDisplayNames;
};
