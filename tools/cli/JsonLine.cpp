#include "JsonLine.h"

QString JsonQuote(const QString& AText) {
  QString out;
  out.reserve(AText.size() + 2);
  out += QLatin1Char('"');
  for (qsizetype i = 0; i < AText.size(); ++i) {
    const QChar c = AText[i];
    const char16_t u = c.unicode();
    switch (u) {
      case u'"': out += QLatin1String("\\\""); continue;
      case u'\\': out += QLatin1String("\\\\"); continue;
      case u'\n': out += QLatin1String("\\n"); continue;
      case u'\r': out += QLatin1String("\\r"); continue;
      case u'\t': out += QLatin1String("\\t"); continue;
      default: break;
    }
    const bool pairedSurrogate = c.isHighSurrogate() && i + 1 < AText.size() && AText[i + 1].isLowSurrogate();
    if (pairedSurrogate) {
      out += c;
      out += AText[++i];
    } else if (u < 0x20 || c.isSurrogate()) {
      // Control characters and lone surrogates (a save may hold any code unit)
      // are escaped so the line stays valid JSON in UTF-8.
      out += QStringLiteral("\\u%1").arg(static_cast<unsigned>(u), 4, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  out += QLatin1Char('"');
  return out;
}

void TJsonLine::AddKey(const char* key) {
  if (!FBody.isEmpty()) FBody += QLatin1Char(',');
  FBody += JsonQuote(QString::fromLatin1(key));
  FBody += QLatin1Char(':');
}

TJsonLine& TJsonLine::Add(const char* AKey, const QString& AValue) {
  AddKey(AKey);
  FBody += JsonQuote(AValue);
  return *this;
}

TJsonLine& TJsonLine::Add(const char* AKey, std::uint32_t AValue) {
  AddKey(AKey);
  FBody += QString::number(AValue);
  return *this;
}

TJsonLine& TJsonLine::AddObject(const char* AKey, const TJsonLine& AObject) {
  AddKey(AKey);
  FBody += AObject.Text();
  return *this;
}

TJsonLine& TJsonLine::Merge(const TJsonLine& AOther) {
  if (AOther.FBody.isEmpty()) return *this;
  if (!FBody.isEmpty()) FBody += QLatin1Char(',');
  FBody += AOther.FBody;
  return *this;
}
