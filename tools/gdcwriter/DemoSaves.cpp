#include "DemoSaves.h"

#include "Errors.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Record paths whose display names the program carries.
namespace path {
const QByteArray LeatherHelm = "records/items/gearhead/a01_head001.dbr";
const QByteArray RitualBlade = "records/items/gearweapons/caster/a08_dagger001.dbr";
const QByteArray Enlightening = "records/items/lootaffixes/prefix/aa002a_exp_01.dbr";
const QByteArray OfCorrosion = "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr";
const QByteArray Broken = "records/items/lootaffixes/broken/broken_weapon01.dbr";
const QByteArray SlithRing = "records/storyelements/rewards/q003_ring_slithring.dbr";
const QByteArray SlithRingElite = "records/storyelements/rewards/q003b_ring_slithring.dbr";
const QByteArray SistersAmulet = "records/storyelements/rewards/q001_necklace.dbr";
const QByteArray SistersAmuletUltimate = "records/storyelements/rewards/q001c_necklace.dbr";
const QByteArray NormalShield = "records/endlessdungeon/scriptentities/portal_s01.dbr";
const QByteArray LeovinusRing = "records/endlessdungeon/items/a001_ring.dbr";
const QByteArray WornClothing = "records/creatures/npcs/npcgear/npc_torso002.dbr";
const QByteArray LokarrsGaze = "records/storyelements/signs/sinh.dbr";
const QByteArray LokarrsCoat = "records/storyelements/signs/sint.dbr";
const QByteArray LokarrsMantle = "records/storyelements/signs/sins.dbr";
const QByteArray LokarrsBoots = "records/storyelements/signs/sinf.dbr";
const QByteArray MissGazerMan = "records/endlessdungeon/items/q001_torso.dbr";
const QByteArray AmusingBox = "records/endlessdungeon/items/z001_test.dbr";
const QByteArray GazerMan = "records/storyelements/questassets/q000_torso.dbr";
const QByteArray HartsAmulet = "records/storyelements/questitems/sq_amulet_harts_amulet";
const QByteArray Wargem = "records/storyelementsgdx2/questassets/areag_n.dbr";
}  // namespace path

enum Slot { Head, Amulet, Chest, Legs, Feet, Hands, Ring1, Ring2, Belt, Shoulder, Medal, Relic,
            Weapon1, Weapon2, Weapon1Alt, Weapon2Alt };

struct TDemo {
  const char* Name;
  const char* ClassDigits;  // "" classless, "05" one class, "0109" two
  std::uint8_t Sex;
  std::uint32_t Level;
  std::uint8_t Hardcore;
  std::uint8_t GreatestDifficulty;
  std::uint32_t Money;
  std::uint32_t Devotion;
  std::uint32_t HeaderVersion;
  std::uint32_t FileVersion;
  std::uint32_t InfoVersion;
  std::uint32_t InventoryVersion;
};

TGdcSave Base(const TDemo& d, std::uint32_t seed) {
  TGdcSave s;
  s.Seed = seed;
  s.Name = QString::fromLatin1(d.Name);
  s.Tag = QByteArray("tagSkillClassName") + d.ClassDigits;
  s.Sex = d.Sex;
  s.Level = d.Level;
  s.StatsLevel = d.Level;
  s.Hardcore = d.Hardcore;
  s.GreatestDifficulty = d.GreatestDifficulty;
  s.Difficulty = d.GreatestDifficulty;
  s.Money = d.Money;
  s.TotalDevotion = d.Devotion;
  s.DevotionPoints = d.Devotion / 5;
  s.Experience = d.Level * d.Level * 1000;
  s.HeaderVersion = d.HeaderVersion;
  s.FileVersion = d.FileVersion;
  s.InfoVersion = d.InfoVersion;
  s.InventoryVersion = d.InventoryVersion;
  s.Physique = 50.0f + 8.0f * static_cast<float>(d.Level);
  s.Cunning = 50.0f + 4.0f * static_cast<float>(d.Level);
  s.Spirit = 50.0f + 4.0f * static_cast<float>(d.Level);
  s.Health = 250.0f + 40.0f * static_cast<float>(d.Level);
  s.Energy = 250.0f + 16.0f * static_cast<float>(d.Level);
  s.Texture = "creatures/pc/hero02.tex";
  return s;
}

