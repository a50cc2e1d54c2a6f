#pragma once

#include "QZ_DelimitedListModel.h"
#include "QZ_ImageList.h"
#include "QZ_ListRowGrid.h"

#include <QFont>
#include <QFrame>
#include <QMenu>
#include <QPointer>
#include <functional>

class QHeaderView;
class QStandardItemModel;
class TFindDialog;

// The sortable multi-column list control: a panel holding a header strip (a
// QHeaderView driven by the header sections) over a painted row grid with a
// vertical scroll bar. Rows, cells, formats, sorting and selection state are
// those of TDelimitedListModel; this class paints them, routes the user's
// input to them, copies rows to the clipboard and searches them.
//
// Set up like the character list of the main window:
//
//   auto* list = new TDelimitedListBox(parent);
//   list->SetDelimiter(QChar(0x00FE));          // "þ"
//   list->SetAllowSorting(true);
//   list->SetResizableColumns(true);
//   list->SetRowHeight(15);
//   list->SetHeaderHeight(17);
//   list->SetHeaderFont(window->font());
//   list->SetSecondarySortColumn(-1);
//   list->SetAutomaticPopup(true);
//   list->SetPopupMenu(popupMenu1);             // its own items first
//   list->AddHeaderSection({"Name", 150, TDelimitedListModel::taLeftJustify});
//   ...                                         // the other sections
//   list->SetColumnFormatEditor(formatLines);   // one line per column
//   list->Loaded();                             // after all of the above
//   list->OnClick = [](TDelimitedListBox* ASender) { ... };
//   list->OnDblClick = ...;
//   list->SetBeforeSort(...);  list->SetAfterSort(...);   // from the model
//
// Events are called with the control as sender and skipped when unset. Those
// of the model (BeforeSort, AfterSort, OnHeaderClick) pass the same object as
// a TDelimitedListModel*. An exception escaping a handler run by user input
// goes to the general error report (ShowGeneralError); the input is abandoned.
//
// Colours are TColor values; system colours resolve from the widget's
// palette (clWindow: Base, clHighlight: Highlight, clBtnFace: Button), so the
// list follows the desktop's palette.
class TDelimitedListBox : public QFrame, public TDelimitedListModel, private TListRowGridClient {
  Q_OBJECT

public:
  // Modifier keys and mouse buttons held down, and the double-click flag.
  enum TShiftFlag : unsigned {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
  };
  using TShiftState = unsigned;
  enum TMouseButton { mbLeft, mbRight, mbMiddle };

  using TNotifyEvent = std::function<void(TDelimitedListBox* ASender)>;
  // AKey is a Qt::Key value; a handler may change it (0 swallows the key).
  using TOnKeyDownUp = std::function<void(TDelimitedListBox* ASender, int& AKey, TShiftState AShift)>;
  using TOnKeyPress = std::function<void(TDelimitedListBox* ASender, QChar& AKey)>;
  // X and Y in row grid (viewport) coordinates.
  using TOnMouseDownUp = std::function<void(TDelimitedListBox* ASender, TMouseButton AButton,
                                            TShiftState AShift, int X, int Y)>;
  using TOnMouseMove = std::function<void(TDelimitedListBox* ASender, TShiftState AShift, int X, int Y)>;
  using TOnContextPopup =
      std::function<void(TDelimitedListBox* ASender, const QPoint& AMousePos, bool& AHandled)>;
  // AData is the text about to be written (already shortened); clearing
  // ADefaultTextOut leaves the text to the handler. ARect.width() is the
  // column width; the canvas is clipped to the cell.
  using TOnDrawCell = std::function<void(QPainter& ACanvas, int ACol, int ARow, const QRect& ARect,
                                         QString& AData, TGridDrawState AState, bool& ADefaultTextOut)>;

  // Tags (QAction::data) of the context-menu items the control adds itself.
  static constexpr int kTagSeparator = -4;
  static constexpr int kTagCopySelected = -3;
  static constexpr int kTagCopyFixed = -2;
  static constexpr int kTagCopyComma = -1;

  explicit TDelimitedListBox(QWidget* AParent = nullptr);
  ~TDelimitedListBox() override;

  QSize sizeHint() const override { return {200, 100}; }

  // Loading finished: besides the model's work, the grid gets its columns
  // (widths from the header) and starts painting cells.
  void Loaded() override;

  // ---- View settings ----
  int RowHeight() const;  // 15 when created
  void SetRowHeight(int AHeight);
  int HeaderHeight() const { return FHeaderHeight; }  // 17 when created
  void SetHeaderHeight(int AHeight);
  QFont HeaderFont() const;
  void SetHeaderFont(const QFont& AFont);
  bool HeaderVisible() const { return FHeaderVisible; }
  void SetHeaderVisible(bool AVisible);
  // Kept for the header strip; the strip shows captions only.
  TImageList* HeaderImages() const { return FHeaderImages; }
  void SetHeaderImages(TImageList* AImages) { FHeaderImages = AImages; }
  // Images of the indicator box; the reference only (no repaint). Forgotten
  // when the image list is destroyed.
  TImageList* IndicatorImages() const { return FIndicatorImages; }
  void SetIndicatorImages(TImageList* AImages) { FIndicatorImages = AImages; }
  // Stores the row background and repaints the rows.
  void SetColor(TColor AColor) override;
  QMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(QMenu* AMenu) { FPopupMenu = AMenu; }

