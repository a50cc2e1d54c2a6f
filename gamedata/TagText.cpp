#include "TagText.h"

#include "TextCompare.h"
#include "Windows1252.h"

#include <QStringDecoder>

QString DecodeTagFile(const QByteArray& bytes) {
  QByteArrayView content(bytes);
  if (content.startsWith("\xEF\xBB\xBF")) content = content.sliced(3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(content);
  if (!utf8.hasError()) return text;
  return DecodeWindows1252(content.toByteArray());
}

QString RemoveColourCodes(const QString& text) {
  if (!text.contains(QLatin1Char('^'))) return text;
  QString result;
  result.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('{') && i + 3 < n && text[i + 1] == QLatin1Char('^') && text[i + 3] == QLatin1Char('}')) {
      i += 3;
    } else if (c == QLatin1Char('^') && i + 1 < n) {
      i += 1;
    } else {
      result.append(c);
    }
  }
  return result;
}

namespace {

void TakeLine(QStringView line, const std::function<void(const QString&, const QString&)>& take) {
  qsizetype first = 0;
  while (first < line.size() && line[first].unicode() <= 32) ++first;
  if (first == line.size() || line[first] == QLatin1Char('#')) return;
  const qsizetype equals = line.indexOf(QLatin1Char('='), first);
  if (equals < 0) return;
  const QString tag = TrimControl(line.sliced(first, equals - first).toString());
  if (tag.isEmpty()) return;
  take(tag, TrimControl(RemoveColourCodes(line.sliced(equals + 1).toString())));
}

}  // namespace

void ForEachTag(const QByteArray& fileBytes, const std::function<void(const QString& tag, const QString& text)>& take) {
  const QString text = DecodeTagFile(fileBytes);
  const qsizetype n = text.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i <= n; ++i) {
    if (i < n && text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n')) continue;
    TakeLine(QStringView(text).sliced(start, i - start), take);
    if (i + 1 < n && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
}
