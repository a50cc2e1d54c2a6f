#include "QZ_ListRowGrid.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

TListRowGrid::TListRowGrid(TListRowGridClient& AClient, QWidget* AParent)
    : QAbstractScrollArea(AParent), FClient(AClient) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalScrollBar()->setTracking(true);  // the rows follow the thumb while it is dragged
  verticalScrollBar()->setSingleStep(1);
  viewport()->setMouseTracking(true);
  // The client paints every pixel of the viewport.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  UpdateScrollRange();
}

void TListRowGrid::SetColCount(int ACount) {
  FColWidths.resize(std::size_t(std::max(ACount, 0)), 1);
  viewport()->update();
}

int TListRowGrid::ColWidth(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) return 0;
  return FColWidths[std::size_t(ACol)];
}

void TListRowGrid::SetColWidth(int ACol, int AWidth) {
  if (ACol < 0 || ACol >= ColCount()) return;
  FColWidths[std::size_t(ACol)] = std::max(AWidth, 0);
  viewport()->update();
}

void TListRowGrid::SetRowHeight(int AHeight) {
  FRowHeight = std::max(AHeight, 1);
  UpdateScrollRange();
  viewport()->update();
}

void TListRowGrid::SetRowCount(int ACount) {
  FRowCount = std::max(ACount, 1);
  if (FRow >= FRowCount) FRow = FRowCount - 1;
  UpdateScrollRange();
  viewport()->update();
}

void TListRowGrid::SetRow(int ARow) {
  const int row = std::clamp(ARow, 0, FRowCount - 1);
  if (row == FRow) return;
  FRow = row;
  viewport()->update();
}

int TListRowGrid::TopRow() const { return verticalScrollBar()->value(); }

void TListRowGrid::SetTopRow(int ARow) { verticalScrollBar()->setValue(ARow); }

int TListRowGrid::VisibleRowCount() const { return viewport()->height() / FRowHeight; }

void TListRowGrid::MakeRowVisible(int ARow) {
  const int visible = std::max(VisibleRowCount(), 1);
  if (ARow < TopRow()) {
    SetTopRow(ARow);
  } else if (ARow >= TopRow() + visible) {
    SetTopRow(ARow - visible + 1);
  }
}

void TListRowGrid::SetCellPainting(bool AOn) {
  FCellPainting = AOn;
  viewport()->update();
}

int TListRowGrid::RowAt(int AY) const {
  if (AY < 0) return -1;
  const int row = TopRow() + AY / FRowHeight;
  return row < FRowCount ? row : -1;
}

QRect TListRowGrid::CellRect(int ACol, int ARow) const {
  int left = 0;
  for (int col = 0; col < ACol && col < ColCount(); ++col) left += FColWidths[std::size_t(col)];
  return QRect(left, (ARow - TopRow()) * FRowHeight, ColWidth(ACol), FRowHeight);
}

int TListRowGrid::NavigationTarget(int AKey) const {
  const int last = FRowCount - 1;
  const int page = std::max(VisibleRowCount(), 1);
  switch (AKey) {
    case Qt::Key_Up:
      return std::max(FRow - 1, 0);
    case Qt::Key_Down:
      return std::min(FRow + 1, last);
    case Qt::Key_PageUp:
      return std::max(FRow - page, 0);
    case Qt::Key_PageDown:
      return std::min(FRow + page, last);
    case Qt::Key_Home:
      return 0;
    case Qt::Key_End:
      return last;
    default:
      return -1;
  }
}

void TListRowGrid::UpdateScrollRange() {
  const int visible = VisibleRowCount();
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(FRowCount - visible, 0));
  bar->setPageStep(std::max(visible, 1));
}

void TListRowGrid::paintEvent(QPaintEvent* AEvent) {
  QPainter canvas(viewport());
  canvas.fillRect(AEvent->rect(), FClient.GridBackground());
  if (!FCellPainting) return;
  const int width = viewport()->width();
  const int height = viewport()->height();
  const int top = TopRow();
  for (int row = top; row < FRowCount; ++row) {
    const int y = (row - top) * FRowHeight;
    if (y >= height) break;
    int x = 0;
    for (int col = 0; col < ColCount() && x < width; ++col) {
      const QRect cell(x, y, FColWidths[std::size_t(col)], FRowHeight);
      x += cell.width();
      if (cell.isEmpty() || !cell.intersects(AEvent->rect())) continue;
      TGridDrawState state = 0;
      if (row == FRow) {
        state |= gdSelected | gdRowSelected;
        if (col == 0 && hasFocus()) state |= gdFocused;
      }
      canvas.save();
      canvas.setClipRect(cell);
      FClient.GridDrawCell(canvas, col, row, cell, state);
      canvas.restore();
    }
  }
}

void TListRowGrid::resizeEvent(QResizeEvent* AEvent) {
  QAbstractScrollArea::resizeEvent(AEvent);
  UpdateScrollRange();
}

void TListRowGrid::scrollContentsBy(int /*ADx*/, int /*ADy*/) { viewport()->update(); }

void TListRowGrid::mousePressEvent(QMouseEvent* AEvent) { FClient.GridMousePress(*AEvent, false); }

void TListRowGrid::mouseDoubleClickEvent(QMouseEvent* AEvent) { FClient.GridMousePress(*AEvent, true); }

void TListRowGrid::mouseReleaseEvent(QMouseEvent* AEvent) { FClient.GridMouseRelease(*AEvent); }

void TListRowGrid::mouseMoveEvent(QMouseEvent* AEvent) { FClient.GridMouseMove(*AEvent); }

void TListRowGrid::keyPressEvent(QKeyEvent* AEvent) { FClient.GridKeyPress(*AEvent); }

void TListRowGrid::keyReleaseEvent(QKeyEvent* AEvent) { FClient.GridKeyRelease(*AEvent); }

void TListRowGrid::focusInEvent(QFocusEvent* AEvent) {
  QAbstractScrollArea::focusInEvent(AEvent);
  viewport()->update();
  FClient.GridFocusIn(AEvent->reason());
}

void TListRowGrid::focusOutEvent(QFocusEvent* AEvent) {
  QAbstractScrollArea::focusOutEvent(AEvent);
  viewport()->update();
  FClient.GridFocusOut(AEvent->reason());
}

void TListRowGrid::contextMenuEvent(QContextMenuEvent* AEvent) { FClient.GridContextMenu(*AEvent); }
