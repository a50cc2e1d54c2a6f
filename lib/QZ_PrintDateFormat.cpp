#include "QZ_PrintDateFormat.h"

namespace {

QChar FirstSeparator(const QString& ALocalePattern, QChar AFallback) {
  for (const QChar c : ALocalePattern) {
    if (!c.isLetter() && c != u'\'' && !c.isSpace()) return c;
  }
  return AFallback;
}

QString Number(int AValue, int AWidth) { return QStringLiteral("%1").arg(AValue, AWidth, 10, QLatin1Char('0')); }

bool StartsWithAt(const QString& AText, qsizetype APos, QLatin1StringView AWord) {
  return AText.mid(APos, AWord.size()).compare(AWord, Qt::CaseInsensitive) == 0;
}

bool UsesTwelveHourClock(const QString& APattern) {
  return APattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) ||
         APattern.contains(QLatin1String("a/p"), Qt::CaseInsensitive) ||
         APattern.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
}

class TPatternWriter {
public:
  TPatternWriter(const QString& APattern, const QDateTime& AWhen, const QLocale& ALocale)
      : FPattern(APattern), FDate(AWhen.date()), FTime(AWhen.time()), FLocale(ALocale),
        FTwelveHour(UsesTwelveHourClock(APattern)) {}

  bool Write(QString& AText) {
    while (FPos < FPattern.size()) {
      if (!WriteNext()) return false;
    }
    AText = FResult;
    return true;
  }

private:
  qsizetype RunLength(QChar ALetter) {
    qsizetype count = 0;
    while (FPos + count < FPattern.size() && FPattern[FPos + count].toLower() == ALetter) ++count;
    FPos += count;
    return count;
  }

  int Hour() const {
    if (!FTwelveHour) return FTime.hour();
    const int hour = FTime.hour() % 12;
    return hour == 0 ? 12 : hour;
  }

  bool WriteNext() {
    const QChar original = FPattern[FPos];
    const QChar c = original.toLower();
    if (c == u'"' || c == u'\'') return WriteQuoted(original);
    if (c == u'a') {
      WriteMarker();
      return true;
    }
    const bool afterHour = FLastCode == u'h';
    if (c.isLetter() && QStringLiteral("cdmyhnszt").contains(c)) FLastCode = c;
    switch (c.unicode()) {
      case u'c':
        ++FPos;
        FResult += FLocale.toString(FDate, QLocale::ShortFormat) + u' ' + FLocale.toString(FTime, QLocale::LongFormat);
        break;
      case u'd': WriteDay(RunLength(c)); break;
      case u'm': WriteMonthOrMinute(RunLength(c), afterHour); break;
      case u'y': FResult += RunLength(c) <= 2 ? Number(FDate.year() % 100, 2) : Number(FDate.year(), 4); break;
      case u'h': FResult += Number(Hour(), RunLength(c) >= 2 ? 2 : 1); break;
      case u'n': FResult += Number(FTime.minute(), RunLength(c) >= 2 ? 2 : 1); break;
      case u's': FResult += Number(FTime.second(), RunLength(c) >= 2 ? 2 : 1); break;
      case u'z': FResult += Number(FTime.msec(), RunLength(c) >= 3 ? 3 : 1); break;
      case u't':
        FResult += FLocale.toString(FTime, RunLength(c) >= 2 ? QLocale::LongFormat : QLocale::ShortFormat);
        break;
      case u'/':
        ++FPos;
        FResult += FirstSeparator(FLocale.dateFormat(QLocale::ShortFormat), u'/');
        break;
      case u':':
        ++FPos;
        FResult += FirstSeparator(FLocale.timeFormat(QLocale::ShortFormat), u':');
        break;
      default:
        ++FPos;
        FResult += original;
    }
    return true;
  }

  bool WriteQuoted(QChar AQuote) {
    const qsizetype end = FPattern.indexOf(AQuote, FPos + 1);
    if (end < 0) return false;
    FResult += FPattern.mid(FPos + 1, end - FPos - 1);
    FPos = end + 1;
    return true;
  }

  void WriteDay(qsizetype ACount) {
    if (ACount <= 2) FResult += Number(FDate.day(), int(ACount));
    else if (ACount == 3) FResult += FLocale.dayName(FDate.dayOfWeek(), QLocale::ShortFormat);
    else if (ACount == 4) FResult += FLocale.dayName(FDate.dayOfWeek(), QLocale::LongFormat);
    else if (ACount == 5) FResult += FLocale.toString(FDate, QLocale::ShortFormat);
    else FResult += FLocale.toString(FDate, QLocale::LongFormat);
  }

  void WriteMonthOrMinute(qsizetype ACount, bool AAfterHour) {
    if (AAfterHour && ACount <= 2) {
      FResult += Number(FTime.minute(), int(ACount));
      FLastCode = u'n';
    } else if (ACount <= 2) {
      FResult += Number(FDate.month(), int(ACount));
    } else if (ACount == 3) {
      FResult += FLocale.monthName(FDate.month(), QLocale::ShortFormat);
    } else {
      FResult += FLocale.monthName(FDate.month(), QLocale::LongFormat);
    }
  }

  // "am/pm" and "a/p" keep the case of their first letter; "ampm" uses the locale's texts.
  void WriteMarker() {
    const bool afternoon = FTime.hour() >= 12;
    const QChar first = FPattern[FPos];
    if (StartsWithAt(FPattern, FPos, QLatin1StringView("am/pm"))) {
      const QString marker = afternoon ? QStringLiteral("pm") : QStringLiteral("am");
      FResult += first.isUpper() ? marker.toUpper() : marker;
      FPos += 5;
    } else if (StartsWithAt(FPattern, FPos, QLatin1StringView("a/p"))) {
      const QString marker = afternoon ? QStringLiteral("p") : QStringLiteral("a");
      FResult += first.isUpper() ? marker.toUpper() : marker;
      FPos += 3;
    } else if (StartsWithAt(FPattern, FPos, QLatin1StringView("ampm"))) {
      FResult += afternoon ? FLocale.pmText() : FLocale.amText();
      FPos += 4;
    } else {
      FResult += first;
      ++FPos;
    }
  }

  const QString& FPattern;
  const QDate FDate;
  const QTime FTime;
  const QLocale& FLocale;
  const bool FTwelveHour;
  qsizetype FPos = 0;
  QChar FLastCode;
  QString FResult;
};

}  // namespace

bool FormatDateTimePattern(const QString& APattern, const QDateTime& AWhen, const QLocale& ALocale,
                           QString& AText) {
  if (APattern.isEmpty()) return false;
  return TPatternWriter(APattern, AWhen, ALocale).Write(AText);
}
