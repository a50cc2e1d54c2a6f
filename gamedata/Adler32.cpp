#include "Adler32.h"

namespace {

constexpr std::uint32_t Modulus = 65521;
// The most bytes that can be summed before the 32-bit sums must be reduced.
constexpr std::size_t MaxRun = 5552;

}  // namespace

std::uint32_t Adler32(const char* data, std::size_t size, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFF;
  std::uint32_t b = adler >> 16;
  const auto* p = reinterpret_cast<const unsigned char*>(data);
  while (size > 0) {
    std::size_t run = size < MaxRun ? size : MaxRun;
    size -= run;
    for (; run >= 8; run -= 8, p += 8) {
      a += p[0]; b += a;
      a += p[1]; b += a;
      a += p[2]; b += a;
      a += p[3]; b += a;
      a += p[4]; b += a;
      a += p[5]; b += a;
      a += p[6]; b += a;
      a += p[7]; b += a;
    }
    for (; run > 0; --run, ++p) {
      a += *p;
      b += a;
    }
    a %= Modulus;
    b %= Modulus;
  }
  return (b << 16) | a;
}