TGdcBag Bag(std::initializer_list<TGdcItem> items) {
  TGdcBag bag;
  std::uint32_t x = 0;
  for (const TGdcItem& item : items) {
    bag.Items.push_back({item, x, 0});
    x += 2;
  }
  return bag;
}

void Equip(TGdcSave& s, Slot slot, TGdcItem item) { s.Equipped[slot] = std::move(item); }

}  // namespace

std::vector<TGdcSave> DemoSaves() {
  std::vector<TGdcSave> saves;

  TGdcSave amara = Base({"Amara", "0109", 0, 100, 0, 2, 2450118, 55, 2, 8, 5, 11}, 0x3A91C2E5u);
  Equip(amara, Head, MakeItem(path::LokarrsGaze));
  Equip(amara, Chest, MakeItem(path::LokarrsCoat));
  Equip(amara, Shoulder, MakeItem(path::LokarrsMantle));
  Equip(amara, Feet, MakeItem(path::LokarrsBoots));
  Equip(amara, Amulet, MakeItem(path::SistersAmuletUltimate));
  Equip(amara, Ring1, MakeItem(path::SlithRing));
  Equip(amara, Ring2, MakeItem(path::LeovinusRing));
  Equip(amara, Medal, MakeItem(path::Wargem));
  Equip(amara, Weapon1, MakeItem(path::RitualBlade, path::Enlightening, path::OfCorrosion));
  Equip(amara, Weapon2, MakeItem(path::NormalShield));
  amara.Bags = {Bag({MakeItem(path::LeatherHelm), MakeItem(path::RitualBlade, {}, path::OfCorrosion)}),
                Bag({MakeItem(path::SlithRingElite)})};
  saves.push_back(amara);

  TGdcSave brannoc = Base({"Brannoc", "0208", 1, 72, 1, 1, 812400, 38, 2, 8, 5, 4}, 0x7C04E119u);
  Equip(brannoc, Head, MakeItem(path::LeatherHelm, path::Enlightening));
  Equip(brannoc, Chest, MakeItem(path::GazerMan));
  Equip(brannoc, Amulet, MakeItem(path::HartsAmulet));
  Equip(brannoc, Ring1, MakeItem(path::SlithRingElite));
  Equip(brannoc, Relic, MakeItem(path::AmusingBox));
  Equip(brannoc, Weapon1, MakeItem(path::RitualBlade, path::Broken));
  Equip(brannoc, Weapon1Alt, MakeItem(path::RitualBlade, path::Enlightening, path::OfCorrosion));
  brannoc.Bags = {Bag({MakeItem(path::WornClothing)})};
  saves.push_back(brannoc);

  TGdcSave celestine = Base({"Celestine", "05", 0, 23, 0, 0, 15730, 6, 2, 8, 5, 4}, 0x11E0A7D3u);
  Equip(celestine, Head, MakeItem(path::LeatherHelm));
  Equip(celestine, Chest, MakeItem(path::WornClothing));
  Equip(celestine, Amulet, MakeItem(path::SistersAmulet));
  Equip(celestine, Weapon1, MakeItem(path::RitualBlade, {}, path::OfCorrosion));
  saves.push_back(celestine);

  TGdcSave dusk = Base({"Dusk", "", 1, 1, 0, 0, 0, 0, 2, 8, 5, 4}, 0x5D2B9F60u);
  Equip(dusk, Chest, MakeItem(path::WornClothing));
  saves.push_back(dusk);

  TGdcSave elowen = Base({"Elowen", "0607", 0, 85, 1, 2, 1304877, 50, 2, 8, 4, 4}, 0x2468ACE1u);
  Equip(elowen, Head, MakeItem(path::LokarrsGaze));
  Equip(elowen, Chest, MakeItem(path::MissGazerMan));
  Equip(elowen, Ring1, MakeItem(path::LeovinusRing));
  Equip(elowen, Ring2, MakeItem(path::SlithRing));
  Equip(elowen, Medal, MakeItem(path::Wargem));
  Equip(elowen, Weapon1, MakeItem(path::RitualBlade, path::Enlightening));
  Equip(elowen, Weapon2, MakeItem(path::NormalShield));
  saves.push_back(elowen);

  TGdcSave fenwick = Base({"Fenwick", "0304", 1, 64, 0, 1, 398050, 31, 1, 7, 4, 4}, 0x0F1E2D3Cu);
  Equip(fenwick, Head, MakeItem(path::LeatherHelm, {}, path::OfCorrosion));
  Equip(fenwick, Feet, MakeItem(path::LokarrsBoots));
  Equip(fenwick, Amulet, MakeItem(path::HartsAmulet));
  Equip(fenwick, Weapon1, MakeItem(path::RitualBlade, path::Enlightening, path::OfCorrosion));
  Equip(fenwick, Weapon2, MakeItem(path::RitualBlade));
  saves.push_back(fenwick);

  TGdcSave greta = Base({"Greta", "0406", 0, 94, 0, 2, 3187342, 55, 2, 8, 5, 4}, 0x6B8D1F42u);
  Equip(greta, Head, MakeItem(path::LeatherHelm, path::Enlightening, path::OfCorrosion));
  Equip(greta, Chest, MakeItem(path::LokarrsCoat));
  Equip(greta, Shoulder, MakeItem(path::LokarrsMantle));
  Equip(greta, Amulet, MakeItem(path::SistersAmuletUltimate));
  Equip(greta, Ring1, MakeItem(path::SlithRing));
  Equip(greta, Ring2, MakeItem(path::SlithRingElite));
  Equip(greta, Relic, MakeItem(path::AmusingBox));
  Equip(greta, Weapon1, MakeItem(path::RitualBlade, {}, path::OfCorrosion));
  Equip(greta, Weapon2, MakeItem(path::RitualBlade, path::Enlightening));
  saves.push_back(greta);

  TGdcSave hollis = Base({"Hollis", "0708", 1, 40, 1, 0, 90212, 14, 1, 7, 3, 4}, 0x4C3B2A19u);
  hollis.LootMode = 1;
  Equip(hollis, Head, MakeItem(path::LeatherHelm));
  Equip(hollis, Chest, MakeItem(path::GazerMan));
  Equip(hollis, Weapon1, MakeItem(path::RitualBlade, path::Enlightening));
  saves.push_back(hollis);

  return saves;
}

