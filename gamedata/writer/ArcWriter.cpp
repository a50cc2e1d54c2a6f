#include "ArcWriter.h"

#include "Adler32.h"
#include "ArzWriter.h"

namespace {

constexpr std::uint32_t DataStart = 2048;

struct TPart {
  std::uint32_t Offset;
  std::uint32_t StoredSize;
  std::uint32_t Size;
};

}  // namespace

void TArcWriter::AddFile(const QString& name, const QByteArray& data, std::uint32_t partSize, TStorage storage) {
  FFiles.push_back({name, data, partSize, storage, false});
}

void TArcWriter::AddLeftover() { FFiles.push_back({QString(), QByteArray(), 0, TStorage::Raw, true}); }

QByteArray TArcWriter::Build(TArcLayout* layout) const {
  TArcLayout local;
  TArcLayout& where = layout ? *layout : local;
  where = TArcLayout{};

  QByteArray file(DataStart, '\0');
  std::vector<TPart> parts;
  std::vector<std::uint32_t> firstPart;
  for (const TFile& f : FFiles) {
    firstPart.push_back(std::uint32_t(parts.size()));
    const qsizetype step = f.PartSize == 0 ? std::max<qsizetype>(1, f.Data.size()) : qsizetype(f.PartSize);
    for (qsizetype start = 0; start < f.Data.size(); start += step) {
      const QByteArray piece = f.Data.mid(start, step);
      QByteArray stored = f.Storage == TStorage::Compressed ? CompressLz4Block(piece) : piece;
      if (stored.size() >= piece.size()) stored = piece;
      parts.push_back({std::uint32_t(file.size()), std::uint32_t(stored.size()), std::uint32_t(piece.size())});
      where.PartOffsets.push_back(std::uint32_t(file.size()));
      file += stored;
      file += QByteArray(qsizetype(FGap), '\xAA');
    }
  }

  where.PartTableOffset = std::uint32_t(file.size());
  for (const TPart& part : parts) {
    AppendU32(file, part.Offset);
    AppendU32(file, part.StoredSize);
    AppendU32(file, part.Size);
  }
  where.NameTableOffset = std::uint32_t(file.size());
  std::vector<std::uint32_t> nameOffsets;
  for (const TFile& f : FFiles) {
    nameOffsets.push_back(std::uint32_t(file.size()) - where.NameTableOffset);
    if (f.Leftover) continue;
    file += f.Name.toUtf8();
    file += '\0';
  }
  where.TocOffset = std::uint32_t(file.size());
  for (std::size_t i = 0; i < FFiles.size(); ++i) {
    const TFile& f = FFiles[i];
    const std::uint32_t partEnd = i + 1 < firstPart.size() ? firstPart[i + 1] : std::uint32_t(parts.size());
    const std::uint32_t partCount = partEnd - firstPart[i];
    std::uint32_t storedTotal = 0;
    for (std::uint32_t p = firstPart[i]; p < partEnd; ++p) storedTotal += parts[p].StoredSize;
    if (f.Leftover) {
      // Stale fields as the game leaves them: they point at data of other files.
      for (std::uint32_t value : {0u, DataStart, 567u, 0u, 0u, 0u, 0u, 0u, 0xFFFFu, 0u, nameOffsets[i]}) AppendU32(file, value);
      continue;
    }
    const QByteArray name = f.Name.toUtf8();
    AppendU32(file, 3);
    AppendU32(file, partCount > 0 ? parts[firstPart[i]].Offset : DataStart);
    AppendU32(file, storedTotal);
    AppendU32(file, std::uint32_t(f.Data.size()));
    AppendU32(file, Adler32(f.Data.constData(), std::size_t(f.Data.size())));
    AppendU32(file, 0x5A3B2C1D);  // modification time, low and high
    AppendU32(file, 0x01D9A000);
    AppendU32(file, partCount);
    AppendU32(file, firstPart[i]);
    AppendU32(file, std::uint32_t(name.size()));
    AppendU32(file, nameOffsets[i]);
  }

  const std::uint32_t header[] = {std::uint32_t(FFiles.size()), std::uint32_t(parts.size()),
                                  std::uint32_t(parts.size() * 12), where.TocOffset - where.NameTableOffset,
                                  where.PartTableOffset};
  PatchU32(file, 0, 0x00435241);  // "ARC\0"
  PatchU32(file, 4, 3);
  for (std::size_t i = 0; i < std::size(header); ++i) PatchU32(file, 8 + 4 * i, header[i]);
  return file;
}
