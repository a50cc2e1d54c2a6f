#include "GdcWriter.h"

#include "GdcEncoder.h"
#include "TextFile.h"

namespace {

// FNV-1a: the same item seed on every machine and Qt version.
std::uint32_t StableHash(const QByteArray& bytes) {
  std::uint32_t hash = 2166136261u;
  for (const char c : bytes) hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return hash;
}

class TBlockWriter {
public:
  TBlockWriter(TGdcEncoder& AEncoder, const TGdcBlockFrame& AFrame) : FEncoder(AEncoder), FFrame(AFrame) {
    FEncoder.WriteInt(AFrame.Id);
    FLengthAt = FEncoder.ReserveHeldInt();
  }
  void Close() {
    const qsizetype length = FEncoder.Position() - (FLengthAt + 4);
    FEncoder.PatchHeldInt(FLengthAt, static_cast<std::uint32_t>(length + FFrame.LengthAdjust));
    FEncoder.WriteInt(FFrame.Trailer, false);
  }

private:
  TGdcEncoder& FEncoder;
  TGdcBlockFrame FFrame;
  qsizetype FLengthAt;
};

void WriteHeader(TGdcEncoder& out, const TGdcSave& s) {
  out.WriteInt(s.HeaderVersion);
  out.WriteWideString(s.Name);
  out.WriteByte(s.Sex);
  out.WriteAnsiString(s.Tag);
  out.WriteInt(s.Level);
  out.WriteByte(s.Hardcore);
  if (s.HeaderVersion == 2) out.WriteByte(s.HeaderExtra);
}

void WriteInfo(TGdcEncoder& out, const TGdcSave& s) {
  TBlockWriter block(out, s.InfoFrame);
  const std::uint32_t v = s.InfoVersion;
  out.WriteInt(v);
  out.WriteByte(s.IsInMainQuest);
  out.WriteByte(s.HasBeenInGame);
  out.WriteByte(s.Difficulty);
  out.WriteByte(s.GreatestDifficulty);
  out.WriteInt(s.Money);
  if (v >= 4) {
    out.WriteByte(s.GreatestSurvivalDifficulty);
    out.WriteInt(s.CurrentTribute);
  }
  out.WriteByte(s.CompassState);
  if (v <= 4) out.WriteInt(s.LootMode);
  out.WriteByte(s.SkillWindowHelp);
  out.WriteByte(s.AltConfig);
  out.WriteByte(s.AltConfigEnabled);
  out.WriteAnsiString(s.Texture);
  if (v == 5) out.WriteAnsiString(s.InfoExtra);
  block.Close();
}

void WriteStats(TGdcEncoder& out, const TGdcSave& s) {
  TBlockWriter block(out, s.StatsFrame);
  out.WriteInt(s.StatsVersion);
  for (const std::uint32_t value :
       {s.StatsLevel, s.Experience, s.ModifierPoints, s.SkillPoints, s.DevotionPoints, s.TotalDevotion}) {
    out.WriteInt(value);
  }
  for (const float value : {s.Physique, s.Cunning, s.Spirit, s.Health, s.Energy}) out.WriteFloat(value);
  block.Close();
}

void WriteItem(TGdcEncoder& out, const TGdcItem& item, std::uint32_t inventoryVersion) {
  out.WriteAnsiString(item.Base);
  out.WriteAnsiString(item.Prefix);
  out.WriteAnsiString(item.Suffix);
  out.WriteAnsiString(item.Modifier);
  out.WriteAnsiString(item.Transmute);
  out.WriteInt(item.Seed);
  out.WriteAnsiString(item.Relic);
  out.WriteAnsiString(item.RelicBonus);
  out.WriteInt(item.RelicSeed);
  out.WriteAnsiString(item.Augment);
  const std::size_t values = inventoryVersion == 11 ? 8 : 4;
  for (std::size_t i = 0; i < values; ++i) out.WriteInt(item.Values[i]);
}

void WriteBag(TGdcEncoder& out, const TGdcBag& bag, std::uint32_t inventoryVersion) {
  out.WriteInt(bag.Id);
  const qsizetype lengthAt = out.ReserveHeldInt();
  out.WriteByte(bag.Flag);
  out.WriteInt(bag.ItemCount.value_or(static_cast<std::uint32_t>(bag.Items.size())));
  for (const TGdcBagItem& entry : bag.Items) {
    WriteItem(out, entry.Item, inventoryVersion);
    out.WriteInt(entry.X);
    out.WriteInt(entry.Y);
  }
  out.PatchHeldInt(lengthAt, static_cast<std::uint32_t>(out.Position() - (lengthAt + 4)));
  out.WriteInt(bag.Trailer, false);
}

void WriteEquipped(TGdcEncoder& out, const TGdcSave& s, std::size_t from, std::size_t to) {
  for (std::size_t slot = from; slot < to; ++slot) {
    WriteItem(out, s.Equipped[slot], s.InventoryVersion);
    out.WriteByte(s.EquippedAttached[slot]);
  }
}

void WriteInventory(TGdcEncoder& out, const TGdcSave& s) {
  TBlockWriter block(out, s.InventoryFrame);
  out.WriteInt(s.InventoryVersion);
  out.WriteByte(s.HasItems);
  if (s.HasItems != 0) {
    out.WriteInt(s.BagCount.value_or(static_cast<std::uint32_t>(s.Bags.size())));
    out.WriteInt(s.FocusedBag);
    out.WriteInt(s.SelectedBag);
    for (const TGdcBag& bag : s.Bags) WriteBag(out, bag, s.InventoryVersion);
    out.WriteByte(s.EquipmentSeparator);
    WriteEquipped(out, s, 0, 12);
    out.WriteByte(s.WeaponSeparator);
    WriteEquipped(out, s, 12, 14);
    out.WriteByte(s.AltWeaponSeparator);
    WriteEquipped(out, s, 14, 16);
  }
  block.Close();
}

}  // namespace

QByteArray WriteGdc(const TGdcSave& ASave) {
  TGdcEncoder out(ASave.Seed, ASave.KeyConstant);
  out.WriteInt(ASave.Magic);
  WriteHeader(out, ASave);
  out.WriteInt(ASave.HeaderChecksum, false);
  out.WriteInt(ASave.FileVersion);
  for (const std::uint8_t b : ASave.Unknown) out.WriteByte(b);
  WriteInfo(out, ASave);
  WriteStats(out, ASave);
  WriteInventory(out, ASave);
  return out.Bytes() + ASave.Trailing;
}

void WriteGdcFile(const QString& AFileName, const TGdcSave& ASave) {
  WriteFileBytesAtomic(AFileName, WriteGdc(ASave));
}

TGdcItem MakeItem(const QByteArray& ABase, const QByteArray& APrefix, const QByteArray& ASuffix) {
  TGdcItem item;
  item.Base = ABase;
  item.Prefix = APrefix;
  item.Suffix = ASuffix;
  if (!ABase.isEmpty()) {
    item.Seed = StableHash(ABase) & 0x7FFFFFFFu;
    item.Values[3] = 1;  // stack count
  }
  return item;
}
