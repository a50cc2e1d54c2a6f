#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// Where the tables of a written archive lie, for tests that damage them.
struct TArcLayout {
  std::uint32_t PartTableOffset = 0;
  std::uint32_t NameTableOffset = 0;
  std::uint32_t TocOffset = 0;
  std::vector<std::uint32_t> PartOffsets;  // where each part's bytes begin
};

// Writes game archives (.arc, version 3): a 2,048-byte header, the parts,
// then the part table, the name table and the table of contents.
class TArcWriter {
public:
  enum class TStorage { Compressed, Raw };

  // Adds a file in parts of at most `partSize` bytes (0: one part). A
  // compressed part that would not get smaller is stored raw, as the game does.
  void AddFile(const QString& name, const QByteArray& data, std::uint32_t partSize = 0,
               TStorage storage = TStorage::Compressed);
  // Adds the entry a replaced file leaves behind: type 0, no parts, no name,
  // stale offsets.
  void AddLeftover();
  // Leaves this many unused bytes after each part.
  void SetGapAfterParts(std::uint32_t gap) { FGap = gap; }

  QByteArray Build(TArcLayout* layout = nullptr) const;

private:
  struct TFile {
    QString Name;
    QByteArray Data;
    std::uint32_t PartSize = 0;
    TStorage Storage = TStorage::Compressed;
    bool Leftover = false;
  };

  std::vector<TFile> FFiles;
  std::uint32_t FGap = 0;
};
