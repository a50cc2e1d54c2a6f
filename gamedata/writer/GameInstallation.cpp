#include "GameInstallation.h"

#include "GameFiles.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <random>

TArzWriter& TGameInstallationWriter::Database(int layer) {
  TLayer& l = FLayers.at(std::size_t(layer));
  l.HasDatabase = true;
  return l.Database;
}

void TGameInstallationWriter::AddTagFile(int layer, const QString& name, const QByteArray& text) {
  FLayers.at(std::size_t(layer)).TagFiles.emplace_back(name, text);
}

QStringList TGameInstallationWriter::Write(const QString& gameFolder) {
  QStringList written;
  auto writeFile = [&](const char* relativePath, const QByteArray& bytes) {
    const QString fileName = gameFolder + QLatin1Char('/') + QString::fromLatin1(relativePath);
    QDir().mkpath(QFileInfo(fileName).path());
    WriteFileBytesAtomic(fileName, bytes);
    written << fileName;
  };
  for (int i = 0; i < LayerCount; ++i) {
    TLayer& layer = FLayers[std::size_t(i)];
    const TGameLayer& paths = GameLayers()[std::size_t(i)];
    if (layer.HasDatabase) writeFile(paths.Database, layer.Database.Build());
    if (!layer.TagFiles.empty()) {
      TArcWriter archive;
      for (const auto& [name, text] : layer.TagFiles) archive.AddFile(name, text);
      writeFile(paths.TextArchive, archive.Build());
    }
  }
  return written;
}

TGameInstallationWriter SampleGameInstallation() {
  TGameInstallationWriter game;
  game.AddTagFile(0, QStringLiteral("tags_items.txt"),
                  "\xEF\xBB\xBF# Items\r\n"
                  "tagHelmA01=Helm\r\n"
                  "tagStyleLeather=Leather\r\n"
                  "tagQualityRusted=Rusted\n"
                  "tagStyleIron=Iron\n"
                  "tagSwordA01=Sword\r"
                  "tagTorsoC01={^y}Mantle of the Weeping Eye^w \r\n"
                  "tagGlovesA01=Gloves\r\n"
                  "tagPrefixExp01=Enlightening\r\n"
                  "tagPrefixExp01Desc=Grants experience\r\n"
                  "tagSuffixAcid08=of Corrosion\r\n"
                  "tagRelicD001=Ascension\r\n"
                  "tagCompAether=Aether Crystal\r\n"
                  "tagKeystoneBlueprint=\r\n"
                  "tagRingSlith=Slith Primal Ring\r\n"
                  "tagMonsterA01=Bone Crawler\r\n"
                  "tagSkillA01=Fireball\r\n");
  game.AddTagFile(1, QStringLiteral("tags_gdx1_items.txt"),
                  "tagHoodX01=Hood\n"
                  "tagHoodAsh=Hood of Ash\n"
                  "tagStyleIron=Steel\n");

  TArzWriter& base = game.Database(0);
  base.AddRecord("records/items/gearhead/a01_head001.dbr", "ArmorProtective_Head")
      .Integer("levelRequirement", 1)
      .String("itemStyleTag", "tagStyleLeather")
      .String("itemNameTag", "tagHelmA01")
      .Float("defensiveProtection", 12.5f);
  base.AddRecord("records/items/gearweapons/swords1h/a01_sword001.dbr", "WeaponMelee_Sword")
      .String("itemNameTag", "tagSwordA01")
      .String("itemStyleTag", "tagStyleIron")
      .String("itemQualityTag", "tagQualityRusted")
      .Boolean("cannotPickUp", false);
  base.AddRecord("records/items/geartorso/c01_torso001.dbr", "ArmorProtective_Chest")
      .String("itemQualityTag", "")
      .String("itemNameTag", "tagTorsoC01");
  base.AddRecord("Records/Items/GearHands/A01_Hands001.dbr", "ArmorProtective_Hands")
      .String("itemStyleTag", "tagStyleIron")
      .String("itemNameTag", "tagGlovesA01");
  base.AddRecord("records/items/lootaffixes/prefix/aa002a_exp_01.dbr", "LootRandomizer")
      .String("description", "tagPrefixExp01Desc")
      .String("lootRandomizerName", "tagPrefixExp01");
  base.AddRecord("records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr", "LootRandomizer")
      .String("lootRandomizerName", "tagSuffixAcid08");
  base.AddRecord("records/items/gearrelic/d001_relic.dbr", "ItemRelic")
      .String("itemNameTag", "")
      .String("description", "tagRelicD001")
      .Strings("relicBonus", {"records/items/gearrelic/d001_bonus.dbr", "records/items/gearrelic/d001_bonus2.dbr"});
  base.AddRecord("records/items/materia/compa_aethercrystal.dbr", "ItemRelic").String("description", "tagCompAether");
  base.AddRecord("records/items/crafting/blueprints/other/craft_endlessdungeon_keystone_01.dbr", "ItemArtifactFormula")
      .String("description", "tagKeystoneBlueprint");
  base.AddRecord("records/items/misc/unknown_tag.dbr", "ItemNote").String("description", "tagNobodyWroteThis");
  base.AddRecord("records/storyelements/rewards/q003_ring_slithring.dbr", "ArmorJewelry_Ring")
      .String("itemNameTag", "tagRingSlith");
  base.AddRecord("records/creatures/enemies/a01_bonecrawler.dbr", "Monster").String("description", "tagMonsterA01");
  base.AddRecord("records/skills/a01_fireball.dbr", "Skill_AttackProjectile").String("skillDisplayName", "tagSkillA01");

  TArzWriter& gdx1 = game.Database(1);
  gdx1.AddRecord("records/items/gearhead/a01_head001.dbr", "ArmorProtective_Head")
      .String("itemStyleTag", "tagStyleLeather")
      .String("itemNameTag", "tagHoodX01");
  gdx1.AddRecord("records/items/gearhead/x01_head001.dbr", "ArmorProtective_Head").String("itemNameTag", "tagHoodAsh");
  return game;
}

