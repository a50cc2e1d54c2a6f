#include "Windows1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80-0x9F; the five undefined bytes keep their
// C1 control value so every byte decodes and re-encodes unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ByteToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The byte of a character, or -1 when it has none.
int UnicodeToByte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return int(0x80 + i);
  }
  return -1;
}

}  // namespace

QString DecodeWindows1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(ByteToUnicode(static_cast<unsigned char>(bytes[i])));
  }
  return text;
}

bool FitsWindows1252(const QString& text) {
  for (QChar c : text) {
    if (UnicodeToByte(c.unicode()) < 0) return false;
  }
  return true;
}

QByteArray EncodeWindows1252(const QString& text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int b = UnicodeToByte(text.at(i).unicode());
    bytes[i] = static_cast<char>(b < 0 ? '?' : b);
  }
  return bytes;
}
