#pragma once

#include "ArzRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

// A game database (.arz): a 24-byte header, the LZ4-compressed record data,
// the record table, the string table (one or more blocks) and a footer of
// four Adler-32 values.
//
// Opening reads the header and both tables and checks every count, offset,
// size and string index against the file; a damaged or foreign file raises
// EGameDataError. Records are decompressed only when asked for, one at a time.
// A footer that does not match is reported by ChecksumProblem() rather than
// raised, so that the intact records of a damaged file stay readable.
class TArzDatabase {
public:
  // Records larger than this when decompressed are refused as damaged.
  static constexpr std::uint32_t MaxRecordSize = 16u << 20;

  static TArzDatabase Open(const QString& fileName);
  static TArzDatabase FromBytes(QByteArray bytes, const QString& fileName);

  const QString& FileName() const { return FFileName; }
  // Empty when all four checksums of the footer match; otherwise says which do not.
  const QString& ChecksumProblem() const { return FChecksumProblem; }

  int StringCount() const { return int(FStrings.size()); }
  // The string at an index below StringCount().
  QByteArrayView String(std::uint32_t index) const;

  int RecordCount() const { return int(FRecords.size()); }
  QByteArrayView RecordPath(int record) const;
  QByteArrayView RecordClass(int record) const;
  // The record of that exact path; -1 when none.
  int IndexOfRecord(QByteArrayView path) const;

  // Decompresses one record into `into` (its buffers are reused); raises
  // EGameDataError when the record's data is damaged.
  void ReadRecord(int record, TArzRecord& into) const;
  TArzRecord ReadRecord(int record) const;

  // The first field of that name; nullptr when the record has none.
  const TArzField* FindField(const TArzRecord& record, QByteArrayView key) const;

private:
  struct TSpan {
    std::uint32_t Offset = 0;
    std::uint32_t Size = 0;
  };
  struct TRecordEntry {
    std::uint32_t PathIndex = 0;
    TSpan Class;
    TSpan Data;  // stored bytes, offset from the start of the file
    std::uint32_t Size = 0;
  };

  TArzDatabase(QByteArray bytes, const QString& fileName);
  void ReadTables();
  void ReadStrings(std::uint32_t offset, std::uint32_t size);
  void ReadRecordTable(std::uint32_t offset, std::uint32_t size, std::uint32_t count, std::uint32_t dataEnd);
  void CheckFooter(std::uint32_t recordTableOffset, std::uint32_t recordTableSize, std::uint32_t stringTableOffset,
                   std::uint32_t stringTableSize);
  void ParseFields(int record, TArzRecord& into) const;
  QByteArrayView View(TSpan span) const;
  QString RecordName(int record) const;
  [[noreturn]] void Fail(const QString& problem) const;

  QByteArray FBytes;
  QString FFileName;
  QString FChecksumProblem;
  std::vector<TSpan> FStrings;
  std::vector<TRecordEntry> FRecords;
};
