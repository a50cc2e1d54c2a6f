#include "ArzWriter.h"

#include "Adler32.h"

#include <QtEndian>

#include <bit>
#include <lz4.h>
#include <stdexcept>

namespace {

constexpr std::uint32_t HeaderSize = 24;

void AppendU16(QByteArray& bytes, std::uint16_t value) {
  char buffer[2];
  qToLittleEndian(value, buffer);
  bytes.append(buffer, 2);
}

std::uint32_t U32At(const QByteArray& bytes, std::size_t offset) {
  return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

}  // namespace

QByteArray CompressLz4Block(const QByteArray& data) {
  QByteArray block(LZ4_compressBound(int(data.size())), Qt::Uninitialized);
  const int size = LZ4_compress_default(data.constData(), block.data(), int(data.size()), int(block.size()));
  if (size <= 0) throw std::runtime_error("LZ4 compression failed");
  block.truncate(size);
  return block;
}

void AppendU32(QByteArray& bytes, std::uint32_t value) {
  char buffer[4];
  qToLittleEndian(value, buffer);
  bytes.append(buffer, 4);
}

void PatchU32(QByteArray& bytes, std::size_t offset, std::uint32_t value) {
  if (offset + 4 > std::size_t(bytes.size())) throw std::out_of_range("PatchU32 outside the file");
  qToLittleEndian(value, bytes.data() + offset);
}

void RewriteArzFooter(QByteArray& bytes) {
  const std::size_t footer = std::size_t(bytes.size()) - 16;
  const std::uint64_t recordTable = U32At(bytes, 4);
  const std::uint64_t recordTableSize = U32At(bytes, 8);
  const std::uint64_t stringTable = U32At(bytes, 16);
  const std::uint64_t stringTableSize = U32At(bytes, 20);
  const char* data = bytes.constData();
  // A region that a damaged header puts outside the file gets no checksum.
  auto sum = [&](std::uint64_t offset, std::uint64_t size) {
    return offset + size <= footer ? Adler32(data + offset, std::size_t(size)) : 0u;
  };
  const std::uint32_t sums[4] = {
      sum(0, footer),
      sum(stringTable, stringTableSize),
      recordTable >= HeaderSize ? sum(HeaderSize, recordTable - HeaderSize) : 0u,
      sum(recordTable, recordTableSize),
  };
  for (int i = 0; i < 4; ++i) PatchU32(bytes, footer + 4 * std::size_t(i), sums[i]);
}

TArzRecordSpec::TArzRecordSpec(QByteArray path, QByteArray className)
    : FPath(std::move(path)), FClass(std::move(className)) {}

TArzRecordSpec& TArzRecordSpec::String(const QByteArray& key, const QByteArray& value) {
  return Strings(key, {value});
}

TArzRecordSpec& TArzRecordSpec::Strings(const QByteArray& key, const QList<QByteArray>& values) {
  FFields.push_back({TArzFieldType::String, key, {}, values});
  return *this;
}

TArzRecordSpec& TArzRecordSpec::Integer(const QByteArray& key, std::int32_t value) {
  FFields.push_back({TArzFieldType::Integer, key, {std::bit_cast<std::uint32_t>(value)}, {}});
  return *this;
}

TArzRecordSpec& TArzRecordSpec::Float(const QByteArray& key, float value) {
  FFields.push_back({TArzFieldType::Float, key, {std::bit_cast<std::uint32_t>(value)}, {}});
  return *this;
}

TArzRecordSpec& TArzRecordSpec::Boolean(const QByteArray& key, bool value) {
  FFields.push_back({TArzFieldType::Boolean, key, {value ? 1u : 0u}, {}});
  return *this;
}

TArzRecordSpec& TArzRecordSpec::RawData(QByteArray data) {
  FRawData = std::move(data);
  return *this;
}

TArzRecordSpec& TArzRecordSpec::RawStored(QByteArray stored, std::uint32_t size) {
  FRawStored = std::move(stored);
  FRawStoredSize = size;
  return *this;
}

TArzRecordSpec& TArzWriter::AddRecord(QByteArray path, QByteArray className) {
  Intern(path);
  return FRecords.emplace_back(std::move(path), std::move(className));
}

std::uint32_t TArzWriter::Intern(const QByteArray& text) {
  const auto found = FStringIndex.constFind(text);
  if (found != FStringIndex.constEnd()) return found.value();
  const auto index = std::uint32_t(FStrings.size());
  FStrings << text;
  FStringIndex.insert(text, index);
  return index;
}

QByteArray TArzWriter::EncodeFields(const TArzRecordSpec& record) {
  QByteArray data;
  for (const TArzRecordSpec::TField& field : record.FFields) {
    const bool isString = field.Type == TArzFieldType::String;
    AppendU16(data, std::uint16_t(field.Type));
    AppendU16(data, std::uint16_t(isString ? field.Texts.size() : qsizetype(field.Numbers.size())));
    AppendU32(data, Intern(field.Key));
    if (isString) {
      for (const QByteArray& text : field.Texts) AppendU32(data, Intern(text));
    } else {
      for (std::uint32_t number : field.Numbers) AppendU32(data, number);
    }
  }
  return data;
}

QByteArray TArzWriter::StringTable() const {
  QByteArray table;
  const qsizetype blocks = std::max(1, FStringBlocks);
  const qsizetype perBlock = (FStrings.size() + blocks - 1) / blocks;
  for (qsizetype start = 0, block = 0; block < blocks; ++block, start += perBlock) {
    const qsizetype end = std::min(FStrings.size(), start + perBlock);
    const qsizetype count = std::max<qsizetype>(0, end - start);
    AppendU32(table, std::uint32_t(count));
    for (qsizetype i = start; i < start + count; ++i) {
      AppendU32(table, std::uint32_t(FStrings[i].size()));
      table += FStrings[i];
    }
  }
  return table;
}

QByteArray TArzWriter::Build(TArzLayout* layout) {
  struct TStored {
    QByteArray Bytes;
    std::uint32_t Size = 0;
    std::uint32_t Offset = 0;
  };
  std::vector<TStored> stored(FRecords.size());
  for (std::size_t i = 0; i < FRecords.size(); ++i) {
    const TArzRecordSpec& record = FRecords[i];
    if (record.FRawStored) {
      stored[i] = {*record.FRawStored, record.FRawStoredSize, 0};
      continue;
    }
    const QByteArray data = record.FRawData ? *record.FRawData : EncodeFields(record);
    stored[i] = {CompressLz4Block(data), std::uint32_t(data.size()), 0};
  }

  QByteArray file(HeaderSize, '\0');
  for (std::size_t n = 0; n < stored.size(); ++n) {
    const std::size_t i = FReverseDataOrder ? stored.size() - 1 - n : n;
    stored[i].Offset = std::uint32_t(file.size()) - HeaderSize;
    file += stored[i].Bytes;
  }

  TArzLayout local;
  TArzLayout& where = layout ? *layout : local;
  where = TArzLayout{};
  where.RecordTableOffset = std::uint32_t(file.size());
  for (std::size_t i = 0; i < FRecords.size(); ++i) {
    where.RecordEntryOffsets.push_back(std::uint32_t(file.size()));
    where.RecordDataOffsets.push_back(stored[i].Offset + HeaderSize);
    AppendU32(file, FStringIndex.value(FRecords[i].FPath));
    AppendU32(file, std::uint32_t(FRecords[i].FClass.size()));
    file += FRecords[i].FClass;
    AppendU32(file, stored[i].Offset);
    AppendU32(file, std::uint32_t(stored[i].Bytes.size()));
    AppendU32(file, stored[i].Size);
    AppendU32(file, 0x2A3B4C5D);  // modification time, low and high
    AppendU32(file, 0x01D9A000);
  }
  where.RecordTableSize = std::uint32_t(file.size()) - where.RecordTableOffset;
  where.StringTableOffset = std::uint32_t(file.size());
  file += StringTable();
  where.StringTableSize = std::uint32_t(file.size()) - where.StringTableOffset;
  where.FooterOffset = std::uint32_t(file.size());
  file += QByteArray(16, '\0');

  PatchU32(file, 0, 2 | (3u << 16));
  PatchU32(file, 4, where.RecordTableOffset);
  PatchU32(file, 8, where.RecordTableSize);
  PatchU32(file, 12, std::uint32_t(FRecords.size()));
  PatchU32(file, 16, where.StringTableOffset);
  PatchU32(file, 20, where.StringTableSize);
  RewriteArzFooter(file);
  return file;
}