namespace {

// Field names and values drawn from small pools, as in the game's records,
// so the data compresses about as well as the game's.
class TLargeRecordMaker {
public:
  explicit TLargeRecordMaker(TArzWriter& database) : FDatabase(database) {
    for (int i = 0; i < 2500; ++i) FKeys << QByteArray("field") + QByteArray::number(i);
  }

  // Returns true when the record gives an item name.
  bool Add(int serial, int layer) {
    const int kind = int(FRandom() % 100);
    const QByteArray id = QByteArray::number(layer) + '_' + QByteArray::number(serial);
    if (kind < 22) {
      TArzRecordSpec& record = FDatabase.AddRecord("records/items/gear/item" + id + ".dbr", "ArmorProtective_Chest");
      record.String("itemNameTag", "tagItem" + QByteArray::number(serial % 6000))
          .String("itemStyleTag", "tagStyle" + QByteArray::number(serial % 12))
          .String("itemQualityTag", "tagQuality" + QByteArray::number(serial % 5));
      AddFiller(record, 180);
      return true;
    }
    if (kind < 40) {
      TArzRecordSpec& record = FDatabase.AddRecord("records/items/lootaffixes/prefix/affix" + id + ".dbr", "LootRandomizer");
      record.String("lootRandomizerName", "tagAffix" + QByteArray::number(serial % 3000));
      AddFiller(record, 60);
      return true;
    }
    TArzRecordSpec& record = FDatabase.AddRecord("records/creatures/enemies/monster" + id + ".dbr", "Monster");
    record.String("description", "tagMonster" + QByteArray::number(serial % 2000));
    AddFiller(record, 420);
    return false;
  }

private:
  void AddFiller(TArzRecordSpec& record, int fields) {
    for (int i = 0; i < fields; ++i) {
      const QByteArray& key = FKeys[qsizetype(FRandom() % std::uint32_t(FKeys.size()))];
      switch (FRandom() % 4) {
        case 0: record.Integer(key, std::int32_t(FRandom() % 100)); break;
        case 1: record.Float(key, float(FRandom() % 1000) / 8.0f); break;
        case 2: record.String(key, "records/fx/effect" + QByteArray::number(FRandom() % 20000) + ".dbr"); break;
        default: record.Boolean(key, (FRandom() & 1) != 0); break;
      }
    }
  }

  TArzWriter& FDatabase;
  QList<QByteArray> FKeys;
  std::mt19937 FRandom{20240611};
};

QByteArray LargeTagFile() {
  QByteArray text = "\xEF\xBB\xBF";
  for (int i = 0; i < 6000; ++i) text += "tagItem" + QByteArray::number(i) + "=Item " + QByteArray::number(i) + "\r\n";
  for (int i = 0; i < 12; ++i) text += "tagStyle" + QByteArray::number(i) + "=Style" + QByteArray::number(i) + "\r\n";
  for (int i = 0; i < 5; ++i) text += "tagQuality" + QByteArray::number(i) + "={^y}Quality" + QByteArray::number(i) + "\r\n";
  for (int i = 0; i < 3000; ++i) text += "tagAffix" + QByteArray::number(i) + "=of Affix " + QByteArray::number(i) + "\r\n";
  for (int i = 0; i < 2000; ++i) text += "tagMonster" + QByteArray::number(i) + "=Monster " + QByteArray::number(i) + "\r\n";
  return text;
}

}  // namespace

int WriteLargeGameInstallation(const QString& gameFolder, std::uint64_t databaseBytes) {
  // The base game holds most of the data; each expansion adds a share.
  static constexpr double LayerShare[TGameInstallationWriter::LayerCount] = {0.64, 0.12, 0.12, 0.12};
  // About what one record takes in the database, on average.
  constexpr double BytesPerRecord = 2730;
  TGameInstallationWriter game;
  game.AddTagFile(0, QStringLiteral("tags_items.txt"), LargeTagFile());
  int named = 0;
  for (int layer = 0; layer < TGameInstallationWriter::LayerCount; ++layer) {
    TLargeRecordMaker maker(game.Database(layer));
    const int records = int(double(databaseBytes) * LayerShare[layer] / BytesPerRecord);
    for (int i = 0; i < records; ++i) named += maker.Add(i, layer) ? 1 : 0;
  }
  game.Write(gameFolder);
  return named;
}
