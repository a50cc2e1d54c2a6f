#pragma once

#include <cstddef>
#include <cstdint>

// The Adler-32 checksum the game stores for archive files and database parts.
// Pass a previous result as `adler` to continue a running checksum.
std::uint32_t Adler32(const char* data, std::size_t size, std::uint32_t adler = 1);
