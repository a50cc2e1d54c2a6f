#pragma once

// Builds character save files (player.gdc) from a description, for tests,
// benchmarks and the demo save folder.
//
// The defaults describe a valid save of the current game. Every value that
// the loader checks is a field of its own, so any format fault can be made by
// changing one field; block lengths are computed unless an adjustment is given,
// truncation is QByteArray::left on the result, and Trailing adds bytes after
// the inventory block.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct TGdcItem {
  QByteArray Base;
  QByteArray Prefix;
  QByteArray Suffix;
  QByteArray Modifier;
  QByteArray Transmute;
  std::uint32_t Seed = 0;
  QByteArray Relic;
  QByteArray RelicBonus;
  std::uint32_t RelicSeed = 0;
  QByteArray Augment;
  // The closing values: four in inventory version 4, eight in version 11.
  std::array<std::uint32_t, 8> Values{};
};

struct TGdcBagItem {
  TGdcItem Item;
  std::uint32_t X = 0;
  std::uint32_t Y = 0;
};

struct TGdcBag {
  std::uint32_t Id = 0;
  std::uint8_t Flag = 0;
  std::vector<TGdcBagItem> Items;
  // Written in place of the number of items when set.
  std::optional<std::uint32_t> ItemCount;
  std::uint32_t Trailer = 0;
};

// Id, length and trailer of a block.
struct TGdcBlockFrame {
  std::uint32_t Id = 0;
  // Added to the true content length.
  std::int32_t LengthAdjust = 0;
  std::uint32_t Trailer = 0;
};

struct TGdcSave {
  std::uint32_t Seed = 0x1B2D3C4Fu;
  std::uint32_t KeyConstant = 0x55555555u;
  std::uint32_t Magic = 0x58434447u;

  std::uint32_t HeaderVersion = 2;
  QString Name = QStringLiteral("Writer");
  std::uint8_t Sex = 1;
  QByteArray Tag = "tagSkillClassName0104";
  std::uint32_t Level = 50;
  std::uint8_t Hardcore = 0;
  std::uint8_t HeaderExtra = 0;  // header version 2 only
  std::uint32_t HeaderChecksum = 0;
  std::uint32_t FileVersion = 8;
  std::array<std::uint8_t, 16> Unknown{};

  TGdcBlockFrame InfoFrame{1, 0, 0};
  std::uint32_t InfoVersion = 5;
  std::uint8_t IsInMainQuest = 1;
  std::uint8_t HasBeenInGame = 1;
  std::uint8_t Difficulty = 0;
  std::uint8_t GreatestDifficulty = 0;
  std::uint32_t Money = 0;
  std::uint8_t GreatestSurvivalDifficulty = 0;  // info versions 4 and 5
  std::uint32_t CurrentTribute = 0;             // info versions 4 and 5
  std::uint8_t CompassState = 0;
  std::uint32_t LootMode = 0;  // info versions 3 and 4
  std::uint8_t SkillWindowHelp = 0;
  std::uint8_t AltConfig = 0;
  std::uint8_t AltConfigEnabled = 0;
  QByteArray Texture;
  QByteArray InfoExtra;  // info version 5: a count and its bytes

  TGdcBlockFrame StatsFrame{2, 0, 0};
  std::uint32_t StatsVersion = 8;
  std::uint32_t StatsLevel = 50;
  std::uint32_t Experience = 0;
  std::uint32_t ModifierPoints = 0;
  std::uint32_t SkillPoints = 0;
  std::uint32_t DevotionPoints = 0;
  std::uint32_t TotalDevotion = 0;
  float Physique = 50;
  float Cunning = 50;
  float Spirit = 50;
  float Health = 300;
  float Energy = 250;

  TGdcBlockFrame InventoryFrame{3, 0, 0};
  std::uint32_t InventoryVersion = 4;
  std::uint8_t HasItems = 1;
  std::vector<TGdcBag> Bags;
  // Written in place of the number of bags when set.
  std::optional<std::uint32_t> BagCount;
  std::uint32_t FocusedBag = 0;
  std::uint32_t SelectedBag = 0;
  // By slot number: Head, Amulet, Chest, Legs, Feet, Hands, Ring1, Ring2, Belt,
  // Shoulder, Medal, Relic, Weapon1, Weapon2, Weapon1Alt, Weapon2Alt.
  std::array<TGdcItem, 16> Equipped;
  std::array<std::uint8_t, 16> EquippedAttached{};
  std::uint8_t EquipmentSeparator = 0;
  std::uint8_t WeaponSeparator = 0;
  std::uint8_t AltWeaponSeparator = 0;

  QByteArray Trailing;
};

QByteArray WriteGdc(const TGdcSave& ASave);
// Writes the save to a file, replacing it atomically.
void WriteGdcFile(const QString& AFileName, const TGdcSave& ASave);

// A plain item for an equipment slot or a bag.
TGdcItem MakeItem(const QByteArray& ABase, const QByteArray& APrefix = {}, const QByteArray& ASuffix = {});