QString DemoSaveFile(const QString& ASaveDir, const TGdcSave& ASave) {
  return QDir(ASaveDir).filePath(QStringLiteral("main/_%1/player.gdc").arg(ASave.Name));
}

void WriteDemoSaveFolder(const QString& ASaveDir) {
  for (const TGdcSave& save : DemoSaves()) {
    const QString file = DemoSaveFile(ASaveDir, save);
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
      throw EFileError(QStringLiteral("Cannot create the folder of %1").arg(file));
    }
    WriteGdcFile(file, save);
  }
}

void WriteFuzzSeeds(const QString& AFolder) {
  if (!QDir().mkpath(AFolder)) throw EFileError(QStringLiteral("Cannot create the folder %1").arg(AFolder));
  std::vector<TGdcSave> seeds;
  TGdcSave plain;
  plain.Equipped[0] = MakeItem(path::LeatherHelm, path::Enlightening, path::OfCorrosion);
  seeds.push_back(plain);

  TGdcSave oldest = plain;
  oldest.HeaderVersion = 1;
  oldest.FileVersion = 6;
  oldest.InfoVersion = 3;
  oldest.KeyConstant = 0x6D3A0F27u;
  oldest.Tag = "tagSkillClassName05";
  seeds.push_back(oldest);

  TGdcSave extended = plain;
  extended.InfoVersion = 4;
  extended.InventoryVersion = 11;
  extended.Bags = {Bag({MakeItem(path::RitualBlade, path::Broken)}), TGdcBag()};
  seeds.push_back(extended);

  TGdcSave empty = plain;
  empty.HasItems = 0;
  empty.Tag = "tagSkillClassName";
  empty.InfoExtra = "\x01\x02";
  seeds.push_back(empty);

  for (std::size_t i = 0; i < seeds.size(); ++i) {
    WriteGdcFile(QDir(AFolder).filePath(QStringLiteral("seed-%1.gdc").arg(i + 1)), seeds[i]);
  }
}
