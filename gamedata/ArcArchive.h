#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// One live file of an archive.
struct TArcEntry {
  QString Name;
  std::uint32_t Size = 0;     // uncompressed size
  std::uint32_t Adler32 = 0;  // checksum of the uncompressed file
  std::uint32_t FirstPart = 0;
  std::uint32_t PartCount = 0;
};

// A game archive (.arc, version 3): a header, the stored parts, then a part
// table, a name table and a table of contents. Each file is its parts joined
// in order; a part is stored raw when its two sizes are equal and as one LZ4
// block otherwise. Leftover entries of type 0 are not listed.
//
// Opening checks every table, offset and size against the file, so that
// extracting can neither read outside it nor allocate more than a part can
// expand to. A damaged or foreign file raises EGameDataError.
class TArcArchive {
public:
  // Files larger than this are refused by Extract (no tag text comes near it).
  static constexpr std::uint32_t MaxExtractSize = 64u << 20;

  static TArcArchive Open(const QString& fileName);
  static TArcArchive FromBytes(QByteArray bytes, const QString& fileName);

  const QString& FileName() const { return FFileName; }
  const std::vector<TArcEntry>& Files() const { return FFiles; }
  // The file of that name, compared without regard to ASCII case; -1 when none.
  int IndexOf(const QString& name) const;

  // The file's bytes, checked against its stored size and Adler-32.
  QByteArray Extract(int index) const;

private:
  struct TPart {
    std::uint32_t Offset = 0;
    std::uint32_t StoredSize = 0;
    std::uint32_t Size = 0;
  };

  TArcArchive(QByteArray bytes, const QString& fileName);
  void ReadTables();
  void ReadParts(std::uint64_t tableOffset, std::uint32_t count);
  void ReadEntries(std::uint64_t tocOffset, std::uint32_t count, std::uint64_t namesOffset,
                   std::uint32_t namesSize);
  void CheckEntryParts(const TArcEntry& entry) const;
  [[noreturn]] void Fail(const QString& problem) const;

  QByteArray FBytes;
  QString FFileName;
  std::vector<TPart> FParts;
  std::vector<TArcEntry> FFiles;
};
