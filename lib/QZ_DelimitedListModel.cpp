#include "QZ_DelimitedListModel.h"

#include "Errors.h"
#include "QZ_WinMisc.h"
#include "TextCompare.h"

#include <algorithm>
#include <utility>

namespace {

const QString kEmpty;

// The part of a text between p and q with codes 32 and below cut from both ends.
void TrimBounds(const QString& text, qsizetype& from, qsizetype& to) {
  while (from < to && text.at(from).unicode() <= 32) ++from;
  while (to > from && text.at(to - 1).unicode() <= 32) --to;
}

}  // namespace

// Keeps a sort's surroundings sound even when an exchange raises: the change
// notification is attached again and the cursor restored.
class TDelimitedListModel::TSortScope {
public:
  explicit TSortScope(TDelimitedListModel& model) : FModel(model) {
    FModel.BeginWaitCursor();
    FModel.ProcessPendingMessages();
    FModel.DetachItemsChange();
  }
  ~TSortScope() {
    FModel.AttachItemsChange();
    FModel.FSortKeys.clear();
    FModel.EndWaitCursor();
  }
  TSortScope(const TSortScope&) = delete;
  TSortScope& operator=(const TSortScope&) = delete;

private:
  TDelimitedListModel& FModel;
};

TDelimitedListModel::TDelimitedListModel() : FDefaultFormat(FFontName, FFontSize) {
  AttachItemsChange();
}

TDelimitedListModel::~TDelimitedListModel() { DetachItemsChange(); }

void TDelimitedListModel::AttachItemsChange() { FItems.SetOnChange([this] { ItemsChanged(); }); }

void TDelimitedListModel::DetachItemsChange() { FItems.SetOnChange(nullptr); }

// ---------------------------------------------------------------- settings

void TDelimitedListModel::SetFontName(const QString& AName) {
  FFontName = AName;
  FDefaultFormat.FontName = AName;
}

void TDelimitedListModel::SetFontSize(std::int32_t ASize) {
  FFontSize = ASize;
  FDefaultFormat.FontSize = ASize;
}

void TDelimitedListModel::SetAllowSorting(bool AAllow) {
  FAllowSorting = AAllow;
  if (FLoaded) HookHeaderEvents();
}

void TDelimitedListModel::SetResizableColumns(bool AResizable) {
  FResizableColumns = AResizable;
  for (THeaderSection& section : FHeaders) {
    section.MinWidth = AResizable ? 0 : section.Width;
    section.MaxWidth = AResizable ? 10000 : section.Width;
  }
  HeaderSectionsChanged();
}

// ---------------------------------------------------------------- header sections

const TDelimitedListModel::THeaderSection& TDelimitedListModel::HeaderSection(int AIndex) const {
  if (AIndex < 0 || AIndex >= ColCount()) throw EListError(ListIndexErrorMessage(AIndex));
  return FHeaders[std::size_t(AIndex)];
}

int TDelimitedListModel::AddHeaderSection(const THeaderSection& ASection) {
  FHeaders.push_back(ASection);
  HeaderSectionsChanged();
  return ColCount() - 1;
}

void TDelimitedListModel::SetHeaderSection(int AIndex, const THeaderSection& ASection) {
  HeaderSection(AIndex);  // index check
  FHeaders[std::size_t(AIndex)] = ASection;
  HeaderSectionsChanged();
}

void TDelimitedListModel::DeleteHeaderSection(int AIndex) {
  HeaderSection(AIndex);  // index check
  FHeaders.erase(FHeaders.begin() + AIndex);
  HeaderSectionsChanged();
}

void TDelimitedListModel::ClearHeaderSections() {
  FHeaders.clear();
  HeaderSectionsChanged();
}

// ---------------------------------------------------------------- lifecycle

void TDelimitedListModel::Loaded() {
  if (FLoaded) return;
  FLoaded = true;
  FCellColumns = std::max(ColCount(), 1);
  LoadColumnFormats();
  HookHeaderEvents();
  ItemsChanged();
}

