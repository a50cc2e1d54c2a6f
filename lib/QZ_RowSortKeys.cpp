#include "QZ_RowSortKeys.h"

#include "QZ_WinMisc.h"
#include "TextCompare.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

int CompareUnits(QStringView a, QStringView b) { return Sign(a.compare(b, Qt::CaseSensitive)); }

// A combined key read as a sequence of runs: Head, then Padding spaces, then
// Tail. Comparing run against run keeps space runs O(1).
class TKeyCursor {
public:
  explicit TKeyCursor(const TRowSortKey& key) : FKey(key) { SkipEmptyRuns(); }

  bool AtEnd() const { return FRun > 2; }
  bool InSpaces() const { return FRun == 1; }
  qsizetype Remaining() const { return RunLength() - FOffset; }
  // The next n code units of a text run.
  QStringView Text(qsizetype n) const {
    return QStringView(FRun == 0 ? FKey.Head : FKey.Tail).mid(FOffset, n);
  }
  void Advance(qsizetype n) {
    FOffset += n;
    SkipEmptyRuns();
  }

private:
  qsizetype RunLength() const {
    switch (FRun) {
      case 0:
        return FKey.Head.size();
      case 1:
        return FKey.Padding;
      default:
        return FKey.Tail.size();
    }
  }
  void SkipEmptyRuns() {
    while (FRun <= 2 && FOffset >= RunLength()) {
      ++FRun;
      FOffset = 0;
    }
  }

  const TRowSortKey& FKey;
  int FRun = 0;
  qsizetype FOffset = 0;
};

int CompareWithSpaces(QStringView text) {
  for (const QChar c : text) {
    if (c.unicode() != u' ') return c.unicode() < u' ' ? -1 : 1;
  }
  return 0;
}

int CompareCombined(const TRowSortKey& a, const TRowSortKey& b) {
  TKeyCursor x(a);
  TKeyCursor y(b);
  while (!x.AtEnd() && !y.AtEnd()) {
    const qsizetype n = std::min(x.Remaining(), y.Remaining());
    int order = 0;
    if (x.InSpaces() && y.InSpaces()) {
      order = 0;
    } else if (x.InSpaces()) {
      order = -CompareWithSpaces(y.Text(n));
    } else if (y.InSpaces()) {
      order = CompareWithSpaces(x.Text(n));
    } else {
      order = CompareUnits(x.Text(n), y.Text(n));
    }
    if (order != 0) return order;
    x.Advance(n);
    y.Advance(n);
  }
  return int(!x.AtEnd()) - int(!y.AtEnd());
}

bool IsNumberType(TDelimtedStringGridDataType type) { return type != dsgString; }

}  // namespace

double CellNumber(const QString& ACell) {
  const long double value = SA_Locale::StrToFloatDef(TrimControl(ACell), 0);
  if (value > DBL_MAX) return std::numeric_limits<double>::infinity();
  if (value < -DBL_MAX) return -std::numeric_limits<double>::infinity();
  return double(value);
}

QString CombinedKeyNumber(double AValue) {
  return SA_Locale::FormatFloat(QStringLiteral("000000000000000.00000000"), AValue);
}

TRowSortKey MakeTextKey(const QString& ACell) {
  TRowSortKey key;
  key.Head = ACell;
  return key;
}

TRowSortKey MakeNumericKey(const QString& ACell) {
  TRowSortKey key;
  key.Number = CellNumber(ACell);
  return key;
}

TRowSortKey MakeCombinedKey(const QString& APrimaryCell, TDelimtedStringGridDataType APrimaryType,
                            qsizetype APrimaryWidth, const QString& ASecondaryCell,
                            TDelimtedStringGridDataType ASecondaryType) {
  TRowSortKey key;
  if (IsNumberType(APrimaryType)) {
    key.Head = CombinedKeyNumber(CellNumber(APrimaryCell));
  } else {
    key.Head = APrimaryCell;
    key.Padding = std::max<qsizetype>(0, APrimaryWidth - APrimaryCell.size());
  }
  key.Tail = IsNumberType(ASecondaryType) ? CombinedKeyNumber(CellNumber(ASecondaryCell))
                                          : ASecondaryCell;
  return key;
}

int CompareSortKeys(TSortKeyKind AKind, const TRowSortKey& A, const TRowSortKey& B) {
  switch (AKind) {
    case TSortKeyKind::Text:
      return CompareUnits(A.Head, B.Head);
    case TSortKeyKind::Numeric:
      return (A.Number > B.Number) - (A.Number < B.Number);
    case TSortKeyKind::Combined:
      return CompareCombined(A, B);
  }
  return 0;
}
