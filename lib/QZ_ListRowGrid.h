#pragma once

#include <QAbstractScrollArea>
#include <vector>

class QPainter;

// The drawing state of one grid cell, a set of these bits.
enum TGridDrawStateFlag : unsigned {
  gdSelected = 0x01,     // the cell belongs to the current row
  gdFocused = 0x02,      // the current cell while the grid has the focus
  gdFixed = 0x04,        // a fixed (title) cell; this grid has none
  gdRowSelected = 0x08,  // the whole current row is selected
  gdHotTrack = 0x10,
  gdPressed = 0x20,
};
using TGridDrawState = unsigned;

// The owner of a row grid: it paints every cell and handles every input
// event of the grid (the grid itself paints no cell content and moves no row).
class TListRowGridClient {
public:
  virtual ~TListRowGridClient() = default;

  virtual QColor GridBackground() const = 0;
  // ARect: the cell in viewport coordinates, ARect.width() the column width.
  virtual void GridDrawCell(QPainter& ACanvas, int ACol, int ARow, const QRect& ARect,
                            TGridDrawState AState) = 0;
  virtual void GridMousePress(QMouseEvent& AEvent, bool ADoubleClick) = 0;
  virtual void GridMouseRelease(QMouseEvent& AEvent) = 0;
  virtual void GridMouseMove(QMouseEvent& AEvent) = 0;
  virtual void GridKeyPress(QKeyEvent& AEvent) = 0;
  virtual void GridKeyRelease(QKeyEvent& AEvent) = 0;
  virtual void GridFocusIn(Qt::FocusReason AReason) = 0;
  virtual void GridFocusOut(Qt::FocusReason AReason) = 0;
  virtual void GridContextMenu(QContextMenuEvent& AEvent) = 0;
};

// A grid of fixed-height rows and columns of given widths, with a vertical
// scroll bar only. It keeps the geometry (column widths, row height, first
// visible row), the current row and the scroll position; its client paints
// the cells and decides what input does. It always has at least one row.
class TListRowGrid : public QAbstractScrollArea {
  Q_OBJECT

public:
  TListRowGrid(TListRowGridClient& AClient, QWidget* AParent);

  int ColCount() const { return int(FColWidths.size()); }
  // New columns are 1 pixel wide.
  void SetColCount(int ACount);
  int ColWidth(int ACol) const;
  void SetColWidth(int ACol, int AWidth);

  int RowHeight() const { return FRowHeight; }
  void SetRowHeight(int AHeight);  // at least 1
  int RowCount() const { return FRowCount; }
  void SetRowCount(int ACount);  // at least 1

  // The current row (its cells are drawn with gdSelected).
  int Row() const { return FRow; }
  void SetRow(int ARow);

  int TopRow() const;
  // Scrolls so that ARow is the first visible row, as far as the rows reach.
  void SetTopRow(int ARow);
  // Rows that are fully visible.
  int VisibleRowCount() const;
  // Scrolls as little as needed to show the row fully.
  void MakeRowVisible(int ARow);

  // Cells are painted only while on (the owner turns it on once loaded).
  void SetCellPainting(bool AOn);

  // The row under a viewport y coordinate, or -1 below the last row.
  int RowAt(int AY) const;
  QRect CellRect(int ACol, int ARow) const;
  // The row a navigation key moves the current row to (Up, Down, Page Up,
  // Page Down, Home, End), or -1 for any other key.
  int NavigationTarget(int AKey) const;

protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void resizeEvent(QResizeEvent* AEvent) override;
  void scrollContentsBy(int ADx, int ADy) override;
  void mousePressEvent(QMouseEvent* AEvent) override;
  void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
  void mouseReleaseEvent(QMouseEvent* AEvent) override;
  void mouseMoveEvent(QMouseEvent* AEvent) override;
  void keyPressEvent(QKeyEvent* AEvent) override;
  void keyReleaseEvent(QKeyEvent* AEvent) override;
  void focusInEvent(QFocusEvent* AEvent) override;
  void focusOutEvent(QFocusEvent* AEvent) override;
  void contextMenuEvent(QContextMenuEvent* AEvent) override;

private:
  void UpdateScrollRange();

  TListRowGridClient& FClient;
  std::vector<int> FColWidths{1};
  int FRowHeight = 15;
  int FRowCount = 1;
  int FRow = 0;
  bool FCellPainting = false;
};