void TDelimitedListModel::LoadColumnFormats() {
  const QStringList lines = SplitLines(FColumnFormatEditor);
  FColumnFormats.clear();
  FColumnFormats.reserve(FHeaders.size());
  for (int column = 0; column < ColCount(); ++column) {
    TColumnFormats format(FFontName, FFontSize);
    if (column < lines.size()) ReadColumnFormatLine(lines[column], format);
    FColumnFormats.push_back(std::move(format));
  }
}

// ---------------------------------------------------------------- rows and cells

void TDelimitedListModel::SetItems(const TStringList& AItems) { FItems.Assign(AItems); }

void TDelimitedListModel::ItemsChanged() {
  RebuildCellTable();
  const int lastRow = std::max(RowCount() - 1, 0);
  if (FCurrentRow > lastRow) {
    FCurrentRow = lastRow;
    CurrentRowChanged();
  }
  CellTableChanged();
}

void TDelimitedListModel::RebuildCellTable() {
  FCellRows = FItems.Count();
  FCells.resize(std::size_t(FCellRows) * std::size_t(FCellColumns));
  FMarks.resize(std::size_t(FCellRows), 0);
  for (int row = 0; row < FCellRows; ++row) SplitRow(FItems.Strings(row), row);
}

void TDelimitedListModel::SplitRow(const QString& AText, int ARow) {
  qsizetype position = 0;
  bool more = true;
  for (int column = 0; column < FCellColumns; ++column) {
    qsizetype from = position;
    qsizetype to = position;
    if (more) {
      const qsizetype delimiter = AText.indexOf(FDelimiter, position);
      to = delimiter < 0 ? AText.size() : delimiter;
      more = delimiter >= 0;
      position = to + 1;
    }
    if (FTrimStrings) TrimBounds(AText, from, to);
    GetColumnFormat(column).GrowWidth(to - from);
    QString& cell = CellRef(ARow, column);
    if (from == 0 && to == AText.size()) {
      cell = AText;  // shares the row's text
    } else {
      cell = AText.mid(from, to - from);
    }
  }
}

const QString& TDelimitedListModel::Cell(int ARow, int ACol) const {
  if (ARow < 0 || ARow >= FCellRows || ACol < 0 || ACol >= FCellColumns) return kEmpty;
  return FCells[std::size_t(ARow) * FCellColumns + ACol];
}

QString TDelimitedListModel::FieldText(int ARow, int ACol, TFieldConversion AConversion) const {
  if (ARow < 0 || ARow >= RowCount() || ACol < 0 || ACol >= ColCount()) return QString();
  const QString& cell = Cell(ARow, ACol);
  const TColumnFormats& format = GetColumnFormat(ACol);
  if (AConversion.FormatDates && format.DataType == dsgDateTime) {
    return FormatDateCell(cell, format.FormatString);
  }
  if (AConversion.FormatNumbers && format.DataType == dsgNumeric) {
    return FormatNumberCell(cell, format.FormatString);
  }
  return AConversion.Trim ? TrimControl(cell) : cell;
}

QString TDelimitedListModel::GetField(int AItemIndex, int AFieldIndex) const {
  if (AItemIndex < 0) throw EListError(ListIndexErrorMessage(AItemIndex));
  return FieldText(AItemIndex, AFieldIndex, kFieldAsSearched);
}

QString TDelimitedListModel::GetField(const QString& AItem, int AFieldIndex) const {
  return GetField(FItems.IndexOf(AItem), AFieldIndex);
}

QString TDelimitedListModel::GetRawField(int AItemIndex, int AFieldIndex) const {
  return Cell(AItemIndex, AFieldIndex);
}

