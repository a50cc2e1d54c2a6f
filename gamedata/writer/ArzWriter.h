#pragma once

#include "ArzRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// One record for TArzWriter: a path, a class and typed fields, added in order.
class TArzRecordSpec {
public:
  TArzRecordSpec(QByteArray path, QByteArray className);

  TArzRecordSpec& String(const QByteArray& key, const QByteArray& value);
  TArzRecordSpec& Strings(const QByteArray& key, const QList<QByteArray>& values);
  TArzRecordSpec& Integer(const QByteArray& key, std::int32_t value);
  TArzRecordSpec& Float(const QByteArray& key, float value);
  TArzRecordSpec& Boolean(const QByteArray& key, bool value);
  // Fault injection: these bytes are compressed as the record's data in place
  // of its fields (string indexes in them are the writer's own).
  TArzRecordSpec& RawData(QByteArray data);
  // Fault injection: these bytes are stored as they are, not compressed; the
  // record still claims `size` decompressed bytes.
  TArzRecordSpec& RawStored(QByteArray stored, std::uint32_t size);

private:
  friend class TArzWriter;
  struct TField {
    TArzFieldType Type;
    QByteArray Key;
    std::vector<std::uint32_t> Numbers;  // integer, float and boolean values
    QList<QByteArray> Texts;             // string values
  };

  QByteArray FPath;
  QByteArray FClass;
  std::vector<TField> FFields;
  std::optional<QByteArray> FRawData;
  std::optional<QByteArray> FRawStored;
  std::uint32_t FRawStoredSize = 0;
};

// Where the parts of a written database lie, for tests that damage them.
struct TArzLayout {
  std::uint32_t RecordTableOffset = 0;
  std::uint32_t RecordTableSize = 0;
  std::uint32_t StringTableOffset = 0;
  std::uint32_t StringTableSize = 0;
  std::uint32_t FooterOffset = 0;
  std::vector<std::uint32_t> RecordEntryOffsets;  // start of each record's table entry
  std::vector<std::uint32_t> RecordDataOffsets;   // start of each record's stored data in the file
};

// Writes game databases (.arz) in the layout the game uses: header, record
// data, record table, string table, footer of four Adler-32 values.
class TArzWriter {
public:
  TArzRecordSpec& AddRecord(QByteArray path, QByteArray className);
  int RecordCount() const { return int(FRecords.size()); }

  // The string table is split into this many blocks (at least one).
  void SetStringBlocks(int blocks) { FStringBlocks = blocks; }
  // Stores the record data in the reverse order of the record table.
  void SetReverseDataOrder(bool reverse) { FReverseDataOrder = reverse; }
  // Puts a string into the table even when no record uses it.
  std::uint32_t Intern(const QByteArray& text);

  QByteArray Build(TArzLayout* layout = nullptr);

private:
  QByteArray EncodeFields(const TArzRecordSpec& record);
  QByteArray StringTable() const;

  std::vector<TArzRecordSpec> FRecords;
  QList<QByteArray> FStrings;
  QHash<QByteArray, std::uint32_t> FStringIndex;
  int FStringBlocks = 1;
  bool FReverseDataOrder = false;
};

// Appends the value as four little-endian bytes, as both file formats store it.
void AppendU32(QByteArray& bytes, std::uint32_t value);

// Fault injection helpers for written files.
void PatchU32(QByteArray& bytes, std::size_t offset, std::uint32_t value);
// Recomputes the footer's four checksums after the file was patched, so that
// only the structural damage remains.
void RewriteArzFooter(QByteArray& bytes);

// One LZ4 block of the data (the compression the game uses).
QByteArray CompressLz4Block(const QByteArray& data);
