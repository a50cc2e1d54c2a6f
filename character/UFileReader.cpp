#include "UFileReader.h"

#include "Errors.h"

#include <QFile>

#include <bit>
#include <cstring>

namespace {

constexpr std::uint32_t TableMultiplier = 39916801u;  // 0x02611501
constexpr std::size_t SeedSize = 4;

// Item records of inventory version 11 end with eight values, version 4's with four.
constexpr std::uint32_t InventoryVersion = 4;
constexpr std::uint32_t ExtendedInventoryVersion = 11;

std::uint32_t LittleEndian32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
         (std::uint32_t(p[3]) << 24);
}

[[noreturn]] void RaiseEndOfFile() { throw EReadError(QStringLiteral("Read beyond end of file")); }

[[noreturn]] void Raise(const char* message) { throw EError(QString::fromLatin1(message)); }

QByteArray ReadWholeFile(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) throw EFileError(file.errorString());
  if (file.size() > TCharacterFile::MaxFileSize) {
    throw EError(QStringLiteral("File too large for a character save (over 64 MB)"));
  }
  // Read one byte past the limit, in case the file grows meanwhile.
  QByteArray bytes = file.read(TCharacterFile::MaxFileSize + 1);
  if (file.error() != QFileDevice::NoError) throw EFileError(file.errorString());
  if (bytes.size() > TCharacterFile::MaxFileSize) {
    throw EError(QStringLiteral("File too large for a character save (over 64 MB)"));
  }
  return bytes;
}

}  // namespace

TCharacterFile::TCharacterFile(const QString& AFileName) : TCharacterFile(ReadWholeFile(AFileName)) {}

TCharacterFile::TCharacterFile(QByteArray AData) : FData(std::move(AData)) {
  FBytes = reinterpret_cast<const std::uint8_t*>(FData.constData());
  FSize = static_cast<std::size_t>(FData.size());
  InitKey();
}

std::uint32_t TCharacterFile::ChooseKeyConstant(std::uint32_t seed) const {
  if (FSize < SeedSize + 4) return LegacyKeyConstant;
  const std::uint32_t scrambledMagic = LittleEndian32(FBytes + SeedSize);
  for (const std::uint32_t constant : {GameKeyConstant, LegacyKeyConstant}) {
    if ((scrambledMagic ^ seed ^ constant) == Magic) return constant;
  }
  return LegacyKeyConstant;
}

void TCharacterFile::InitKey() {
  const std::uint32_t seed = LittleEndian32(Take(SeedSize));
  FKeyConstant = ChooseKeyConstant(seed);
  FKey = seed ^ FKeyConstant;
  std::uint32_t s = FKey;
  for (std::uint32_t& entry : FTable) {
    s = std::rotr(s, 1) * TableMultiplier;
    entry = s;
  }
}

// Consumes count bytes; a count larger than what is left raises the
// end-of-file error before anything is allocated for it.
const std::uint8_t* TCharacterFile::Take(std::uint64_t count) {
  if (count > FSize - FPosition) RaiseEndOfFile();
  const std::uint8_t* p = FBytes + FPosition;
  FPosition += static_cast<std::size_t>(count);
  return p;
}

void TCharacterFile::UpdateKey(const std::uint8_t* raw, std::size_t count) {
  std::uint32_t key = FKey;
  for (std::size_t i = 0; i < count; ++i) key ^= FTable[raw[i]];
  FKey = key;
}

std::uint32_t TCharacterFile::ReadInt(bool AUpdateKey) {
  const std::uint8_t* raw = Take(4);
  const std::uint32_t value = LittleEndian32(raw) ^ FKey;
  if (AUpdateKey) UpdateKey(raw, 4);
  return value;
}

float TCharacterFile::ReadFloat() { return std::bit_cast<float>(ReadInt(true)); }

std::uint8_t TCharacterFile::ReadByte() {
  const std::uint8_t raw = *Take(1);
  const auto value = static_cast<std::uint8_t>(raw ^ FKey);
  FKey ^= FTable[raw];
  return value;
}