void TDelimitedListModel::SetField(const QString& AData, int AItemIndex, int AFieldIndex) {
  QString row = FItems.Strings(AItemIndex);
  const int columns = ColCount();
  if (AFieldIndex < 0 || AFieldIndex >= columns) return;

  const qsizetype delimiters = row.count(FDelimiter);
  if (delimiters < columns - 1) row.append(QString(columns - 1 - delimiters, FDelimiter));
  const qsizetype first = row.indexOf(FDelimiter);
  QString result;
  if (first < 0) {
    result = AData;
  } else if (AFieldIndex == 0) {
    result = AData + row.mid(first);
  } else {
    qsizetype start = first;  // the AFieldIndex-th delimiter
    for (int k = 1; k < AFieldIndex; ++k) start = row.indexOf(FDelimiter, start + 1);
    const qsizetype next = row.indexOf(FDelimiter, start + 1);
    result = row.left(start + 1) + AData + (next < 0 ? QString() : row.mid(next));
  }
  FItems.Put(AItemIndex, result);
}

int TDelimitedListModel::IndexOfField(const QString& AString, int AFieldIndex) const {
  for (int row = 0; row < RowCount(); ++row) {
    if (SameTextAscii(GetField(row, AFieldIndex), AString)) return row;
  }
  return -1;
}

int TDelimitedListModel::FindFieldIdx(const QString& AString, int AFieldIndex) const {
  const QString key = UpperAscii(TrimControl(AString));
  const TColumnFormats& format = GetColumnFormat(AFieldIndex);
  int lo = 0;
  int hi = RowCount() - 1;
  while (lo <= hi) {
    const int mid = lo + (hi - lo) / 2;
    QString cell = UpperAscii(TrimControl(Cell(mid, AFieldIndex)));
    if (format.DataType == dsgDateTime) cell = FormatDateCell(cell, format.FormatString);
    const int order = key.compare(cell, Qt::CaseSensitive);
    if (order < 0) {
      hi = mid - 1;
    } else if (order > 0) {
      lo = mid + 1;
    } else {
      return mid;
    }
  }
  return -1;
}

// ---------------------------------------------------------------- column formats

TColumnFormats& TDelimitedListModel::GetColumnFormat(int AIndex) {
  if (AIndex < 0 || AIndex >= ColumnFormatCount()) return FDefaultFormat;
  return FColumnFormats[std::size_t(AIndex)];
}

const TColumnFormats& TDelimitedListModel::GetColumnFormat(int AIndex) const {
  if (AIndex < 0 || AIndex >= ColumnFormatCount()) return FDefaultFormat;
  return FColumnFormats[std::size_t(AIndex)];
}

QString TDelimitedListModel::FormatDateCell(const QString& AText, const QString& AFormat) {
  const QString pattern = AFormat.isEmpty() ? QStringLiteral("dd/mm/yyyy hh:nn") : AFormat;
  const double value = CellNumber(AText);
  if (!(value > 0)) return QString();
  try {
    return SA_Locale::FormatDateTime(pattern, value);
  } catch (const EConvertError&) {
    return QString();  // beyond the year 9999: no date to show
  }
}

QString TDelimitedListModel::FormatNumberCell(const QString& AText, const QString& AFormat) {
  const QString pattern = AFormat.isEmpty() ? QStringLiteral(",0.00") : AFormat;
  return SA_Locale::FormatFloat(pattern, CellNumber(AText));
}

// ---------------------------------------------------------------- current row

int TDelimitedListModel::ItemIndex() const { return RowCount() == 0 ? -1 : FCurrentRow; }

void TDelimitedListModel::SetItemIndex(int AIndex) {
  if (RowCount() == 0 || AIndex < 0 || AIndex >= RowCount()) return;
  if (AIndex < TopRow() || AIndex >= TopRow() + VisibleRowCount()) ScrollToTopRow(AIndex);
  FCurrentRow = AIndex;
  CurrentRowChanged();
  if (FMultiSelect) {
    ClearMultiSelection();
    AddToMultiSelection(AIndex);
  }
  RepaintRows();
}

