#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Base of every object that may be attached to a list entry. A list never
// owns what is attached to it.
class TObject {
public:
  virtual ~TObject() = default;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// An ordered list of texts, each with one optional attached object.
//
// Texts are compared without regard to case in the user's locale order
// (CompareTextLocale) unless CaseSensitive is set. In sorted mode the list
// keeps ascending order and finds by bisection. Changes are announced through
// OnChange after each change, or once at the outermost EndUpdate of a counted
// update bracket.
class TStringList {
public:
  using CompareFn = std::function<int(const TStringList& list, int index1, int index2)>;

  TStringList() = default;
  TStringList(const TStringList& other);
  TStringList& operator=(const TStringList& other);
  explicit TStringList(const QStringList& lines);
  virtual ~TStringList() = default;

  int Count() const { return int(FItems.size()); }
  bool IsEmpty() const { return FItems.empty(); }

  const QString& Strings(int index) const;
  const QString& operator[](int index) const { return Strings(index); }
  void Put(int index, const QString& text);
  TObject* Objects(int index) const;
  void PutObject(int index, TObject* object);
  template <typename T>
  T* ObjectAs(int index) const {
    return dynamic_cast<T*>(Objects(index));
  }

  int Add(const QString& text);
  int AddObject(const QString& text, TObject* object);
  void AddStrings(const QStringList& lines);
  void AddStrings(const TStringList& other);
  void Insert(int index, const QString& text);
  void InsertObject(int index, const QString& text, TObject* object);
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Move(int currentIndex, int newIndex);
  void Clear();
  // Replaces the texts and objects by those of another list.
  void Assign(const TStringList& other);

  // First entry equal to the text (by the list's comparison), or -1.
  int IndexOf(const QString& text) const;
  // Bisection over a sorted list: true when found; index is the match or the
  // place where the text would be inserted.
  bool Find(const QString& text, int& index) const;
  int IndexOfObject(const TObject* object) const;

  // Name/value split at the first "=": the name is the text before it (empty
  // when there is none), the value the text after it.
  QString Names(int index) const;
  QString ValueFromIndex(int index) const;
  int IndexOfName(const QString& name) const;
  QString Values(const QString& name) const;
  static QString NamePart(const QString& line);
  static QString ValuePart(const QString& line);

  // The texts joined with CR LF after every line.
  QString Text() const;
  // Replaces the contents by the lines of a text (CR LF, LF or CR breaks; a
  // final break adds no empty line). In sorted mode each line goes to its place.
  void SetText(const QString& text);
  QStringList ToStringList() const;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);

  // Unstable quicksort with the list's comparison (does nothing in sorted mode,
  // which is already in order).
  void Sort();
  void CustomSort(const CompareFn& compare);
  int CompareStrings(const QString& a, const QString& b) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

  // Reads or writes the list through the program's text file format.
  void LoadFromFile(const QString& fileName);
  void SaveToFile(const QString& fileName) const;

protected:
  virtual void Changed();

private:
  struct Item {
    QString Text;
    TObject* Object = nullptr;
  };

  void CheckIndex(int index) const;
  void CheckUnsorted(const char* operation) const;
  int InsertSorted(const QString& text, TObject* object);
  void InsertItem(int index, const QString& text, TObject* object);
  void QuickSort(int left, int right, const CompareFn& compare);

  std::vector<Item> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = TDuplicates::dupIgnore;
  int FUpdateCount = 0;
  std::function<void()> FOnChange;
};

// Holds a list's change notifications until the scope ends, however it ends.
class TUpdateScope {
public:
  explicit TUpdateScope(TStringList& AList) : FList(AList) { FList.BeginUpdate(); }
  ~TUpdateScope() { FList.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  TStringList& FList;
};

// Splits a text into lines at CR LF, LF or CR; a final break adds no empty line.
QStringList SplitLines(const QString& text);
