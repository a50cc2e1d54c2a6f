#pragma once

// Records of a loaded character and the constant name tables that decode the
// save file's class tag, sex, difficulty and flag bytes.

#include <QChar>
#include <QLatin1String>
#include <QString>

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