std::uint16_t TCharacterFile::ReadWord() {
  const std::uint8_t* raw = Take(2);
  const auto value = static_cast<std::uint16_t>((raw[0] | (raw[1] << 8)) ^ FKey);
  UpdateKey(raw, 2);
  return value;
}

QString TCharacterFile::ReadWideString() {
  const std::uint32_t units = ReadInt(true);
  const std::uint8_t* raw = Take(std::uint64_t(units) * 2);
  QString text(static_cast<qsizetype>(units), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  std::uint32_t key = FKey;
  for (std::uint32_t i = 0; i < units; ++i) {
    const std::uint8_t lowRaw = raw[2 * i];
    const auto low = static_cast<std::uint8_t>(lowRaw ^ key);
    key ^= FTable[lowRaw];
    const std::uint8_t highRaw = raw[2 * i + 1];
    const auto high = static_cast<std::uint8_t>(highRaw ^ key);
    key ^= FTable[highRaw];
    out[i] = static_cast<char16_t>(low | (high << 8));
  }
  FKey = key;
  return text;
}

QString TCharacterFile::ReadAnsiString() {
  const std::uint32_t length = ReadInt(true);
  const std::uint8_t* raw = Take(length);
  QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  std::uint32_t key = FKey;
  for (std::uint32_t i = 0; i < length; ++i) {
    out[i] = static_cast<std::uint8_t>(raw[i] ^ key);
    key ^= FTable[raw[i]];
  }
  FKey = key;
  return text;
}

// The key steps of ReadAnsiString without building the text, for the many
// strings of the file that are read past.
void TCharacterFile::SkipAnsiString() {
  const std::uint32_t length = ReadInt(true);
  UpdateKey(Take(length), length);
}

void TCharacterFile::ReadHeader(TCharacterHeader& AHeader) {
  AHeader = TCharacterHeader();
  const std::uint32_t version = ReadInt(true);
  FVersions.Header = version;
  if (version != 1 && version != 2) {
    throw EError(QStringLiteral("Invalid header version %1").arg(version));
  }
  AHeader.Name = ReadWideString();
  AHeader.Sex = SexName(ReadByte());
  AHeader.Tag = ReadAnsiString();
  AHeader.Level = ReadInt(true);
  AHeader.Hardcore = FlagChar(ReadByte());
  if (version == 2) ReadByte();
  ResolveClassNames(AHeader);
}

// Reads a block's id and length; returns the length. The content starts at
// the position right after it.
std::uint32_t TCharacterFile::ReadBlockStart(std::uint32_t id) {
  if (ReadInt(true) != id) Raise("Invalid block ID");
  return ReadInt(false);
}

void TCharacterFile::CheckBlockEnd(std::uint32_t contentStart, std::uint32_t length,
                                   const char* sizeMessage, const char* crcMessage) {
  if (static_cast<std::uint32_t>(contentStart + length) != Position()) Raise(sizeMessage);
  if (ReadInt(false) != 0) Raise(crcMessage);
}

void TCharacterFile::ReadInformation(TCharacterInfo& AInfo) {
  AInfo = TCharacterInfo();
  const std::uint32_t length = ReadBlockStart(1);
  const std::uint32_t start = Position();
  const std::uint32_t version = ReadInt(true);
  FVersions.Info = version;
  if (version < 3 || version > 5) Raise("Invalid info version");
  AInfo.IsInMainQuest = FlagChar(ReadByte());
  AInfo.HasBeenInGame = FlagChar(ReadByte());
  AInfo.Difficulty = ReadByte();
  AInfo.GreatestDifficulty = ReadByte();
  AInfo.Money = ReadInt(true);
  if (version >= 4) {
    AInfo.GreatestSurvivalDifficulty = ReadByte();
    AInfo.CurrentTribute = ReadInt(true);
  }
  AInfo.CompassState = ReadByte();
  if (version <= 4) AInfo.LootMode = ReadInt(true);
  AInfo.SkillWindowHelp = FlagChar(ReadByte());
  AInfo.AltConfig = FlagChar(ReadByte());
  AInfo.AltConfigEnabled = FlagChar(ReadByte());
  AInfo.Texture = ReadAnsiString();
  if (version == 5) {
    const std::uint32_t count = ReadInt(true);
    UpdateKey(Take(count), count);
  }
  CheckBlockEnd(start, length, "Bad info block size", "Bad info block crc");
}

void TCharacterFile::ReadStats(TCharacterStats& AStats) {
  AStats = TCharacterStats();
  const std::uint32_t length = ReadBlockStart(2);
  const std::uint32_t start = Position();
  if (ReadInt(true) != 8) Raise("Invalid stats version");
  AStats.Level = ReadInt(true);
  AStats.Experience = ReadInt(true);
  AStats.ModifierPoints = ReadInt(true);
  AStats.SkillPoints = ReadInt(true);
  AStats.DevotionPoints = ReadInt(true);
  AStats.TotalDevotion = ReadInt(true);
  AStats.Physique = ReadFloat();
  AStats.Cunning = ReadFloat();
  AStats.Spirit = ReadFloat();
  AStats.Health = ReadFloat();
  AStats.Energy = ReadFloat();
  CheckBlockEnd(start, length, "Bad stat block size", "Bad start block crc");
}

// The values that close an item record, after its base, prefix and suffix:
// two strings, a value, two strings, a value, a string, then four values
// (eight in inventory version 11).
void TCharacterFile::ReadItemTail(bool extendedItems) {
  SkipAnsiString();
  SkipAnsiString();
  ReadInt(true);
  SkipAnsiString();
  SkipAnsiString();
  ReadInt(true);
  SkipAnsiString();
  const int values = extendedItems ? 8 : 4;
  for (int i = 0; i < values; ++i) ReadInt(true);
}

void TCharacterFile::SkipItem(bool extendedItems) {
  SkipAnsiString();
  SkipAnsiString();
  SkipAnsiString();
  ReadItemTail(extendedItems);
}

void TCharacterFile::ReadEquippedItem(TCharacterEquipment& AEquipment, int slot, bool extendedItems) {
  AEquipment.Slot(slot) = ReadAnsiString();
  AEquipment.Prefix[static_cast<std::size_t>(slot)] = ReadAnsiString();
  AEquipment.Suffix[static_cast<std::size_t>(slot)] = ReadAnsiString();
  ReadItemTail(extendedItems);
  ReadByte();
}

// A bag's item count is taken as signed; each item consumes bytes, so a
// count larger than the file can hold ends at its end with a read error.
void TCharacterFile::SkipBag(bool extendedItems) {
  if (ReadInt(true) != 0) Raise("Invalid block ID");
  ReadInt(false);  // the bag's length is not checked
  ReadByte();
  const auto items = static_cast<std::int32_t>(ReadInt(true));
  for (std::int32_t i = 0; i < items; ++i) {
    SkipItem(extendedItems);
    ReadInt(true);
    ReadInt(true);
  }
  if (ReadInt(false) != 0) Raise("Bad start block crc");
}

void TCharacterFile::ReadEquipment(TCharacterEquipment& AEquipment) {
  AEquipment = TCharacterEquipment();
  const std::uint32_t length = ReadBlockStart(3);
  const std::uint32_t start = Position();
  const std::uint32_t version = ReadInt(true);
  FVersions.Inventory = version;
  if (version != InventoryVersion && version != ExtendedInventoryVersion) Raise("Invalid inventory");
  const bool extendedItems = version == ExtendedInventoryVersion;
  if (ReadByte() != 0) {
    const auto bags = static_cast<std::int32_t>(ReadInt(true));
    ReadInt(true);
    ReadInt(true);
    for (std::int32_t i = 0; i < bags; ++i) SkipBag(extendedItems);
    ReadByte();
    for (int slot = esHead; slot <= esRelic; ++slot) ReadEquippedItem(AEquipment, slot, extendedItems);
    ReadByte();
    ReadEquippedItem(AEquipment, esWeapon1, extendedItems);
    ReadEquippedItem(AEquipment, esWeapon2, extendedItems);
    ReadByte();
    ReadEquippedItem(AEquipment, esWeapon1Alt, extendedItems);
    ReadEquippedItem(AEquipment, esWeapon2Alt, extendedItems);
  }
  CheckBlockEnd(start, length, "Bad start block size", "Bad start block crc");
}
