#include "QZ_WinMisc.h"

#include "Errors.h"

#include <QStringList>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

// Every conversion here works on ASCII digits with std::to_chars and
// std::from_chars, which never consult the process locale.

namespace {

const TFormatSettings kSettings{QLatin1Char('.'), QLatin1Char(','), QLatin1Char('/'),
                                QLatin1Char(':'), QStringLiteral("dd/MM/yyyy"),
                                QStringLiteral("HH:mm")};

bool IsDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

// ---------------------------------------------------------------- reading

// The number's ASCII form for std::from_chars (sign "+" dropped) and a rough
// decimal exponent, used to tell an underflow from an overflow.
struct TScannedNumber {
  std::string Ascii;
  long long DecimalExponent = 0;
  bool AllZero = true;
  bool Negative = false;
};

bool ScanNumber(const QString& text, TScannedNumber& out) {
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    out.Negative = text[i] == QLatin1Char('-');
    if (out.Negative) out.Ascii += '-';
    ++i;
  }
  long long firstSignificant = 0;  // decimal exponent of the first non-zero digit
  long long intDigits = 0;
  long long fracZeros = 0;
  int digits = 0;
  for (; i < n && IsDigit(text[i]); ++i, ++digits) {
    out.Ascii += char(text[i].unicode());
    if (out.AllZero && text[i] != QLatin1Char('0')) out.AllZero = false;
    if (!out.AllZero) ++intDigits;
  }
  if (i < n && text[i] == kSettings.DecimalSeparator) {
    out.Ascii += '.';
    for (++i; i < n && IsDigit(text[i]); ++i, ++digits) {
      out.Ascii += char(text[i].unicode());
      if (out.AllZero) {
        if (text[i] == QLatin1Char('0')) ++fracZeros;
        else out.AllZero = false;
      }
    }
  }
  if (digits == 0) return false;
  firstSignificant = intDigits > 0 ? intDigits - 1 : -(fracZeros + 1);
  long long exponent = 0;
  if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
    out.Ascii += 'e';
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
      negativeExponent = text[i] == QLatin1Char('-');
      out.Ascii += char(text[i].unicode());
      ++i;
    }
    int exponentDigits = 0;
    for (; i < n && IsDigit(text[i]); ++i, ++exponentDigits) {
      out.Ascii += char(text[i].unicode());
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i].unicode() - '0');
    }
    if (exponentDigits == 0) return false;
    if (negativeExponent) exponent = -exponent;
  }
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  out.DecimalExponent = firstSignificant + exponent;
  return i == n;
}

bool TryStrToFloat(const QString& text, long double& value) {
  TScannedNumber scanned;
  if (!ScanNumber(text, scanned)) return false;
  long double parsed = 0;
  const char* first = scanned.Ascii.data();
  const char* last = first + scanned.Ascii.size();
  const auto [ptr, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    if (scanned.AllZero || scanned.DecimalExponent < 0) {
      value = scanned.Negative ? -0.0L : 0.0L;  // too small: the nearest value is zero
      return true;
    }
    return false;
  }
  if (ec != std::errc() || ptr != last) return false;
  value = parsed;
  return true;
}

// ---------------------------------------------------------------- numbers

struct TNumberPattern {
  QString Prefix;
  QString Suffix;
  int IntegerZeros = 0;      // "0" places before the decimal point
  int DecimalPlaces = 0;     // "0" and "#" places after it
  int RequiredDecimals = 0;  // up to and including the last "0" after it
  bool Grouping = false;
};

TNumberPattern ParseNumberPattern(const QString& mask) {
  TNumberPattern pattern;
  bool seenPlace = false;
  bool inDecimals = false;
  QChar quote;
  auto literal = [&](QChar c) { (seenPlace ? pattern.Suffix : pattern.Prefix).append(c); };
  for (const QChar c : mask) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      else literal(c);
      continue;
    }
    switch (c.unicode()) {
      case '"':
      case '\'':
        quote = c;
        break;
      case '0':
      case '#':
        seenPlace = true;
        if (inDecimals) {
          ++pattern.DecimalPlaces;
          if (c == QLatin1Char('0')) pattern.RequiredDecimals = pattern.DecimalPlaces;
        } else if (c == QLatin1Char('0')) {
          ++pattern.IntegerZeros;
        }
        break;
      case '.':
        inDecimals = true;
        break;
      case ',':
        pattern.Grouping = true;
        break;
      default:
        literal(c);
    }
  }
  return pattern;
}

// The number of decimal digits after the point in the exact decimal form of
// a finite value (every binary fraction has a finite decimal expansion).
int ExactFractionDigits(long double magnitude) {
  if (magnitude == 0) return 0;
  int exponent = 0;
  const long double fraction = std::frexp(magnitude, &exponent);
  constexpr int kMantissaBits = std::numeric_limits<long double>::digits;
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  const int lowestBit = exponent - kMantissaBits + std::countr_zero(mantissa);
  return lowestBit >= 0 ? 0 : -lowestBit;
}

