#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

// The most bytes one LZ4 block of `storedSize` bytes can expand to. Sizes that
// a file claims are checked against it before anything is allocated.
std::uint64_t Lz4MaxExpandedSize(std::uint64_t storedSize);

// Decompresses one LZ4 block into exactly `size` bytes at `out`. False when
// the block is damaged or expands to any other size.
bool DecompressLz4Block(QByteArrayView block, char* out, std::size_t size);
