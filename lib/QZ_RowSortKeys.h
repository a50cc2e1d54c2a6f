#pragma once

#include "QZ_ColumnFormats.h"

#include <QString>
#include <QStringView>

// The sort keys of a delimited list, made once per row and sort.
//
// text key      the stored cell of the sort column, compared by UTF-16 code
//               units as unsigned numbers (a proper prefix first);
// numeric key   the trimmed cell read with SA_Locale::StrToFloatDef (default
//               0), compared as numbers;
// combined key  a primary part followed by a secondary part, compared as a
//               text key. The primary part is the text cell padded with spaces
//               to the column's width, or the number written by
//               "000000000000000.00000000"; the secondary part is the tie-break
//               column's stored cell, or its number written the same way.
//
// A combined key holds its padding as a count, never as spaces, so a long cell
// in a column does not make every key that long.
enum class TSortKeyKind { Text, Numeric, Combined };

struct TRowSortKey {
  double Number = 0;
  QString Head;
  qsizetype Padding = 0;  // spaces between Head and Tail
  QString Tail;
};

// The value of a cell for numeric sorting and display: the trimmed cell read
// with the fixed settings, 0 when unreadable; beyond the double range it is
// an infinity.
double CellNumber(const QString& ACell);
// A number as the combined key writes it ("000000000000000.00000000").
QString CombinedKeyNumber(double AValue);

TRowSortKey MakeTextKey(const QString& ACell);
TRowSortKey MakeNumericKey(const QString& ACell);
TRowSortKey MakeCombinedKey(const QString& APrimaryCell, TDelimtedStringGridDataType APrimaryType,
                            qsizetype APrimaryWidth, const QString& ASecondaryCell,
                            TDelimtedStringGridDataType ASecondaryType);

// Negative, zero or positive as A sorts before, with or after B.
int CompareSortKeys(TSortKeyKind AKind, const TRowSortKey& A, const TRowSortKey& B);