// The exact decimal digits of a finite, non-negative value: integer part and
// fraction part, without a point.
void ExactDigits(long double magnitude, std::string& integerPart, std::string& fractionPart) {
  const int fractionDigits = ExactFractionDigits(magnitude);
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  // log10(2) < 0.30103: room for every integer digit, the point and the fraction.
  const std::size_t integerDigits = exponent > 0 ? std::size_t(exponent) * 30103 / 100000 + 2 : 1;
  std::string text(integerDigits + std::size_t(fractionDigits) + 8, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                    std::chars_format::fixed, fractionDigits);
  if (result.ec != std::errc()) throw EConvertError(QStringLiteral("Number too long to write"));
  text.resize(std::size_t(result.ptr - text.data()));
  const std::size_t point = text.find('.');
  integerPart = text.substr(0, point);
  fractionPart = point == std::string::npos ? std::string() : text.substr(point + 1);
}

// Rounds the digit strings to `places` decimals; an exact half (next digit 5
// and nothing after it) rounds up in magnitude, as does anything above it.
void RoundDigits(std::string& integerPart, std::string& fractionPart, int places) {
  if (fractionPart.size() <= std::size_t(places)) return;
  const bool up = fractionPart[std::size_t(places)] >= '5';
  fractionPart.resize(std::size_t(places));
  if (!up) return;
  for (auto it = fractionPart.rbegin(); it != fractionPart.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  for (auto it = integerPart.rbegin(); it != integerPart.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  integerPart.insert(integerPart.begin(), '1');
}

QString GroupThousands(const std::string& digits, QChar separator) {
  QString out;
  out.reserve(qsizetype(digits.size() + digits.size() / 3));
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) out.append(separator);
    out.append(QLatin1Char(digits[k]));
  }
  return out;
}

