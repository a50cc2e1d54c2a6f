#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

// Reads little-endian values from one structure of a file, checking every read
// against the structure's end. A read past it raises EGameDataError naming
// the file and the structure.
class TByteCursor {
public:
  // `bytes` is the structure; `fileOffset` is where it starts in the file
  // (for messages); `structure` names it ("the string table").
  TByteCursor(QByteArrayView bytes, std::size_t fileOffset, const QString& fileName,
              const char* structure);

  std::uint16_t U16();
  std::uint32_t U32();
  std::uint64_t U64();
  QByteArrayView Bytes(std::size_t count);

  std::size_t Position() const { return FPosition; }
  std::size_t Remaining() const { return std::size_t(FBytes.size()) - FPosition; }
  bool AtEnd() const { return Remaining() == 0; }

  // Raises EGameDataError with a message about the current structure.
  [[noreturn]] void Fail(const QString& problem) const;

private:
  const char* Take(std::size_t count);

  QByteArrayView FBytes;
  std::size_t FFileOffset;
  const QString& FFileName;
  const char* FStructure;
  std::size_t FPosition = 0;
};
