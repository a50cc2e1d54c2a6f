#include "QZ_Dictionary.h"

#include "AppPaths.h"
#include "Errors.h"
#include "FatalError.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <QCollatorSortKey>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

// The word list is compiled into an object library of its own; naming its
// initialiser keeps it in every program that links the dictionary.
static void InitWordListResource() {
  static const bool initialised = [] {
    Q_INIT_RESOURCE(english_words);
    return true;
  }();
  (void)initialised;
}

namespace {

const QString kWordListResource = QStringLiteral(":/ENGLISH_DICT");
const QString kCustomFileName = QStringLiteral("QZ_Custom.dict");
const QChar kApostrophe = QLatin1Char('\'');

// A custom-words file is a short list kept by hand or by "Add to Custom"; a
// larger one is refused rather than read whole.
constexpr qint64 kMaxCustomFileBytes = 4 * 1024 * 1024;

bool IsCapitalAscii(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
bool IsSmallAscii(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }

QString LowerAscii(QString text) {
  for (QChar& c : text) {
    if (IsCapitalAscii(c)) c = QChar(c.unicode() + 32);
  }
  return text;
}

int SoundexScore(QChar c) {
  switch (c.unicode() | 0x20) {  // folds A-Z onto a-z and maps no other code onto a letter
    case 'b': case 'f': case 'p': case 'v':
      return 1;
    case 'c': case 'g': case 'j': case 'k': case 'q': case 's': case 'x': case 'z':
      return 2;
    case 'd': case 't':
      return 3;
    case 'l':
      return 4;
    case 'm': case 'n':
      return 5;
    case 'r':
      return 6;
    case 'h': case 'w':
      return -1;
    default:
      return 0;
  }
}

// The ending a contraction's suggestions carry: the apostrophe and the letter
// after it, with "'l", "'v" and "'r" completed.
QString ContractionSuffix(const QString& AWord, qsizetype AApostrophe) {
  const QString suffix = AWord.mid(AApostrophe, 2);
  if (SameTextAscii(suffix, QStringLiteral("'l"))) return QStringLiteral("'ll");
  if (SameTextAscii(suffix, QStringLiteral("'v"))) return QStringLiteral("'ve");
  if (SameTextAscii(suffix, QStringLiteral("'r"))) return QStringLiteral("'re");
  return suffix;
}

// The lines in ascending order without regard to case, each once; of equal
// lines the first one read is kept. Sorting once keeps a long or badly
// ordered file from costing one list insertion per line.
QStringList SortedUniqueWords(const QStringList& ALines) {
  std::vector<QCollatorSortKey> keys;
  keys.reserve(size_t(ALines.size()));
  for (const QString& line : ALines) keys.push_back(TextSortKey(line));
  std::vector<qsizetype> order(size_t(ALines.size()));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
    return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
  });
  QStringList words;
  words.reserve(ALines.size());
  const QCollatorSortKey* previous = nullptr;
  for (qsizetype index : order) {
    const QCollatorSortKey& key = keys[size_t(index)];
    if (previous && previous->compare(key) == 0) continue;
    words.append(ALines[index]);
    previous = &key;
  }
  return words;
}

}  // namespace

TDictionary::TDictionary() {
  FCustom.SetSorted(true);
  FCustom.SetDuplicates(TDuplicates::dupIgnore);
  LoadWordList();
  FCustomDict = ApplicationDataFolder() + kCustomFileName;
  LoadCustomWords();
}

QString TDictionary::Version() { return QStringLiteral("1.0.1"); }

void TDictionary::LoadWordList() {
  InitWordListResource();
  QFile resource(kWordListResource);
  if (!resource.open(QIODevice::ReadOnly)) {
    throw EFileError(QStringLiteral("The built-in word list %1 is missing").arg(kWordListResource));
  }
  const QString text = DecodeText(resource.readAll());
  FDict = SplitLines(text);
  for (const QString& word : FDict) FLongestWord = std::max(FLongestWord, int(word.size()));
}

void TDictionary::LoadCustomWords() {
  const QFileInfo info(FCustomDict);
  if (!info.exists()) return;
  try {
    if (!info.isFile()) throw EFileError(QStringLiteral("Not a file"));
    if (info.size() > kMaxCustomFileBytes) {
      throw EFileError(QStringLiteral("The file is larger than %1 bytes").arg(kMaxCustomFileBytes));
    }
    QStringList lines = ReadTextFileLines(FCustomDict);
    lines.removeAll(QString());
    TUpdateScope update(FCustom);
    for (const QString& word : SortedUniqueWords(lines)) {
      FCustom.Add(word);
      FLongestWord = std::max(FLongestWord, int(word.size()));
    }
  } catch (const EFileError& error) {
    throw EFileError(UnableToProcessMessage(QStringLiteral("custom words"), FCustomDict, error.Message()));
  }
  FCustCount = FCustom.Count();
}

bool TDictionary::InWordList(const QString& S) const {
  const auto it = std::lower_bound(FDict.cbegin(), FDict.cend(), S, [](const QString& entry, const QString& word) {
    return CompareTextAscii(entry, word) < 0;
  });
  return it != FDict.cend() && SameTextAscii(*it, S);
}

// The word list holds only a-z, whose order without regard to case is the
// same in every locale, so the plain ASCII comparison serves its bisection.
// The custom words may hold anything and are compared in the locale's order.
bool TDictionary::WordExists(const QString& S) const {
  if (S.size() < 2) return true;
  if (InWordList(S)) return true;
  int index = 0;
  return FCustom.Find(S, index);
}

bool TDictionary::SpellCheck(const QString& AWord) const { return WordExists(TrimControl(AWord)); }

