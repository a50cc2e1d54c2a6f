#include "StringList.h"

#include "Errors.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <utility>

TStringList::TStringList(const TStringList& other)
    : FItems(other.FItems),
      FSorted(other.FSorted),
      FCaseSensitive(other.FCaseSensitive),
      FDuplicates(other.FDuplicates) {}

TStringList& TStringList::operator=(const TStringList& other) {
  if (this != &other) {
    FSorted = other.FSorted;
    FCaseSensitive = other.FCaseSensitive;
    FDuplicates = other.FDuplicates;
    Assign(other);
  }
  return *this;
}

TStringList::TStringList(const QStringList& lines) { AddStrings(lines); }

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(ListIndexErrorMessage(index));
}

void TStringList::CheckUnsorted(const char* operation) const {
  if (FSorted) {
    throw EListError(QStringLiteral("Operation not allowed on sorted list (%1)")
                         .arg(QString::fromLatin1(operation)));
  }
}

const QString& TStringList::Strings(int index) const {
  CheckIndex(index);
  return FItems[size_t(index)].Text;
}

void TStringList::Put(int index, const QString& text) {
  CheckUnsorted("Put");
  CheckIndex(index);
  FItems[size_t(index)].Text = text;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return FItems[size_t(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  FItems[size_t(index)].Object = object;
  Changed();
}

int TStringList::Add(const QString& text) { return AddObject(text, nullptr); }

int TStringList::AddObject(const QString& text, TObject* object) {
  if (FSorted) return InsertSorted(text, object);
  const int index = Count();
  InsertItem(index, text, object);
  return index;
}

void TStringList::AddStrings(const QStringList& lines) {
  BeginUpdate();
  for (const QString& line : lines) Add(line);
  EndUpdate();
}

void TStringList::AddStrings(const TStringList& other) {
  BeginUpdate();
  for (const Item& item : other.FItems) AddObject(item.Text, item.Object);
  EndUpdate();
}

int TStringList::InsertSorted(const QString& text, TObject* object) {
  int index = 0;
  if (Find(text, index)) {
    switch (FDuplicates) {
      case TDuplicates::dupIgnore:
        return index;
      case TDuplicates::dupError:
        throw EListError(QStringLiteral("String list does not allow duplicates"));
      case TDuplicates::dupAccept:
        break;
    }
  }
  InsertItem(index, text, object);
  return index;
}

void TStringList::Insert(int index, const QString& text) { InsertObject(index, text, nullptr); }

void TStringList::InsertObject(int index, const QString& text, TObject* object) {
  CheckUnsorted("Insert");
  if (index < 0 || index > Count()) throw EListError(ListIndexErrorMessage(index));
  InsertItem(index, text, object);
}

void TStringList::InsertItem(int index, const QString& text, TObject* object) {
  FItems.insert(FItems.begin() + index, Item{text, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  CheckUnsorted("Exchange");
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(FItems[size_t(index1)], FItems[size_t(index2)]);
  Changed();
}

void TStringList::Move(int currentIndex, int newIndex) {
  CheckUnsorted("Move");
  CheckIndex(currentIndex);
  CheckIndex(newIndex);
  if (currentIndex == newIndex) return;
  Item item = std::move(FItems[size_t(currentIndex)]);
  FItems.erase(FItems.begin() + currentIndex);
  FItems.insert(FItems.begin() + newIndex, std::move(item));
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TStringList::Assign(const TStringList& other) {
  if (this == &other) return;
  BeginUpdate();
  FItems.clear();
  if (FSorted) {
    for (const Item& item : other.FItems) AddObject(item.Text, item.Object);
  } else {
    FItems = other.FItems;
  }
  EndUpdate();
}

int TStringList::CompareStrings(const QString& a, const QString& b) const {
  return FCaseSensitive ? CompareStrLocale(a, b) : CompareTextLocale(a, b);
}

int TStringList::IndexOf(const QString& text) const {
  if (FSorted) {
    int index = 0;
    return Find(text, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(FItems[size_t(i)].Text, text) == 0) return i;
  }
  return -1;
}

bool TStringList::Find(const QString& text, int& index) const {
  // Lower bound: with duplicates accepted this finds the first equal entry.
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int order = CompareStrings(FItems[size_t(middle)].Text, text);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (order == 0) {
        found = true;
        if (FDuplicates != TDuplicates::dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

int TStringList::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (FItems[size_t(i)].Object == object) return i;
  }
  return -1;
}

QString TStringList::NamePart(const QString& line) {
  const qsizetype at = line.indexOf(QLatin1Char('='));
  return at < 0 ? QString() : line.left(at);
}

QString TStringList::ValuePart(const QString& line) {
  const qsizetype at = line.indexOf(QLatin1Char('='));
  return at < 0 ? QString() : line.mid(at + 1);
}

QString TStringList::Names(int index) const { return NamePart(Strings(index)); }

QString TStringList::ValueFromIndex(int index) const { return ValuePart(Strings(index)); }

int TStringList::IndexOfName(const QString& name) const {
  for (int i = 0; i < Count(); ++i) {
    const QString& line = FItems[size_t(i)].Text;
    const qsizetype at = line.indexOf(QLatin1Char('='));
    if (at >= 0 && CompareStrings(line.left(at), name) == 0) return i;
  }
  return -1;
}

QString TStringList::Values(const QString& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? QString() : ValueFromIndex(index);
}

QString TStringList::Text() const {
  QString result;
  for (const Item& item : FItems) {
    result += item.Text;
    result += QLatin1String("\r\n");
  }
  return result;
}

void TStringList::SetText(const QString& text) {
  BeginUpdate();
  FItems.clear();
  for (const QString& line : SplitLines(text)) Add(line);
  EndUpdate();
}

QStringList TStringList::ToStringList() const {
  QStringList result;
  result.reserve(Count());
  for (const Item& item : FItems) result.append(item.Text);
  return result;
}

void TStringList::SetSorted(bool sorted) {
  if (FSorted == sorted) return;
  if (sorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (FCaseSensitive == caseSensitive) return;
  FCaseSensitive = caseSensitive;
  if (FSorted) {
    FSorted = false;
    Sort();
    FSorted = true;
  }
}

void TStringList::Sort() {
  if (FSorted || Count() < 2) return;
  CustomSort([](const TStringList& list, int a, int b) {
    return list.CompareStrings(list.FItems[size_t(a)].Text, list.FItems[size_t(b)].Text);
  });
}

void TStringList::CustomSort(const CompareFn& compare) {
  if (FSorted || Count() < 2) return;
  QuickSort(0, Count() - 1, compare);
  Changed();
}

// Hoare partition around the middle entry; the pivot is followed as entries
// move so the comparison always sees the pivot's own entry.
void TStringList::QuickSort(int left, int right, const CompareFn& compare) {
  while (left < right) {
    int i = left;
    int j = right;
    int pivot = left + (right - left) / 2;
    do {
      while (compare(*this, i, pivot) < 0) ++i;
      while (compare(*this, j, pivot) > 0) --j;
      if (i <= j) {
        if (i != j) std::swap(FItems[size_t(i)], FItems[size_t(j)]);
        if (pivot == i) {
          pivot = j;
        } else if (pivot == j) {
          pivot = i;
        }
        ++i;
        --j;
      }
    } while (i <= j);
    // Recurse into the smaller part, loop over the larger one.
    if (j - left < right - i) {
      if (left < j) QuickSort(left, j, compare);
      left = i;
    } else {
      if (i < right) QuickSort(i, right, compare);
      right = j;
    }
  }
}

void TStringList::BeginUpdate() { ++FUpdateCount; }

void TStringList::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0 && FOnChange) FOnChange();
}

void TStringList::Changed() {
  if (FUpdateCount == 0 && FOnChange) FOnChange();
}

void TStringList::LoadFromFile(const QString& fileName) { SetText(ReadTextFile(fileName)); }

void TStringList::SaveToFile(const QString& fileName) const {
  WriteTextFileLines(fileName, ToStringList());
}

QStringList SplitLines(const QString& text) {
  QStringList lines;
  const qsizetype n = text.size();
  qsizetype start = 0;
  qsizetype i = 0;
  while (i < n) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      lines.append(text.mid(start, i - start));
      if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}
