#include "ArzDatabase.h"

#include "Adler32.h"
#include "ByteCursor.h"
#include "GameDataError.h"
#include "Lz4Block.h"

#include <QStringList>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr std::uint32_t HeaderSize = 24;
constexpr std::uint32_t FooterSize = 16;
constexpr std::uint16_t HeaderMagic = 2;
constexpr std::uint16_t SupportedVersion = 3;
// Path index, class length, data offset, stored size, size, time.
constexpr std::uint32_t MinRecordEntrySize = 4 + 4 + 4 + 4 + 4 + 8;
// Type, value count and key of a field.
constexpr std::uint32_t FieldHeaderSize = 8;

bool Within(std::uint64_t offset, std::uint64_t size, std::uint64_t begin, std::uint64_t end) {
  return offset >= begin && offset + size <= end;
}

}  // namespace

TArzDatabase TArzDatabase::Open(const QString& fileName) { return FromBytes(ReadGameDataFile(fileName), fileName); }

TArzDatabase TArzDatabase::FromBytes(QByteArray bytes, const QString& fileName) {
  TArzDatabase database(std::move(bytes), fileName);
  database.ReadTables();
  return database;
}

TArzDatabase::TArzDatabase(QByteArray bytes, const QString& fileName)
    : FBytes(std::move(bytes)), FFileName(fileName) {}

void TArzDatabase::Fail(const QString& problem) const { throw EGameDataError(FFileName, problem); }

QByteArrayView TArzDatabase::View(TSpan span) const {
  return QByteArrayView(FBytes.constData() + span.Offset, qsizetype(span.Size));
}

void TArzDatabase::ReadTables() {
  const std::uint64_t fileSize = std::uint64_t(FBytes.size());
  if (fileSize < HeaderSize + FooterSize) {
    Fail(QStringLiteral("too short to be a game database (%1 bytes)").arg(fileSize));
  }
  // Offsets in the file are 32-bit.
  if (fileSize > UINT32_MAX) Fail(QStringLiteral("too large to be a game database (%1 bytes)").arg(fileSize));
  TByteCursor header(QByteArrayView(FBytes.constData(), HeaderSize), 0, FFileName, "the database header");
  const std::uint16_t magic = header.U16();
  const std::uint16_t version = header.U16();
  if (magic != HeaderMagic || version != SupportedVersion) {
    Fail(QStringLiteral("not a game database of a known version (header %1, %2)").arg(magic).arg(version));
  }
  const std::uint32_t recordTableOffset = header.U32();
  const std::uint32_t recordTableSize = header.U32();
  const std::uint32_t recordCount = header.U32();
  const std::uint32_t stringTableOffset = header.U32();
  const std::uint32_t stringTableSize = header.U32();

  const std::uint64_t footerOffset = fileSize - FooterSize;
  if (!Within(recordTableOffset, recordTableSize, HeaderSize, footerOffset)) {
    Fail(QStringLiteral("its record table (%1 bytes at byte %2) lies outside the file").arg(recordTableSize).arg(recordTableOffset));
  }
  if (!Within(stringTableOffset, stringTableSize, HeaderSize, footerOffset)) {
    Fail(QStringLiteral("its string table (%1 bytes at byte %2) lies outside the file").arg(stringTableSize).arg(stringTableOffset));
  }
  const bool overlap = recordTableOffset < std::uint64_t(stringTableOffset) + stringTableSize &&
                       stringTableOffset < std::uint64_t(recordTableOffset) + recordTableSize;
  if (overlap) Fail(QStringLiteral("its record table and string table overlap"));

  ReadStrings(stringTableOffset, stringTableSize);
  // The record data lies between the header and the record table.
  ReadRecordTable(recordTableOffset, recordTableSize, recordCount, recordTableOffset);
  CheckFooter(recordTableOffset, recordTableSize, stringTableOffset, stringTableSize);
}

void TArzDatabase::ReadStrings(std::uint32_t offset, std::uint32_t size) {
  TByteCursor table(QByteArrayView(FBytes.constData() + offset, size), offset, FFileName, "the string table");
  while (!table.AtEnd()) {
    const std::uint32_t count = table.U32();
    if (count > table.Remaining() / 4) {
      table.Fail(QStringLiteral("has a block of %1 strings that cannot fit in it").arg(count));
    }
    FStrings.reserve(FStrings.size() + count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t length = table.U32();
      const std::size_t start = offset + table.Position();
      table.Bytes(length);
      FStrings.push_back({std::uint32_t(start), length});
    }
  }
}

void TArzDatabase::ReadRecordTable(std::uint32_t offset, std::uint32_t size, std::uint32_t count,
                                   std::uint32_t dataEnd) {
  TByteCursor table(QByteArrayView(FBytes.constData() + offset, size), offset, FFileName, "the record table");
  if (count > size / MinRecordEntrySize) {
    table.Fail(QStringLiteral("cannot hold the %1 records the header claims").arg(count));
  }
  FRecords.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    TRecordEntry& entry = FRecords[i];
    entry.PathIndex = table.U32();
    if (entry.PathIndex >= FStrings.size()) {
      table.Fail(QStringLiteral("names record %1 by string %2 of %3").arg(i).arg(entry.PathIndex).arg(FStrings.size()));
    }
    const std::uint32_t classLength = table.U32();
    entry.Class = {std::uint32_t(offset + table.Position()), classLength};
    table.Bytes(classLength);
    entry.Data.Offset = table.U32();
    entry.Data.Size = table.U32();
    entry.Size = table.U32();
    table.U64();  // modification time
    const std::uint64_t dataOffset = std::uint64_t(entry.Data.Offset) + HeaderSize;
    if (!Within(dataOffset, entry.Data.Size, HeaderSize, dataEnd)) {
      Fail(QStringLiteral("the data of record %1 lies outside the record data").arg(RecordName(int(i))));
    }
    entry.Data.Offset = std::uint32_t(dataOffset);
    if (entry.Size > MaxRecordSize || entry.Size > Lz4MaxExpandedSize(entry.Data.Size)) {
      Fail(QStringLiteral("record %1 claims %2 bytes from %3 stored bytes").arg(RecordName(int(i))).arg(entry.Size).arg(entry.Data.Size));
    }
  }
  if (!table.AtEnd()) table.Fail(QStringLiteral("has %1 bytes after its last record").arg(table.Remaining()));
}

