#include "GdcEncoder.h"

#include <bit>
#include <stdexcept>

namespace {

constexpr std::uint32_t TableMultiplier = 39916801u;

}  // namespace

TGdcEncoder::TGdcEncoder(std::uint32_t ASeed, std::uint32_t AKeyConstant) : FKey(ASeed ^ AKeyConstant) {
  for (int i = 0; i < 4; ++i) FBytes.append(static_cast<char>((ASeed >> (8 * i)) & 0xFF));
  std::uint32_t s = FKey;
  for (std::uint32_t& entry : FTable) {
    s = std::rotr(s, 1) * TableMultiplier;
    entry = s;
  }
}

void TGdcEncoder::Append(std::uint32_t value, int width, bool updateKey) {
  const std::uint32_t raw = value ^ FKey;
  for (int i = 0; i < width; ++i) {
    const auto b = static_cast<std::uint8_t>((raw >> (8 * i)) & 0xFF);
    FBytes.append(static_cast<char>(b));
    if (updateKey) FKey ^= FTable[b];
  }
}

void TGdcEncoder::WriteInt(std::uint32_t AValue, bool AUpdateKey) { Append(AValue, 4, AUpdateKey); }

void TGdcEncoder::WriteFloat(float AValue) { Append(std::bit_cast<std::uint32_t>(AValue), 4, true); }

void TGdcEncoder::WriteByte(std::uint8_t AValue) { Append(AValue, 1, true); }

void TGdcEncoder::WriteWord(std::uint16_t AValue) { Append(AValue, 2, true); }

void TGdcEncoder::WriteWideString(const QString& AText) {
  WriteInt(static_cast<std::uint32_t>(AText.size()));
  for (const QChar c : AText) {
    WriteByte(static_cast<std::uint8_t>(c.unicode() & 0xFF));
    WriteByte(static_cast<std::uint8_t>(c.unicode() >> 8));
  }
}

void TGdcEncoder::WriteAnsiString(const QByteArray& AText) {
  WriteInt(static_cast<std::uint32_t>(AText.size()));
  for (const char c : AText) WriteByte(static_cast<std::uint8_t>(c));
}

qsizetype TGdcEncoder::ReserveHeldInt() {
  const qsizetype offset = Position();
  FReserved.append({offset, FKey});
  WriteInt(0, false);
  return offset;
}

void TGdcEncoder::PatchHeldInt(qsizetype AOffset, std::uint32_t AValue) {
  for (const auto& [offset, key] : FReserved) {
    if (offset != AOffset) continue;
    const std::uint32_t raw = AValue ^ key;
    for (int i = 0; i < 4; ++i) FBytes[offset + i] = static_cast<char>((raw >> (8 * i)) & 0xFF);
    return;
  }
  throw std::logic_error("PatchHeldInt: no value was reserved at this offset");
}
