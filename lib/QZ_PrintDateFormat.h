#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Writes a date and time by a pattern of letter codes, case-insensitive:
//   d dd        day, without or with a leading zero; ddd dddd day name, short or long;
//               ddddd short date, dddddd long date of the locale
//   m mm        month, or minute right after an hour code; mmm mmmm month name
//   yy yyyy     year, two or four digits
//   h hh n nn s ss   hour, minute, second; z zzz milliseconds
//   t tt        short or long time of the locale; c short date and long time
//   am/pm a/p ampm   12-hour clock with the marker (ampm uses the locale's texts)
//   /  :        the locale's date and time separators
//   "..." '...' literal text; every other character is copied.
// Returns false, leaving AText alone, when the pattern is empty or a quote is
// not closed.
bool FormatDateTimePattern(const QString& APattern, const QDateTime& AWhen, const QLocale& ALocale,
                           QString& AText);
