#include "FileNames.h"

#include <QCryptographicHash>
#include <QDir>

namespace {

// Longest encoded name in UTF-8 bytes: leaves room for an extension and the
// temporary suffix of an atomic write within a 255-byte file name.
constexpr qsizetype kMaxNameBytes = 200;

bool MustEncode(char16_t c) {
  if (c < 0x20 || c == 0x7F || c == '%' || c == '/' || c == '\\') return true;
#ifdef Q_OS_WIN
  if (c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' || c == '*') return true;
#endif
  return false;
}

QString Encoded(char16_t c) {
  return QLatin1Char('%') + QStringLiteral("%1").arg(uint(c), c > 0xFF ? 4 : 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QChar PathDelimiter() { return QDir::separator(); }

QString IncludeTrailingPathDelimiter(const QString& path) {
  if (path.endsWith(QLatin1Char('/')) || path.endsWith(PathDelimiter())) return path;
  return path + PathDelimiter();
}

QString NameToFileName(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("%00");
  if (name == QLatin1String(".")) return QStringLiteral("%2E");
  if (name == QLatin1String("..")) return QStringLiteral("%2E%2E");
  QString result;
  result.reserve(name.size());
  for (QChar c : name) {
    if (MustEncode(c.unicode())) {
      result += Encoded(c.unicode());
    } else {
      result += c;
    }
  }
  if (result.toUtf8().size() <= kMaxNameBytes) return result;
  const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  while (result.toUtf8().size() > kMaxNameBytes - 13) result.chop(1);
  if (!result.isEmpty() && result.back().isHighSurrogate()) result.chop(1);
  return result + QLatin1Char('~') + QString::fromLatin1(hash);
}