void TDelimitedListModel::MoveCurrentRow(int ARow) {
  if (ARow >= 0 && ARow < RowCount()) FCurrentRow = ARow;
}

void TDelimitedListModel::Clear() {
  std::fill(FMarks.begin(), FMarks.end(), 0u);
  ClearMultiSelection();
  FItems.Clear();
  if (FCurrentRow != 0) {
    FCurrentRow = 0;
    CurrentRowChanged();
  }
  RepaintRows();
}

// ---------------------------------------------------------------- marks

void TDelimitedListModel::CheckRow(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) throw EListError(ListIndexErrorMessage(ARow));
}

std::uint32_t TDelimitedListModel::RowMark(int ARow) const {
  if (ARow < 0 || std::size_t(ARow) >= FMarks.size()) return 0;
  return FMarks[std::size_t(ARow)];
}

void TDelimitedListModel::SetRowMark(int ARow, std::uint32_t AMark) {
  CheckRow(ARow);
  if (std::size_t(ARow) >= FMarks.size()) FMarks.resize(std::size_t(ARow) + 1, 0);
  FMarks[std::size_t(ARow)] = AMark;
}

int TDelimitedListModel::GetIndicatorImageIndex(int ARow) const {
  const std::uint32_t mark = RowMark(ARow);
  return (mark & kMarkIndicator) != 0 ? int(mark >> 16) : -1;
}

void TDelimitedListModel::SetIndicatorImageIndex(int ARow, int AImageIndex) {
  const std::uint32_t image = std::uint32_t(AImageIndex) & 0xFFFFu;
  SetRowMark(ARow, (RowMark(ARow) & 0xFFFFu) | (image << 16) | kMarkIndicator);
  RepaintRows();
}

void TDelimitedListModel::ClearIndicatorImageIndex(int ARow) {
  SetRowMark(ARow, RowMark(ARow) & ~kMarkIndicator);
  RepaintRows();
}

// ---------------------------------------------------------------- multi-selection

void TDelimitedListModel::AddToMultiSelection(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  SetRowMark(ARow, RowMark(ARow) | kMarkMultiSelected);
  FMultiSelection.insert(ARow);
}

void TDelimitedListModel::RemoveFromMultiSelection(int ARow) {
  if (ARow >= 0 && std::size_t(ARow) < FMarks.size()) FMarks[std::size_t(ARow)] &= ~kMarkMultiSelected;
  FMultiSelection.erase(ARow);
}

void TDelimitedListModel::ClearMultiSelection() {
  for (const int row : FMultiSelection) {
    if (std::size_t(row) < FMarks.size()) FMarks[std::size_t(row)] &= ~kMarkMultiSelected;
  }
  FMultiSelection.clear();
}

TDelimitedListModel::TSelectedRows TDelimitedListModel::SelectedRows() const {
  TSelectedRows selected;
  if (FMultiSelect) {
    for (const int row : FMultiSelection) {
      if (row < RowCount()) selected.RowIndex.push_back(row);
    }
  } else if (RowCount() > 0) {
    selected.RowIndex.push_back(ItemIndex());
  }
  selected.Count = int(selected.RowIndex.size());
  return selected;
}

// Marks move with their rows in a sort; the list of selected rows follows
// them, so the rows painted selected and the rows reported selected agree.
void TDelimitedListModel::SyncMultiSelectionWithMarks() {
  FMultiSelection.clear();
  for (std::size_t row = 0; row < FMarks.size(); ++row) {
    if ((FMarks[row] & kMarkMultiSelected) != 0) FMultiSelection.insert(int(row));
  }
}

// ---------------------------------------------------------------- sorting

void TDelimitedListModel::Sort(int AColumn) {
  FSortColumn = AColumn;
  if (AColumn >= 0 && AColumn < ColCount()) DoSort();
}