QString NonFiniteText(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// ---------------------------------------------------------------- dates

constexpr double kMinDateTime = -693593.0;  // 1 January 0001
constexpr double kMaxDateTime = 2958466.0;  // 1 January 10000, excluded
constexpr long long kMsPerDay = 86'400'000;
constexpr long long kUnixDayOfDay0 = -25569;  // 30 December 1899

struct TDateParts {
  long long Year, Month, Day, Hour, Minute, Second;
};

// Days since 1 January 1970 to a proleptic Gregorian date.
void CivilFromDays(long long z, long long& year, long long& month, long long& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  day = doy - (153 * mp + 2) / 5 + 1;
  month = mp < 10 ? mp + 3 : mp - 9;
  year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

long long DaysFromCivil(long long year, long long month, long long day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yoe = year - era * 400;
  const long long doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

TDateParts DecodeDateTime(double value) {
  if (!std::isfinite(value) || value < kMinDateTime || value >= kMaxDateTime) {
    throw EConvertError(QStringLiteral("The date-time value %1 lies outside the years 1 to 9999")
                            .arg(SA_Locale::FloatToStr(value)));
  }
  long long day = static_cast<long long>(value);  // toward zero
  long long ms = std::llround(std::fabs(value - double(day)) * double(kMsPerDay));
  if (ms >= kMsPerDay) {  // rounding reached the next midnight
    ms -= kMsPerDay;
    day += value < 0 ? -1 : 1;
  }
  TDateParts parts{};
  CivilFromDays(day + kUnixDayOfDay0, parts.Year, parts.Month, parts.Day);
  parts.Hour = ms / 3'600'000;
  parts.Minute = ms / 60'000 % 60;
  parts.Second = ms / 1000 % 60;
  return parts;
}

void AppendNumber(QString& out, long long value, int width) {
  out.append(QString::number(value).rightJustified(width, QLatin1Char('0')));
}

qsizetype RunLength(const QString& text, qsizetype from, QChar letter) {
  qsizetype k = from;
  while (k < text.size() && text[k].toLower() == letter) ++k;
  return k - from;
}

}  // namespace

SA_Locale::SA_Locale() {
  throw EStaticClassError(QStringLiteral(
      "SA_Locale.Create - Cannot create an instance, class contains static functions only. "
      "Usage Example : sValue := SA_Locale.StrToFloat(AValue)"));
}

TFormatSettings SA_Locale::GetSouthAfricanFormats() { return kSettings; }

long double SA_Locale::StrToFloatDef(const QString& AValue, long double ADefault) {
  long double value = 0;
  return TryStrToFloat(AValue, value) ? value : ADefault;
}

long double SA_Locale::StrToFloat(const QString& AValue) {
  long double value = 0;
  if (!TryStrToFloat(AValue, value)) {
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(AValue));
  }
  return value;
}

QString SA_Locale::FormatFloat(const QString& AMask, long double AValue) {
  if (AMask.isEmpty()) return FloatToStr(AValue);
  if (!std::isfinite(AValue)) return NonFiniteText(AValue);
  const TNumberPattern pattern = ParseNumberPattern(AMask);

  std::string integerPart;
  std::string fractionPart;
  ExactDigits(std::fabs(AValue), integerPart, fractionPart);
  RoundDigits(integerPart, fractionPart, pattern.DecimalPlaces);
  fractionPart.resize(std::size_t(pattern.DecimalPlaces), '0');
  while (fractionPart.size() > std::size_t(pattern.RequiredDecimals) && fractionPart.back() == '0') {
    fractionPart.pop_back();
  }
  const std::size_t firstNonZero = integerPart.find_first_not_of('0');
  integerPart.erase(0, std::min(firstNonZero, integerPart.size()));
  const bool isZero =
      integerPart.empty() && fractionPart.find_first_not_of('0') == std::string::npos;
  if (integerPart.size() < std::size_t(pattern.IntegerZeros)) {
    integerPart.insert(0, std::size_t(pattern.IntegerZeros) - integerPart.size(), '0');
  }

  QString out;
  if (AValue < 0 && !isZero) out.append(QLatin1Char('-'));
  out.append(pattern.Prefix);
  out.append(pattern.Grouping ? GroupThousands(integerPart, kSettings.ThousandSeparator)
                              : QString::fromLatin1(integerPart));
  if (!fractionPart.empty()) {
    out.append(kSettings.DecimalSeparator);
    out.append(QString::fromLatin1(fractionPart));
  }
  out.append(pattern.Suffix);
  return out;
}

QString SA_Locale::FloatToStr(long double AValue) {
  if (!std::isfinite(AValue)) return NonFiniteText(AValue);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, AValue,
                                    std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {  // "1.5e-07" -> "1.5E-7"
    std::string exponent = text.substr(e + 1);
    const bool negative = exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    text = text.substr(0, e) + (negative ? "E-" : "E") + exponent;
  }
  return QString::fromLatin1(text);
}

QString SA_Locale::FormatDateTime(const QString& AFormat, double ADateTime) {
  const TDateParts parts = DecodeDateTime(ADateTime);
  QString out;
  qsizetype i = 0;
  while (i < AFormat.size()) {
    const QChar c = AFormat[i];
    const QChar letter = c.toLower();
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      const qsizetype close = AFormat.indexOf(c, i + 1);
      const qsizetype end = close < 0 ? AFormat.size() : close;
      out.append(AFormat.mid(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    const qsizetype run = RunLength(AFormat, i, letter);
    qsizetype used = std::min<qsizetype>(run, 2);
    switch (letter.unicode()) {
      case 'y':
        if (run >= 4) {
          used = 4;
          AppendNumber(out, parts.Year, 4);
        } else {
          AppendNumber(out, parts.Year % 100, 2);
        }
        break;
      case 'm':
        AppendNumber(out, parts.Month, int(used));
        break;
      case 'd':
        AppendNumber(out, parts.Day, int(used));
        break;
      case 'h':
        AppendNumber(out, parts.Hour, int(used));
        break;
      case 'n':
        AppendNumber(out, parts.Minute, int(used));
        break;
      case 's':
        AppendNumber(out, parts.Second, int(used));
        break;
      case '/':
        used = 1;
        out.append(kSettings.DateSeparator);
        break;
      case ':':
        used = 1;
        out.append(kSettings.TimeSeparator);
        break;
      default:
        used = 1;
        out.append(c);
    }
    i += used;
  }
  return out;
}

QString SA_Locale::DateToStr(double ADate) {
  return FormatDateTime(QStringLiteral("dd/mm/yyyy"), ADate);
}

double SA_Locale::StrToDate(const QString& AValue) {
  const QString text = AValue.trimmed();
  const QStringList parts = text.split(kSettings.DateSeparator);
  auto fail = [&AValue]() {
    return EConvertError(QStringLiteral("'%1' is not a valid date").arg(AValue));
  };
  if (parts.size() != 3) throw fail();
  long long numbers[3] = {};
  for (int k = 0; k < 3; ++k) {
    const QString& part = parts[k];
    if (part.isEmpty() || part.size() > 9) throw fail();
    for (const QChar c : part) {
      if (!IsDigit(c)) throw fail();
    }
    numbers[k] = part.toLongLong();
  }
  const long long day = numbers[0];
  const long long month = numbers[1];
  long long year = numbers[2];
  if (parts[2].size() <= 2) year += year < 50 ? 2000 : 1900;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) throw fail();
  const long long serial = DaysFromCivil(year, month, day) - kUnixDayOfDay0;
  long long checkYear = 0;
  long long checkMonth = 0;
  long long checkDay = 0;
  CivilFromDays(serial + kUnixDayOfDay0, checkYear, checkMonth, checkDay);
  if (checkDay != day || checkMonth != month) throw fail();
  return double(serial);
}