void TArzDatabase::CheckFooter(std::uint32_t recordTableOffset, std::uint32_t recordTableSize,
                               std::uint32_t stringTableOffset, std::uint32_t stringTableSize) {
  const std::size_t footerOffset = std::size_t(FBytes.size()) - FooterSize;
  const char* bytes = FBytes.constData();
  struct TCheck {
    const char* What;
    std::size_t Offset;
    std::size_t Size;
  };
  const TCheck checks[] = {
      {"the whole file", 0, footerOffset},
      {"the string table", stringTableOffset, stringTableSize},
      {"the record data", HeaderSize, recordTableOffset - HeaderSize},
      {"the record table", recordTableOffset, recordTableSize},
  };
  QStringList failed;
  for (std::size_t i = 0; i < std::size(checks); ++i) {
    const std::uint32_t stored = qFromLittleEndian<std::uint32_t>(bytes + footerOffset + 4 * i);
    if (Adler32(bytes + checks[i].Offset, checks[i].Size) != stored) failed << QString::fromLatin1(checks[i].What);
  }
  if (!failed.isEmpty()) FChecksumProblem = QStringLiteral("the checksum of %1 does not match").arg(failed.join(QStringLiteral(", ")));
}

QByteArrayView TArzDatabase::String(std::uint32_t index) const {
  if (index >= FStrings.size()) throw EListError(ListIndexErrorMessage(int(index)));
  return View(FStrings[index]);
}

QByteArrayView TArzDatabase::RecordPath(int record) const {
  return View(FStrings[FRecords.at(std::size_t(record)).PathIndex]);
}

QByteArrayView TArzDatabase::RecordClass(int record) const { return View(FRecords.at(std::size_t(record)).Class); }

QString TArzDatabase::RecordName(int record) const {
  return QLatin1Char('"') + QString::fromUtf8(RecordPath(record)) + QLatin1Char('"');
}

int TArzDatabase::IndexOfRecord(QByteArrayView path) const {
  for (std::size_t i = 0; i < FRecords.size(); ++i) {
    if (RecordPath(int(i)) == path) return int(i);
  }
  return -1;
}

TArzRecord TArzDatabase::ReadRecord(int record) const {
  TArzRecord result;
  ReadRecord(record, result);
  return result;
}

void TArzDatabase::ReadRecord(int record, TArzRecord& into) const {
  const TRecordEntry& entry = FRecords.at(std::size_t(record));
  into.FFields.clear();
  into.FData.resize(qsizetype(entry.Size));
  if (!DecompressLz4Block(View(entry.Data), into.FData.data(), entry.Size)) {
    Fail(QStringLiteral("the data of record %1 does not decompress").arg(RecordName(record)));
  }
  ParseFields(record, into);
}

void TArzDatabase::ParseFields(int record, TArzRecord& into) const {
  const char* data = into.FData.constData();
  const std::size_t size = std::size_t(into.FData.size());
  const std::uint32_t stringCount = std::uint32_t(FStrings.size());
  std::size_t position = 0;
  while (position < size) {
    if (size - position < FieldHeaderSize) {
      Fail(QStringLiteral("record %1 ends inside a field header").arg(RecordName(record)));
    }
    TArzField field;
    const std::uint16_t type = qFromLittleEndian<std::uint16_t>(data + position);
    field.Count = qFromLittleEndian<std::uint16_t>(data + position + 2);
    field.Key = qFromLittleEndian<std::uint32_t>(data + position + 4);
    field.ValueOffset = std::uint32_t(position + FieldHeaderSize);
    if (type > std::uint16_t(TArzFieldType::Boolean)) {
      Fail(QStringLiteral("record %1 has a field of unknown type %2").arg(RecordName(record)).arg(type));
    }
    field.Type = TArzFieldType(type);
    if (field.Key >= stringCount) {
      Fail(QStringLiteral("record %1 names a field by string %2 of %3").arg(RecordName(record)).arg(field.Key).arg(stringCount));
    }
    const std::size_t valuesSize = 4 * std::size_t(field.Count);
    if (size - field.ValueOffset < valuesSize) {
      Fail(QStringLiteral("record %1 ends inside a field's values").arg(RecordName(record)));
    }
    if (field.Type == TArzFieldType::String) {
      for (std::size_t v = 0; v < field.Count; ++v) {
        if (qFromLittleEndian<std::uint32_t>(data + field.ValueOffset + 4 * v) >= stringCount) {
          Fail(QStringLiteral("record %1 refers to a string beyond the string table").arg(RecordName(record)));
        }
      }
    }
    into.FFields.push_back(field);
    position = field.ValueOffset + valuesSize;
  }
}

const TArzField* TArzDatabase::FindField(const TArzRecord& record, QByteArrayView key) const {
  for (const TArzField& field : record.FFields) {
    if (View(FStrings[field.Key]) == key) return &field;
  }
  return nullptr;
}