void TDelimitedListModel::HeaderSectionClick(int ASectionIndex) {
  try {
    bool handled = false;
    if (FOnHeaderClick) FOnHeaderClick(this, ASectionIndex, handled);
    if (!handled && FAllowSorting) Sort(ASectionIndex);
  } catch (...) {
    FocusGrid();
    throw;
  }
  FocusGrid();
}

void TDelimitedListModel::DoSort() {
  if (FBeforeSort) FBeforeSort(this);
  if (RowCount() == 0) return;
  {
    TSortScope scope(*this);
    // Inside an update bracket the cells may lag behind the rows: catch up
    // first, so rows and cells are exchanged as pairs.
    if (FItems.UpdateCount() > 0 || FCellRows != FItems.Count()) RebuildCellTable();
    FSortKind = ChooseSortKey();
    FSortKeys.clear();
    FSortKeys.reserve(std::size_t(FCellRows));
    for (int row = 0; row < FCellRows; ++row) FSortKeys.push_back(MakeSortKey(row, FSortKind));
    if (FCellRows > 0) QuickSortRows(0, FCellRows - 1);
  }
  SyncMultiSelectionWithMarks();
  if (FAfterSort) FAfterSort(this);
}

TSortKeyKind TDelimitedListModel::ChooseSortKey() const {
  const bool secondaryValid = FSecondarySortColumn >= 0 &&
                              FSecondarySortColumn < FCellColumns &&
                              FSecondarySortColumn != FSortColumn;
  if (secondaryValid) return TSortKeyKind::Combined;
  return GetColumnFormat(FSortColumn).DataType == dsgString ? TSortKeyKind::Text
                                                              : TSortKeyKind::Numeric;
}

TRowSortKey TDelimitedListModel::MakeSortKey(int ARow, TSortKeyKind AKind) const {
  const QString& cell = Cell(ARow, FSortColumn);
  switch (AKind) {
    case TSortKeyKind::Text:
      return MakeTextKey(cell);
    case TSortKeyKind::Numeric:
      return MakeNumericKey(cell);
    case TSortKeyKind::Combined:
      break;
  }
  const TColumnFormats& primary = GetColumnFormat(FSortColumn);
  return MakeCombinedKey(cell, primary.DataType, primary.Width(),
                         Cell(ARow, FSecondarySortColumn),
                         GetColumnFormat(FSecondarySortColumn).DataType);
}

bool TDelimitedListModel::SortKeyLess(const TRowSortKey& A, const TRowSortKey& B) const {
  return CompareSortKeys(FSortKind, A, B) < 0;
}

// Quicksort around the key of the middle row, exchanging rows, cells, marks
// and objects together. The smaller part is sorted by recursion and the
// larger one by the loop, which keeps the stack shallow; the two parts are
// disjoint, so the order of work does not change the result.
void TDelimitedListModel::QuickSortRows(int ALo, int AHi) {
  while (ALo < AHi) {
    const TRowSortKey pivot = FSortKeys[std::size_t(ALo + (AHi - ALo) / 2)];
    int i = ALo;
    int j = AHi;
    do {
      while (SortKeyLess(FSortKeys[std::size_t(i)], pivot)) ++i;
      while (SortKeyLess(pivot, FSortKeys[std::size_t(j)])) --j;
      if (i <= j) {
        ExchangeRows(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - ALo < AHi - i) {
      if (ALo < j) QuickSortRows(ALo, j);
      ALo = i;
    } else {
      if (i < AHi) QuickSortRows(i, AHi);
      AHi = j;
    }
  }
}

void TDelimitedListModel::ExchangeRows(int I, int J) {
  FItems.Exchange(I, J);  // first: it raises before anything moved
  for (int column = 0; column < FCellColumns; ++column) {
    std::swap(CellRef(I, column), CellRef(J, column));
  }
  std::swap(FMarks[std::size_t(I)], FMarks[std::size_t(J)]);
  std::swap(FSortKeys[std::size_t(I)], FSortKeys[std::size_t(J)]);
}
