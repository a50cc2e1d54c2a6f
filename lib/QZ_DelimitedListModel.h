#pragma once

#include "QZ_Colors.h"
#include "QZ_ColumnFormats.h"
#include "QZ_RowSortKeys.h"
#include "StringList.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

// The data model of the delimited list box: rows that are texts split into
// fields at one delimiter character, shown with per-column formats, sorted by
// a column, searched by field. No window system is needed; the widget derives
// from this class and fills in the view hooks (protected virtuals below).
//
// Rows and cells
//   Items() is the row list: entry i is row i, with an optional attached
//   TObject that the list never frees. Every change of Items (or the outermost
//   EndUpdate of an update bracket) rebuilds the cell table: each row string is
//   split into one cell per column. The cell table has one column until
//   Loaded(), then one per header section at that moment (at least one).
//
// Row marks
//   One 32-bit word per row position: bit 0 multi-selected, bit 1 shows an
//   indicator image, bits 16-31 the image number. Marks belong to positions:
//   changes of Items leave them where they are (positions past the end are
//   dropped, new positions start at 0); only a sort moves them with their rows.
//
// Conversions by operation (FieldText with one of the kFieldAs... values)
//   GetField, IndexOfField, FindFieldIdx, comma copy: trimmed, dates formatted
//   GetRawField:                                         the stored cell
//   painting, fixed-width copy:                          dates and numbers formatted
//   selected-row copy:                                   trimmed, dates and numbers formatted
//
// Everything runs on the main thread.
class TDelimitedListModel {
public:
  using TColumnFormats = ::TColumnFormats;

  enum TAlignment { taLeftJustify, taRightJustify, taCenter };

  // One column of the header strip.
  struct THeaderSection {
    QString Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    int MinWidth = 0;
    int MaxWidth = 10000;
  };

  // Which conversions turn a stored cell into the text an operation uses.
  struct TFieldConversion {
    bool Trim;           // codes 32 and below removed from both ends
    bool FormatDates;    // dsgDateTime cells written as dates
    bool FormatNumbers;  // dsgNumeric cells written by their pattern
  };
  static constexpr TFieldConversion kFieldAsStored{false, false, false};
  static constexpr TFieldConversion kFieldAsSearched{true, true, false};
  static constexpr TFieldConversion kFieldAsPainted{false, true, true};
  static constexpr TFieldConversion kFieldAsSelected{true, true, true};

  struct TSelectedRows {
    int Count = 0;
    std::vector<int> RowIndex;
  };

  // Mark bits.
  static constexpr std::uint32_t kMarkMultiSelected = 0x1;
  static constexpr std::uint32_t kMarkIndicator = 0x2;

  using TNotifyEvent = std::function<void(TDelimitedListModel* ASender)>;
  using TOnHeaderClick =
      std::function<void(TDelimitedListModel* ASender, int AColumn, bool& AHandled)>;

  TDelimitedListModel();
  virtual ~TDelimitedListModel();
  TDelimitedListModel(const TDelimitedListModel&) = delete;
  TDelimitedListModel& operator=(const TDelimitedListModel&) = delete;

  // ---- Settings (set before Loaded unless said otherwise) ----
  QChar Delimiter() const { return FDelimiter; }  // default ";"
  void SetDelimiter(QChar ADelimiter) { FDelimiter = ADelimiter; }
  bool TrimStrings() const { return FTrimStrings; }  // trim every field when splitting
  void SetTrimStrings(bool ATrim) { FTrimStrings = ATrim; }
  // One line per column; read once by Loaded (see ReadColumnFormatLine).
  const QString& ColumnFormatEditor() const { return FColumnFormatEditor; }
  void SetColumnFormatEditor(const QString& AText) { FColumnFormatEditor = AText; }
  // The control's font, used by the default column format and by columns whose
  // format line leaves the font out.
  const QString& FontName() const { return FFontName; }
  void SetFontName(const QString& AName);
  std::int32_t FontSize() const { return FFontSize; }
  void SetFontSize(std::int32_t ASize);

