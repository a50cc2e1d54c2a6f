#include "ArcArchive.h"

#include "Adler32.h"
#include "ByteCursor.h"
#include "GameDataError.h"
#include "Lz4Block.h"
#include "TextCompare.h"

#include <cstring>

namespace {

constexpr std::size_t HeaderSize = 28;
constexpr std::size_t PartEntrySize = 12;
constexpr std::size_t TocEntrySize = 44;
constexpr std::uint32_t SupportedVersion = 3;

QByteArrayView View(const QByteArray& bytes, std::uint64_t offset, std::uint64_t size) {
  return QByteArrayView(bytes.constData() + offset, qsizetype(size));
}

}  // namespace

TArcArchive TArcArchive::Open(const QString& fileName) { return FromBytes(ReadGameDataFile(fileName), fileName); }

TArcArchive TArcArchive::FromBytes(QByteArray bytes, const QString& fileName) {
  TArcArchive archive(std::move(bytes), fileName);
  archive.ReadTables();
  return archive;
}

TArcArchive::TArcArchive(QByteArray bytes, const QString& fileName)
    : FBytes(std::move(bytes)), FFileName(fileName) {}

void TArcArchive::Fail(const QString& problem) const { throw EGameDataError(FFileName, problem); }

void TArcArchive::ReadTables() {
  const std::uint64_t fileSize = std::uint64_t(FBytes.size());
  if (fileSize < HeaderSize) Fail(QStringLiteral("too short to be an archive (%1 bytes)").arg(fileSize));
  if (std::memcmp(FBytes.constData(), "ARC\0", 4) != 0) Fail(QStringLiteral("not an archive (no ARC signature)"));

  TByteCursor header(View(FBytes, 4, HeaderSize - 4), 4, FFileName, "the archive header");
  const std::uint32_t version = header.U32();
  const std::uint32_t fileCount = header.U32();
  const std::uint32_t partCount = header.U32();
  const std::uint32_t partTableSize = header.U32();
  const std::uint32_t nameTableSize = header.U32();
  const std::uint32_t tablesOffset = header.U32();
  if (version != SupportedVersion) Fail(QStringLiteral("unsupported archive version %1").arg(version));
  if (std::uint64_t(partCount) * PartEntrySize != partTableSize) {
    Fail(QStringLiteral("the part table's size (%1 bytes) does not fit its %2 parts").arg(partTableSize).arg(partCount));
  }
  const std::uint64_t namesOffset = std::uint64_t(tablesOffset) + partTableSize;
  const std::uint64_t tocOffset = namesOffset + nameTableSize;
  const std::uint64_t tablesEnd = tocOffset + std::uint64_t(fileCount) * TocEntrySize;
  if (tablesOffset < HeaderSize) Fail(QStringLiteral("its tables start inside the header (at byte %1)").arg(tablesOffset));
  if (tablesEnd > fileSize) {
    Fail(QStringLiteral("its tables (bytes %1 to %2) lie outside the file (%3 bytes)")
             .arg(tablesOffset).arg(tablesEnd).arg(fileSize));
  }
  ReadParts(tablesOffset, partCount);
  ReadEntries(tocOffset, fileCount, namesOffset, nameTableSize);
}

void TArcArchive::ReadParts(std::uint64_t tableOffset, std::uint32_t count) {
  const std::uint64_t fileSize = std::uint64_t(FBytes.size());
  TByteCursor table(View(FBytes, tableOffset, std::uint64_t(count) * PartEntrySize), tableOffset, FFileName,
                    "the part table");
  FParts.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    TPart& part = FParts[i];
    part.Offset = table.U32();
    part.StoredSize = table.U32();
    part.Size = table.U32();
    if (std::uint64_t(part.Offset) + part.StoredSize > fileSize) {
      Fail(QStringLiteral("part %1 (bytes %2 to %3) lies outside the file")
               .arg(i).arg(part.Offset).arg(std::uint64_t(part.Offset) + part.StoredSize));
    }
    if (part.StoredSize > part.Size) {
      Fail(QStringLiteral("part %1 stores %2 bytes for %3").arg(i).arg(part.StoredSize).arg(part.Size));
    }
    if (part.StoredSize < part.Size && part.Size > Lz4MaxExpandedSize(part.StoredSize)) {
      Fail(QStringLiteral("part %1 claims %2 bytes from a %3-byte block").arg(i).arg(part.Size).arg(part.StoredSize));
    }
  }
}

