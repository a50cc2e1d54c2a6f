#include "Lz4Block.h"

#include <lz4.h>

#include <climits>

std::uint64_t Lz4MaxExpandedSize(std::uint64_t storedSize) {
  // A match can add at most 255 bytes per byte of its length code.
  return storedSize * 255 + 16;
}

bool DecompressLz4Block(QByteArrayView block, char* out, std::size_t size) {
  if (block.size() > INT_MAX || size > std::size_t(INT_MAX)) return false;
  if (size == 0) return block.isEmpty() || (block.size() == 1 && block[0] == 0);
  const int written = LZ4_decompress_safe(block.data(), out, int(block.size()), int(size));
  return written == int(size);
}
