#include "TextCompare.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>

namespace {

QCollator& CaseInsensitiveCollator() {
  thread_local QCollator collator = [] {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseInsensitive);
    c.setNumericMode(false);
    c.setIgnorePunctuation(false);
    return c;
  }();
  return collator;
}

QCollator& CaseSensitiveCollator() {
  thread_local QCollator collator = [] {
    QCollator c;
    c.setCaseSensitivity(Qt::CaseSensitive);
    return c;
  }();
  return collator;
}

int Sign(int v) { return (v > 0) - (v < 0); }

ushort FoldAscii(ushort c) { return (c >= 'a' && c <= 'z') ? ushort(c - 32) : c; }

}  // namespace

int CompareTextLocale(const QString& a, const QString& b) {
  return Sign(CaseInsensitiveCollator().compare(a, b));
}

int CompareStrLocale(const QString& a, const QString& b) {
  return Sign(CaseSensitiveCollator().compare(a, b));
}

QCollatorSortKey TextSortKey(const QString& text) {
  // Keys of the case-folded text: the collator's own keys heed letter case
  // in some locales (the C locale among them) even where its comparison
  // does not, and folding changes no order the comparison makes.
  return CaseInsensitiveCollator().sortKey(text.toCaseFolded());
}

int CompareTextAscii(const QString& a, const QString& b) {
  const qsizetype n = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < n; ++i) {
    const ushort ca = FoldAscii(a.at(i).unicode());
    const ushort cb = FoldAscii(b.at(i).unicode());
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return Sign(int(a.size() - b.size()));
}

QString UpperAscii(const QString& text) {
  QString result = text;
  for (QChar& c : result) c = QChar(FoldAscii(c.unicode()));
  return result;
}

bool SameTextAscii(const QString& a, const QString& b) {
  return a.size() == b.size() && CompareTextAscii(a, b) == 0;
}

QString TrimControl(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first).unicode() <= 32) ++first;
  while (last > first && text.at(last - 1).unicode() <= 32) --last;
  if (first == 0 && last == text.size()) return text;
  return text.mid(first, last - first);
}
