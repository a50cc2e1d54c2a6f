#include "ByteCursor.h"

#include "GameDataError.h"

#include <QtEndian>

TByteCursor::TByteCursor(QByteArrayView bytes, std::size_t fileOffset, const QString& fileName,
                         const char* structure)
    : FBytes(bytes), FFileOffset(fileOffset), FFileName(fileName), FStructure(structure) {}

std::uint16_t TByteCursor::U16() { return qFromLittleEndian<std::uint16_t>(Take(2)); }

std::uint32_t TByteCursor::U32() { return qFromLittleEndian<std::uint32_t>(Take(4)); }

std::uint64_t TByteCursor::U64() { return qFromLittleEndian<std::uint64_t>(Take(8)); }

QByteArrayView TByteCursor::Bytes(std::size_t count) {
  const char* start = Take(count);
  return QByteArrayView(start, qsizetype(count));
}

void TByteCursor::Fail(const QString& problem) const {
  throw EGameDataError(FFileName, QStringLiteral("%1 %2 (at byte %3)")
                                      .arg(QString::fromLatin1(FStructure), problem)
                                      .arg(FFileOffset + FPosition));
}

const char* TByteCursor::Take(std::size_t count) {
  if (count > Remaining()) {
    Fail(QStringLiteral("is cut short: %1 bytes needed, %2 left").arg(count).arg(Remaining()));
  }
  const char* start = FBytes.data() + FPosition;
  FPosition += count;
  return start;
}