  // ---- View state ----
  int TopRow() const override;
  int VisibleRowCount() const override;
  bool Focused() const;  // the row grid has the keyboard focus
  void SetFocus();
  // Repaints the panel, copies the column widths from the header and
  // repaints the rows; Update does the same at once.
  void Invalidate();
  void Update();

  // ---- Colours ----
  QColor ResolveColor(TColor AColor) const;
  // Black for a light colour, white for a dark one (by 0.3 R + 0.59 G + 0.11 B).
  TColor ContrastColor(TColor AColor) const;

  // ---- Clipboard ----
  // Every row, each field trimmed (dates as dates, numbers as stored) in
  // double quotes, separated by commas, CR LF after each row.
  void CopyToClipboardComma();
  // Every row, each field as painted, padded with spaces to the column's
  // widest text (stored or as painted) plus one, CR LF after each row.
  void CopyToClipboardFixed();
  // The current row, each field trimmed and formatted, followed by a space.
  // Does nothing for an empty list.
  void CopyToClipboardSelected();

  // ---- Find ----
  // Searching starts after the current row; the dialog stays open beside the window.
  void FindDialogExecute();
  void FindDialogClose();
  TFindDialog& FindDialog() const { return *FFindDialog; }
  // The next row whose whole row string contains the find text (a-z folded
  // to capitals only), in the dialog's direction; it becomes the current row.
  virtual void FindDialogFind();

  // ---- Header ----
  void SyncColumnWidths();
  // A section was resized: the grid column follows; with indicators and
  // images, column 0 stays at least the image width + 5.
  virtual void HeaderSectionResize(int ASectionIndex);
  virtual void HeaderResize();

  // ---- Children ----
  QHeaderView* HeaderStrip() const { return FHeader; }
  TListRowGrid* Grid() const { return FGrid; }

  // ---- Events ----
  TNotifyEvent OnClick;     // a left click selected a row, or a key moved the current row
  TNotifyEvent OnDblClick;  // after the press handling of the second click
  TNotifyEvent OnEnter;     // the focus came to the row grid from another control of the window
  TNotifyEvent OnExit;      // the focus left the row grid for another control (find dialog closed first)
  TOnKeyDownUp OnKeyDown;
  TOnKeyDownUp OnKeyUp;
  TOnKeyPress OnKeyPress;
  TOnMouseDownUp OnMouseDown;  // after the selection handling of the press
  TOnMouseDownUp OnMouseUp;
  TOnMouseMove OnMouseMove;
  TOnContextPopup OnContextPopup;  // replaces the automatic menu handling when set
  TOnDrawCell OnDrawCell;

protected:
  // ---- Model hooks ----
  void RepaintRows() override;
  void CellTableChanged() override;
  void CurrentRowChanged() override;
  void HeaderSectionsChanged() override;
  void HookHeaderEvents() override;
  void FocusGrid() override;
  void ScrollToTopRow(int ARow) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void ProcessPendingMessages() override;

  // Writes the text of cell (ACol, ARow) with its top left corner at (AX,
  // AY); the canvas holds the cell's font and text colour.
  virtual void CellTextOut(QPainter& ACanvas, int ACol, int ARow, int AX, int AY, const QString& AText);
  // The multi-select handling of a press, the repaint, then OnMouseDown.
  virtual void GridMouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y);
  // Adds or removes the automatic context-menu items (or lets OnContextPopup decide).
  virtual void GridContextPopup(const QPoint& AMousePos, bool& AHandled);

  void resizeEvent(QResizeEvent* AEvent) override;
  bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
  // TListRowGridClient
  QColor GridBackground() const override;
  void GridDrawCell(QPainter& ACanvas, int ACol, int ARow, const QRect& ARect,
                    TGridDrawState AState) override;
  void GridMousePress(QMouseEvent& AEvent, bool ADoubleClick) override;
  void GridMouseRelease(QMouseEvent& AEvent) override;
  void GridMouseMove(QMouseEvent& AEvent) override;
  void GridKeyPress(QKeyEvent& AEvent) override;
  void GridKeyRelease(QKeyEvent& AEvent) override;
  void GridFocusIn(Qt::FocusReason AReason) override;
  void GridFocusOut(Qt::FocusReason AReason) override;
  void GridContextMenu(QContextMenuEvent& AEvent) override;

  void LayoutChildren();
  void SectionResizedByUser(int ASectionIndex, int ANewWidth);
  void SetSectionWidth(int ASectionIndex, int AWidth);
  void ApplyMultiSelectPress(TShiftState AShift);
  void MoveCurrentRowByUser(int ARow);
  int ShortenToFit(const QFontMetrics& AMetrics, QString& AText, int AWidth, int AIndicatorWidth) const;
  void AddAutomaticMenuItems();
  void PutOnClipboard(const QString& AText) const;
  bool RowMatchesFindText(int ARow, const QString& AUpperFindText) const;

  QStandardItemModel* FHeaderModel;
  QHeaderView* FHeader;
  TListRowGrid* FGrid;
  TFindDialog* FFindDialog;
  QPointer<QMenu> FPopupMenu;
  QPointer<TImageList> FHeaderImages;
  QPointer<TImageList> FIndicatorImages;
  int FHeaderHeight = 17;
  bool FHeaderVisible = true;
  bool FHeaderHooked = false;
  int FApplyingSections = 0;  // > 0 while the strip is set from the sections
  QFont FCanvasFont;          // kept from cell to cell, like a canvas
  bool FLeftPressOnRow = false;  // a left press selected a row; its release clicks
};
