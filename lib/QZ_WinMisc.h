#pragma once

#include <QChar>
#include <QString>

// The format settings that SA_Locale reads and writes with. Only the values
// its conversions use are kept; they never come from the process locale.
struct TFormatSettings {
  QChar DecimalSeparator;
  QChar ThousandSeparator;
  QChar DateSeparator;
  QChar TimeSeparator;
  QString ShortDateFormat;
  QString ShortTimeFormat;
};

// Number and date conversions with one fixed set of format settings ("."
// decimal, "," thousands, "/" date and ":" time separators), whatever the
// user's regional settings, so stored fields look and sort the same on every
// machine. Stateless: every operation may be called from any thread.
//
// A date-time is a number of days since 30 December 1899 (day 0); the
// fraction is the time of day (0.5 is noon). For negative values the whole
// part is the day and the fraction's magnitude the time (-1.25 is
// 29 December 1899 06:00).
class SA_Locale {
public:
  // The class offers class-level operations only: making an instance raises
  // EStaticClassError.
  SA_Locale();

  static TFormatSettings GetSouthAfricanFormats();

  // Reads a number: optional leading spaces, an optional "+" or "-", digits
  // with an optional "." and fraction (at least one digit in all, so "5."
  // and ".5" read), an optional exponent "E"/"e" with optional sign and at
  // least one digit, then only spaces. Anything else, and a value beyond the
  // extended range, gives ADefault. A value too small to represent reads as 0.
  static long double StrToFloatDef(const QString& AValue, long double ADefault);
  // As StrToFloatDef; raises EConvertError for a text that does not read.
  static long double StrToFloat(const QString& AValue);

  // Writes a number by a pattern:
  //   "0"  a digit place that is always written;
  //   "#"  a digit place written only when significant;
  //   "."  the first one places the decimal point (later ones are ignored);
  //   ","  anywhere: group the integer digits by three;
  //   text in "..." or '...', and any other character, is copied: in front of
  //   the number when it comes before the first digit place, after it
  //   otherwise.
  // The value is rounded to the pattern's decimal places; an exact half
  // rounds away from zero (0.125 by "0.00" gives "0.13", 2.5 by "0" gives
  // "3"). Integer digits beyond the pattern's places are all written. A
  // negative value gets a leading "-" unless it rounds to zero. Infinite and
  // NaN values are written "INF", "-INF" and "NAN". An empty pattern writes
  // FloatToStr(AValue).
  static QString FormatFloat(const QString& AMask, long double AValue);

  // The shortest general form with up to 15 significant digits ("1234.5",
  // "1E20", "1.5E-7").
  static QString FloatToStr(long double AValue);

  // Writes a date-time by a pattern (letters in either case):
  //   "yyyy" four-digit year, "yy" (or a lone "y") the last two digits;
  //   "mm"/"m" month, "dd"/"d" day, "hh"/"h" hour 0-23, "nn"/"n" minute,
  //   "ss"/"s" second, each with or without a leading zero;
  //   "/" the date separator, ":" the time separator; text in "..." or '...'
  //   and any other character are copied.
  // Time parts are rounded to the millisecond first, then truncated
  // (11:59:59.9995 shows as 12:00). Raises EConvertError when the value is
  // not finite or lies outside the years 1 to 9999.
  static QString FormatDateTime(const QString& AFormat, double ADateTime);

  // The date by the short date pattern ("dd/mm/yyyy").
  static QString DateToStr(double ADate);
  // Reads "d/m/y" (day, month, year, each one or more digits; a one- or
  // two-digit year lies in 1950-2049); surrounding spaces are allowed.
  // Raises EConvertError for anything else or an impossible date.
  static double StrToDate(const QString& AValue);
};