  bool AllowSorting() const { return FAllowSorting; }
  // After Loaded, writing it runs HookHeaderEvents again.
  void SetAllowSorting(bool AAllow);
  int SecondarySortColumn() const { return FSecondarySortColumn; }  // default -1
  void SetSecondarySortColumn(int AColumn) { FSecondarySortColumn = AColumn; }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool AMultiSelect) { FMultiSelect = AMultiSelect; }
  bool AutomaticPopup() const { return FAutomaticPopup; }
  void SetAutomaticPopup(bool AAutomatic) { FAutomaticPopup = AAutomatic; }
  bool Indicators() const { return FIndicators; }
  void SetIndicators(bool AIndicators) { FIndicators = AIndicators; }
  TColor IndicatorColor() const { return FIndicatorColor; }  // default clBtnFace
  void SetIndicatorColor(TColor AColor) { FIndicatorColor = AColor; }
  TColor HilightColor() const { return FHilightColor; }  // default clHighlight
  void SetHilightColor(TColor AColor) { FHilightColor = AColor; }
  TColor Color() const { return FColor; }  // default clWindow
  // Virtual so the view can give the colour to its row grid as background.
  virtual void SetColor(TColor AColor) { FColor = AColor; }
  bool ResizableColumns() const { return FResizableColumns; }
  // True: every existing section gets the widths 0 to 10000; False: its
  // minimum and maximum become its current width. Later sections are not changed.
  void SetResizableColumns(bool AResizable);

  // ---- Header sections (the columns) ----
  int ColCount() const { return int(FHeaders.size()); }
  const THeaderSection& HeaderSection(int AIndex) const;
  int AddHeaderSection(const THeaderSection& ASection);
  void SetHeaderSection(int AIndex, const THeaderSection& ASection);
  void DeleteHeaderSection(int AIndex);
  void ClearHeaderSections();

  // ---- Lifecycle ----
  // Loading finished: fixes the cell table's columns, reads the column formats,
  // runs HookHeaderEvents and splits every row. A control made in code calls
  // it once after its settings; later calls do nothing. Changing the format
  // text or the sections afterwards affects neither the table nor the formats.
  virtual void Loaded();
  bool IsLoaded() const { return FLoaded; }

  // ---- Rows and fields ----
  TStringList& Items() { return FItems; }
  const TStringList& Items() const { return FItems; }
  // Replaces the rows (texts and objects) by a copy of a list; one rebuild.
  void SetItems(const TStringList& AItems);
  int RowCount() const { return FItems.Count(); }

  // The trimmed field, a dsgDateTime one as its date text ("" for a row at or
  // past RowCount or a column outside 0..ColCount-1); EListError for a
  // negative row.
  QString GetField(int AItemIndex, int AFieldIndex) const;
  // The same for the first row whose whole text equals AItem (without regard
  // to case); EListError when there is none.
  QString GetField(const QString& AItem, int AFieldIndex) const;
  // The cell exactly as stored ("" outside the table).
  QString GetRawField(int AItemIndex, int AFieldIndex) const;
  // Replaces one field inside a row string, appending missing delimiters; a
  // row with more fields keeps them. Nothing happens for a column outside
  // 0..ColCount-1; EListError for a row that does not exist.
  void SetField(const QString& AData, int AItemIndex, int AFieldIndex);
  // The first row whose GetField equals AString, ignoring the case of a-z
  // only (AString is not trimmed); -1 if none.
  int IndexOfField(const QString& AString, int AFieldIndex) const;
  // Bisection for AString (trimmed, a-z as capitals) in a column ordered
  // ascending by UTF-16 code units; the row or -1.
  int FindFieldIdx(const QString& AString, int AFieldIndex) const;

  // A field under one of the conversions above; "" outside the rows or columns.
  QString FieldText(int ARow, int ACol, TFieldConversion AConversion) const;
  // The stored cell, or an empty text outside the cell table.
  const QString& Cell(int ARow, int ACol) const;
  int CellTableColumns() const { return FCellColumns; }
  int CellTableRows() const { return FCellRows; }

  // ---- Column formats ----
  // The format of a column; the default format when there is none for it.
  TColumnFormats& GetColumnFormat(int AIndex);
  const TColumnFormats& GetColumnFormat(int AIndex) const;
  int ColumnFormatCount() const { return int(FColumnFormats.size()); }
  // Date display: pattern AFormat or "dd/mm/yyyy hh:nn"; a value of 0 or
  // below, an unreadable one or one outside the years 1-9999 gives "".
  static QString FormatDateCell(const QString& AText, const QString& AFormat);
  // Number display: pattern AFormat or ",0.00"; unreadable reads as 0.
  static QString FormatNumberCell(const QString& AText, const QString& AFormat);

  // ---- Current row ----
  // -1 while the list is empty, else the current row.
  int ItemIndex() const;
  // Ignored for an empty list, a negative row or one at or past RowCount.
  // Otherwise scrolls a row outside the visible ones to the top, makes it
  // current, in multi-select mode makes it the whole multi-selection, and
  // repaints. Raises no click event.
  void SetItemIndex(int AIndex);
  // The stored current row, also while the list is empty.
  int CurrentRow() const { return FCurrentRow; }
  // For the view: the user moved the current row (no scrolling, no selection
  // change); ignored for a row outside the list.
  void MoveCurrentRow(int ARow);

  // Zeroes the marks, empties the multi-selection, removes every row (objects
  // are dropped, not freed), makes row 0 current and repaints. Column widths,
  // SortColumn, the find position and the range anchor stay.
  void Clear();

  // ---- Row marks and indicator images ----
  std::uint32_t RowMark(int ARow) const;  // 0 outside the rows
  void SetRowMark(int ARow, std::uint32_t AMark);  // EListError outside the rows
  // The image number (0-65535) when bit 1 is set, else -1.
  int GetIndicatorImageIndex(int ARow) const;
  // Stores the lower 16 bits in bits 16-31, sets bit 1, repaints (so -1 stores 65535).
  void SetIndicatorImageIndex(int ARow, int AImageIndex);
  // Clears bit 1 only, repaints.
  void ClearIndicatorImageIndex(int ARow);

  // ---- Multi-selection ----
  // The selected rows in ascending order; each has mark bit 0 set.
  const std::set<int>& MultiSelection() const { return FMultiSelection; }
  // Sets bit 0 of the row's mark and adds the row; ignored outside the rows.
  void AddToMultiSelection(int ARow);
  // Clears bit 0 of the row's mark and removes the row.
  void RemoveFromMultiSelection(int ARow);
  // Clears bit 0 of every multi-selected row and empties the list.
  void ClearMultiSelection();
  // Multi-select: the multi-selected rows that exist. Otherwise ItemIndex
  // alone, or nothing for an empty list.
  TSelectedRows SelectedRows() const;
  int RangeAnchor() const { return FRangeAnchor; }  // row of the last plain click, 0 at first
  void SetRangeAnchor(int ARow) { FRangeAnchor = ARow; }
  int FindPosition() const { return FFindPosition; }  // where the next search moves on, 0 at first
  void SetFindPosition(int ARow) { FFindPosition = ARow; }

  // ---- Sorting ----
  int SortColumn() const { return FSortColumn; }  // the last requested column, -1 at first
  // Records the column; sorts (DoSort) when it lies in 0..ColCount-1.
  void Sort(int AColumn);
  // The model's side of a click on a header section: OnHeaderClick may handle
  // it; otherwise, with AllowSorting, the list sorts by that column. The row
  // grid gets the focus in every case.
  virtual void HeaderSectionClick(int ASectionIndex);
  void SetBeforeSort(TNotifyEvent AHandler) { FBeforeSort = std::move(AHandler); }
  void SetAfterSort(TNotifyEvent AHandler) { FAfterSort = std::move(AHandler); }
  void SetOnHeaderClick(TOnHeaderClick AHandler) { FOnHeaderClick = std::move(AHandler); }

