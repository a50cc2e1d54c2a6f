#pragma once

// Reader of the game's scrambled character save file (player.gdc).
//
// Bytes 0-3 of the file are a seed; every byte after them is scrambled with a
// running 32-bit key that starts as the seed XOR a fixed constant and, after
// each decoding step that advances it, is XORed with a table entry chosen by
// each raw byte read. The reader holds the whole file in memory and decodes it
// strictly in order; it never writes and never seeks.
//
// Besides the primitive reads it has the block readers that fill the records
// of a character (header, info, stats, equipment) and check the format.

#include "UModels.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

class TCharacterFile {
public:
  // The key constant of saves written by the game, and the older one that is
  // used whenever the game's does not decode the magic.
  static constexpr std::uint32_t GameKeyConstant = 0x55555555u;
  static constexpr std::uint32_t LegacyKeyConstant = 0x6D3A0F27u;
  // "GDCX" as a little-endian value.
  static constexpr std::uint32_t Magic = 0x58434447u;
  // Larger files are refused before they are read: real saves are well
  // under a megabyte.
  static constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;

  // Reads the file whole. Raises EFileError with the system's reason when it
  // cannot be opened or read, EReadError when it is shorter than the seed, and
  // EError when it is larger than MaxFileSize.
  explicit TCharacterFile(const QString& AFileName);
  // Reads from bytes already in memory; raises EReadError when they are
  // shorter than the seed.
  explicit TCharacterFile(QByteArray AData);

  TCharacterFile(const TCharacterFile&) = delete;
  TCharacterFile& operator=(const TCharacterFile&) = delete;

  std::uint32_t ReadInt(bool AUpdateKey);
  float ReadFloat();
  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  QString ReadWideString();
  QString ReadAnsiString();

  // Bytes consumed since the start of the file, the seed included.
  std::uint32_t Position() const { return static_cast<std::uint32_t>(FPosition); }
  std::uint32_t Key() const { return FKey; }
  std::uint32_t KeyConstant() const { return FKeyConstant; }

  // Block readers: each clears its record, reads its part of the file at the
  // current position and fills the record, or raises EError naming the first
  // format violation. The versions met are kept in Versions().
  void ReadHeader(TCharacterHeader& AHeader);
  void ReadInformation(TCharacterInfo& AInfo);
  void ReadStats(TCharacterStats& AStats);
  void ReadEquipment(TCharacterEquipment& AEquipment);

  const TFormatVersions& Versions() const { return FVersions; }

private:
  void InitKey();
  std::uint32_t ChooseKeyConstant(std::uint32_t seed) const;
  const std::uint8_t* Take(std::uint64_t count);
  void UpdateKey(const std::uint8_t* raw, std::size_t count);
  void SkipAnsiString();
  std::uint32_t ReadBlockStart(std::uint32_t id);
  void CheckBlockEnd(std::uint32_t contentStart, std::uint32_t length, const char* sizeMessage,
                     const char* crcMessage);
  void ReadEquippedItem(TCharacterEquipment& AEquipment, int slot, bool extendedItems);
  void ReadItemTail(bool extendedItems);
  void SkipItem(bool extendedItems);
  void SkipBag(bool extendedItems);

  QByteArray FData;
  const std::uint8_t* FBytes = nullptr;
  std::size_t FSize = 0;
  std::size_t FPosition = 0;
  std::uint32_t FKey = 0;
  std::uint32_t FKeyConstant = LegacyKeyConstant;
  std::array<std::uint32_t, 256> FTable{};
  TFormatVersions FVersions;
};