void TArcArchive::ReadEntries(std::uint64_t tocOffset, std::uint32_t count, std::uint64_t namesOffset,
                              std::uint32_t namesSize) {
  TByteCursor toc(View(FBytes, tocOffset, std::uint64_t(count) * TocEntrySize), tocOffset, FFileName,
                  "the table of contents");
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t type = toc.U32();
    toc.U32();  // offset of the first part
    toc.U32();  // stored size
    TArcEntry entry;
    entry.Size = toc.U32();
    entry.Adler32 = toc.U32();
    toc.U64();  // modification time
    entry.PartCount = toc.U32();
    entry.FirstPart = toc.U32();
    const std::uint32_t nameLength = toc.U32();
    const std::uint32_t nameOffset = toc.U32();
    // A replaced file leaves an entry of type 0 behind whose other fields are stale.
    if (type == 0) continue;
    if (std::uint64_t(nameOffset) + nameLength > namesSize) {
      Fail(QStringLiteral("entry %1 has its name outside the name table").arg(i));
    }
    entry.Name = QString::fromUtf8(View(FBytes, namesOffset + nameOffset, nameLength));
    CheckEntryParts(entry);
    FFiles.push_back(std::move(entry));
  }
}

void TArcArchive::CheckEntryParts(const TArcEntry& entry) const {
  if (std::uint64_t(entry.FirstPart) + entry.PartCount > FParts.size()) {
    Fail(QStringLiteral("file \"%1\" refers to parts beyond the part table").arg(entry.Name));
  }
  std::uint64_t total = 0;
  for (std::uint32_t i = 0; i < entry.PartCount; ++i) total += FParts[entry.FirstPart + i].Size;
  if (total != entry.Size) {
    Fail(QStringLiteral("the parts of file \"%1\" add up to %2 bytes, not %3").arg(entry.Name).arg(total).arg(entry.Size));
  }
}

int TArcArchive::IndexOf(const QString& name) const {
  for (std::size_t i = 0; i < FFiles.size(); ++i) {
    if (SameTextAscii(FFiles[i].Name, name)) return int(i);
  }
  return -1;
}

QByteArray TArcArchive::Extract(int index) const {
  const TArcEntry& entry = FFiles.at(std::size_t(index));
  if (entry.Size > MaxExtractSize) {
    Fail(QStringLiteral("file \"%1\" is too large to read (%2 bytes)").arg(entry.Name).arg(entry.Size));
  }
  // The buffer grows part by part, so a damaged part stops the extraction
  // before the rest of the claimed size is allocated.
  QByteArray data;
  for (std::uint32_t i = 0; i < entry.PartCount; ++i) {
    const TPart& part = FParts[entry.FirstPart + i];
    const QByteArrayView stored = View(FBytes, part.Offset, part.StoredSize);
    const qsizetype start = data.size();
    if (part.StoredSize == part.Size) {
      data.append(stored);
      continue;
    }
    data.resize(start + qsizetype(part.Size));
    if (!DecompressLz4Block(stored, data.data() + start, part.Size)) {
      Fail(QStringLiteral("part %1 of file \"%2\" does not decompress").arg(i).arg(entry.Name));
    }
  }
  if (Adler32(data.constData(), std::size_t(data.size())) != entry.Adler32) {
    Fail(QStringLiteral("file \"%1\" does not match its checksum").arg(entry.Name));
  }
  return data;
}