protected:
  // ---- View hooks: no-ops here, filled in by the widget ----
  virtual void RepaintRows() {}
  // The cell table was rebuilt (row count or cells may have changed).
  virtual void CellTableChanged() {}
  // The model moved the current row (ItemIndex write, rows removed, Clear).
  virtual void CurrentRowChanged() {}
  virtual void HeaderSectionsChanged() {}
  // Attach the header's events and copy the column widths.
  virtual void HookHeaderEvents() {}
  virtual void FocusGrid() {}
  virtual int TopRow() const { return 0; }
  virtual int VisibleRowCount() const { return 0; }
  virtual void ScrollToTopRow(int /*ARow*/) {}
  // Around a sort: the wait cursor, and one round of pending window messages
  // so the window repaints before the work starts.
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}
  virtual void ProcessPendingMessages() {}

  // ---- Internal operations ----
  // The row list's change handler: rebuilds the cell table, keeps the current
  // row inside the list, then calls CellTableChanged.
  void ItemsChanged();
  // Splits one row string into the cells of one row, growing column widths.
  void SplitRow(const QString& AText, int ARow);
  void LoadColumnFormats();
  void DoSort();
  void QuickSortRows(int ALo, int AHi);

private:
  class TSortScope;

  void RebuildCellTable();
  void AttachItemsChange();
  void DetachItemsChange();
  void CheckRow(int ARow) const;
  QString& CellRef(int ARow, int ACol) { return FCells[std::size_t(ARow) * FCellColumns + ACol]; }
  TSortKeyKind ChooseSortKey() const;
  TRowSortKey MakeSortKey(int ARow, TSortKeyKind AKind) const;
  bool SortKeyLess(const TRowSortKey& A, const TRowSortKey& B) const;
  void ExchangeRows(int I, int J);
  void SyncMultiSelectionWithMarks();

  // Settings
  QChar FDelimiter{u';'};
  bool FTrimStrings = false;
  QString FColumnFormatEditor;
  QString FFontName{QStringLiteral("Tahoma")};
  std::int32_t FFontSize = 8;
  bool FAllowSorting = false;
  int FSecondarySortColumn = -1;
  bool FMultiSelect = false;
  bool FAutomaticPopup = false;
  bool FIndicators = false;
  TColor FIndicatorColor = clBtnFace;
  TColor FHilightColor = clHighlight;
  TColor FColor = clWindow;
  bool FResizableColumns = true;
  std::vector<THeaderSection> FHeaders;

  // Model
  bool FLoaded = false;
  TStringList FItems;
  std::vector<QString> FCells;  // row-major, FCellColumns per row
  int FCellColumns = 1;
  int FCellRows = 0;
  std::vector<std::uint32_t> FMarks;
  std::vector<TColumnFormats> FColumnFormats;
  TColumnFormats FDefaultFormat;
  int FCurrentRow = 0;
  std::set<int> FMultiSelection;
  int FRangeAnchor = 0;
  int FFindPosition = 0;

  // Sorting
  int FSortColumn = -1;
  TSortKeyKind FSortKind = TSortKeyKind::Text;
  std::vector<TRowSortKey> FSortKeys;  // one per row during a sort
  TNotifyEvent FBeforeSort;
  TNotifyEvent FAfterSort;
  TOnHeaderClick FOnHeaderClick;
};
