#include "Convert.h"

#include "Errors.h"

namespace {

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = -1;
  if (u >= '0' && u <= '9') v = u - '0';
  else if (u >= 'a' && u <= 'f') v = u - 'a' + 10;
  else if (u >= 'A' && u <= 'F') v = u - 'A' + 10;
  return v < base ? v : -1;
}

}  // namespace

bool TryStrToInt(const QString& text, std::int32_t& value) {
  qsizetype i = 0;
  const qsizetype n = text.size();
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  int base = 10;
  if (i < n && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
             (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
    base = 16;
    i += 2;
  }
  if (i >= n) return false;
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t magnitude = 0;
  for (; i < n; ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return false;
    magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
    if (magnitude > limit) return false;
  }
  auto bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<std::int32_t>(bits);
  return true;
}

std::int32_t StrToIntDef(const QString& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

std::int32_t StrToInt(const QString& text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value)) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
  }
  return value;
}