bool TDictionary::SpellCheck(const QString& AWord, TStringList* ASuggestions) {
  QString W = TrimControl(AWord);
  const qsizetype apostrophe = W.indexOf(kApostrophe);
  QString suffix;
  if (apostrophe >= 0) {
    suffix = ContractionSuffix(W, apostrophe);
    W.truncate(apostrophe);
  }
  const bool found = WordExists(W);
  if (found || W.isEmpty() || !ASuggestions) return found;

  FIsCap = !AWord.isEmpty() && IsCapitalAscii(AWord[0]);
  TUpdateScope update(*ASuggestions);
  ASuggestions->Clear();
  QStringList suggestions = SoundAlikes(W);
  MergeNearMisses(W, suggestions);
  if (apostrophe >= 0) {
    for (QString& suggestion : suggestions) suggestion += suffix;
  }
  ASuggestions->AddStrings(suggestions);
  return false;
}

QString TDictionary::SoundexCode(const QString& AWord) {
  if (AWord.isEmpty()) return {};
  QString code;
  code.reserve(AWord.size());
  const QChar first = AWord[0];
  code += IsSmallAscii(first) ? QChar(first.unicode() - 32) : first;
  int previous = SoundexScore(first);
  for (qsizetype i = 1; i < AWord.size(); ++i) {
    const int score = SoundexScore(AWord[i]);
    if (score > 0 && score != previous) code += QChar(u'0' + score);
    if (score != -1) previous = score;
  }
  return code;
}

TDictionary::TLengthWindow TDictionary::SoundAlikeLengths(int ALength) {
  return {int(std::lround(ALength * 0.6666)), int(std::lround(ALength * 1.3333))};
}

// Main-list words of a similar length with the same sound-alike code, in
// list order. The code's first character is compared before the rest is
// computed, which rules out most words at once.
QStringList TDictionary::SoundAlikes(const QString& W) const {
  QStringList found;
  const QString code = SoundexCode(W);
  const TLengthWindow window = SoundAlikeLengths(int(W.size()));
  for (const QString& D : FDict) {
    if (D.size() < window.Low || D.size() > window.High) continue;
    const QChar first = IsSmallAscii(D[0]) ? QChar(D[0].unicode() - 32) : D[0];
    if (first != code[0]) continue;
    if (SoundexCode(D) == code) found.append(AsSuggestion(D));
  }
  return found;
}

QString TDictionary::AsSuggestion(const QString& AWord) const {
  if (!FIsCap || AWord.isEmpty() || !IsSmallAscii(AWord[0])) return AWord;
  QString capitalised = AWord;
  capitalised[0] = QChar(AWord[0].unicode() - 32);
  return capitalised;
}

void TDictionary::AddIfKnown(const QString& ACandidate, QStringList& AFound) const {
  if (WordExists(ACandidate)) AFound.append(AsSuggestion(ACandidate));
}

void TDictionary::AddDeletions(const QString& w, QStringList& AFound) const {
  for (qsizetype i = 0; i < w.size(); ++i) AddIfKnown(QString(w).remove(i, 1), AFound);
}

void TDictionary::AddTranspositions(const QString& w, QStringList& AFound) const {
  for (qsizetype i = 0; i + 1 < w.size(); ++i) {
    QString candidate = w;
    std::swap(candidate[i], candidate[i + 1]);
    AddIfKnown(candidate, AFound);
  }
}

void TDictionary::AddReplacements(const QString& w, QStringList& AFound) const {
  for (qsizetype i = 0; i < w.size(); ++i) {
    QString candidate = w;
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
      candidate[i] = QChar(letter);
      AddIfKnown(candidate, AFound);
    }
  }
}

// Letters go in front of the second to the last-but-one character only:
// never before the first character, before the last or after it.
void TDictionary::AddInsertions(const QString& w, QStringList& AFound) const {
  for (qsizetype i = 1; i + 1 < w.size(); ++i) {
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
      AddIfKnown(QString(w).insert(i, QChar(letter)), AFound);
    }
  }
}

// Adds the known words one edit away from W to the list, and leaves the list
// in ascending order without regard to case, each word once.
void TDictionary::MergeNearMisses(const QString& W, QStringList& AList) const {
  TStringList wordList;
  wordList.SetSorted(true);
  wordList.SetDuplicates(TDuplicates::dupIgnore);

  const QString w = LowerAscii(W);
  // No candidate is shorter than w less one letter; when even that is longer
  // than any known word (and than the one letter always accepted), none can
  // be found, so none is generated.
  if (w.size() - 1 <= std::max(FLongestWord, 1)) {
    using Generator = void (TDictionary::*)(const QString&, QStringList&) const;
    for (Generator generate : {&TDictionary::AddDeletions, &TDictionary::AddTranspositions,
                               &TDictionary::AddReplacements, &TDictionary::AddInsertions}) {
      QStringList group;
      (this->*generate)(w, group);
      wordList.AddStrings(group);
    }
  }
  wordList.AddStrings(AList);
  AList = wordList.ToStringList();
}

bool TDictionary::AddCustom(const QString& AWord) {
  QString w = LowerAscii(TrimControl(AWord));
  const qsizetype apostrophe = w.indexOf(kApostrophe);
  if (apostrophe >= 0) w.truncate(apostrophe);
  w.removeIf([](QChar c) { return !IsSmallAscii(c); });
  if (w.size() < 2 || WordExists(w)) return false;

  FCustom.Add(w);
  FLongestWord = std::max(FLongestWord, int(w.size()));
  try {
    QDir().mkpath(QFileInfo(FCustomDict).absolutePath());
    WriteTextFileLines(FCustomDict, FCustom.ToStringList());
  } catch (const EFileError& error) {
    throw EFileError(UnableToProcessMessage(QStringLiteral("custom words"), FCustomDict, error.Message()));
  }
  ++FCustCount;
  return true;
}
