#include "ArzRecord.h"

#include "Errors.h"

#include <QtEndian>

#include <bit>

std::uint32_t TArzRecord::Raw(const TArzField& field, int value) const {
  if (value < 0 || value >= field.Count) throw EListError(ListIndexErrorMessage(value));
  return qFromLittleEndian<std::uint32_t>(FData.constData() + field.ValueOffset + 4 * std::size_t(value));
}

std::int32_t TArzRecord::Integer(const TArzField& field, int value) const {
  return std::bit_cast<std::int32_t>(Raw(field, value));
}

float TArzRecord::Float(const TArzField& field, int value) const { return std::bit_cast<float>(Raw(field, value)); }

bool TArzRecord::Boolean(const TArzField& field, int value) const { return Raw(field, value) != 0; }

std::uint32_t TArzRecord::StringIndex(const TArzField& field, int value) const { return Raw(field, value); }
