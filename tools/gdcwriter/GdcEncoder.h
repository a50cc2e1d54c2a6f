#pragma once

// Writes values in the scrambling of the game's character save file: the
// mirror image of TCharacterFile's reads, step for step.

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <utility>
#include <cstdint>

class TGdcEncoder {
public:
  // Starts a file with its seed; the key is the seed XOR AKeyConstant.
  TGdcEncoder(std::uint32_t ASeed, std::uint32_t AKeyConstant);

  void WriteInt(std::uint32_t AValue, bool AUpdateKey = true);
  void WriteFloat(float AValue);
  void WriteByte(std::uint8_t AValue);
  void WriteWord(std::uint16_t AValue);
  // Length in UTF-16 code units, then each unit low byte first.
  void WriteWideString(const QString& AText);
  // Length in bytes, then the bytes.
  void WriteAnsiString(const QByteArray& AText);

  // A value written with the key held, to be filled in later (block lengths):
  // the key does not advance over it, so it can be patched without changing
  // anything written after it.
  qsizetype ReserveHeldInt();
  void PatchHeldInt(qsizetype AOffset, std::uint32_t AValue);

  qsizetype Position() const { return FBytes.size(); }
  const QByteArray& Bytes() const { return FBytes; }

private:
  void Append(std::uint32_t raw, int width, bool updateKey);

  QByteArray FBytes;
  std::uint32_t FKey;
  std::array<std::uint32_t, 256> FTable{};
  // Key in force at each reserved value, by the value's offset.
  QList<std::pair<qsizetype, std::uint32_t>> FReserved;
};
