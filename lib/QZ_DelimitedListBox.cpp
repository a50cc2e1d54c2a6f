#include "QZ_DelimitedListBox.h"

#include "GeneralError.h"
#include "QZ_FindDialog.h"
#include "QZ_PaletteColor.h"
#include "QZ_ReadableColor.h"
#include "TextCompare.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStandardItemModel>
#include <algorithm>

namespace {

const QString kEllipsis = QStringLiteral("...");
const QString kTooNarrow = QStringLiteral("+");
const QString kLineBreak = QStringLiteral("\r\n");

// Room reserved for a copied text before it grows.
constexpr qsizetype kCopyBufferSize = 8096;
// The margin a cell's text must leave before it is shortened.
constexpr int kShortenMargin = 10;
// Indicator box width when there is no image list.
constexpr int kDefaultIndicatorWidth = 16;

// Runs the work of an input event; an error escaping it goes to the general
// error report, and the event is abandoned.
template <typename TWork>
void RunGuarded(TWork&& AWork) {
  try {
    AWork();
  } catch (const std::exception& error) {
    ShowGeneralError(error);
  }
}

Qt::Alignment HeaderAlignment(TDelimitedListModel::TAlignment AAlignment) {
  switch (AAlignment) {
    case TDelimitedListModel::taRightJustify:
      return Qt::AlignRight | Qt::AlignVCenter;
    case TDelimitedListModel::taCenter:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case TDelimitedListModel::taLeftJustify:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

TDelimitedListBox::TShiftState ShiftOf(Qt::KeyboardModifiers AModifiers, Qt::MouseButtons AButtons) {
  TDelimitedListBox::TShiftState shift = 0;
  if (AModifiers & Qt::ShiftModifier) shift |= TDelimitedListBox::ssShift;
  if (AModifiers & Qt::AltModifier) shift |= TDelimitedListBox::ssAlt;
  if (AModifiers & Qt::ControlModifier) shift |= TDelimitedListBox::ssCtrl;
  if (AButtons & Qt::LeftButton) shift |= TDelimitedListBox::ssLeft;
  if (AButtons & Qt::RightButton) shift |= TDelimitedListBox::ssRight;
  if (AButtons & Qt::MiddleButton) shift |= TDelimitedListBox::ssMiddle;
  return shift;
}

TDelimitedListBox::TMouseButton ButtonOf(Qt::MouseButton AButton) {
  if (AButton == Qt::RightButton) return TDelimitedListBox::mbRight;
  if (AButton == Qt::MiddleButton) return TDelimitedListBox::mbMiddle;
  return TDelimitedListBox::mbLeft;
}

// Focus changes inside the window, as opposed to the window being
// (de)activated or a popup menu taking the keyboard for a while.
bool IsFocusChangeWithinWindow(Qt::FocusReason AReason) {
  return AReason != Qt::ActiveWindowFocusReason && AReason != Qt::PopupFocusReason;
}

// Removes the last character; a surrogate pair goes as a whole, so no half
// of a character is ever measured or written.
void RemoveLastCharacter(QString& AText) {
  const qsizetype size = AText.size();
  if (size >= 2 && AText.at(size - 1).isLowSurrogate() && AText.at(size - 2).isHighSurrogate()) {
    AText.chop(2);
  } else {
    AText.chop(1);
  }
}

int MenuTag(const QAction* AAction) {
  bool isNumber = false;
  const int tag = AAction->data().toInt(&isNumber);
  return isNumber ? tag : 0;
}

}  // namespace

TDelimitedListBox::TDelimitedListBox(QWidget* AParent)
    : QFrame(AParent),
      FHeaderModel(new QStandardItemModel(this)),
      FHeader(new QHeaderView(Qt::Horizontal, this)),
      FGrid(new TListRowGrid(*this, this)),
      FFindDialog(new TFindDialog(this)) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);

  FHeader->setModel(FHeaderModel);
  FHeader->setSectionsClickable(true);
  FHeader->setHighlightSections(false);
  FHeader->setSortIndicatorShown(false);
  FHeader->setStretchLastSection(false);
  FHeader->setMinimumSectionSize(0);
  FHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  FHeader->setFocusPolicy(Qt::NoFocus);
  FHeader->installEventFilter(this);
  connect(FHeader, &QHeaderView::sectionResized, this, [this](int ASection, int, int ANewWidth) {
    RunGuarded([&] { SectionResizedByUser(ASection, ANewWidth); });
  });
  connect(FHeader, &QHeaderView::sectionClicked, this, [this](int ASection) {
    if (FHeaderHooked) RunGuarded([&] { HeaderSectionClick(ASection); });
  });

  FFindDialog->SetDown(true);
  FFindDialog->SetMatchCaseHidden(true);
  FFindDialog->SetWholeWordHidden(true);
  connect(FFindDialog, &TFindDialog::FindNext, this, [this] { RunGuarded([this] { FindDialogFind(); }); });

  resize(200, 100);
  LayoutChildren();
}

TDelimitedListBox::~TDelimitedListBox() {
  // The children call back into this object: end them while it is whole.
  FHeader->removeEventFilter(this);
  disconnect(FHeader, nullptr, this, nullptr);
  delete FFindDialog;
  delete FGrid;
  delete FHeader;
}

// ---------------------------------------------------------------- view settings

int TDelimitedListBox::RowHeight() const { return FGrid->RowHeight(); }

void TDelimitedListBox::SetRowHeight(int AHeight) { FGrid->SetRowHeight(AHeight); }

void TDelimitedListBox::SetHeaderHeight(int AHeight) {
  FHeaderHeight = std::max(AHeight, 0);
  LayoutChildren();
}

QFont TDelimitedListBox::HeaderFont() const { return FHeader->font(); }

void TDelimitedListBox::SetHeaderFont(const QFont& AFont) { FHeader->setFont(AFont); }

void TDelimitedListBox::SetHeaderVisible(bool AVisible) {
  if (AVisible == FHeaderVisible) return;
  FHeaderVisible = AVisible;
  LayoutChildren();
}

void TDelimitedListBox::SetColor(TColor AColor) {
  TDelimitedListModel::SetColor(AColor);
  FGrid->viewport()->update();
}

void TDelimitedListBox::LayoutChildren() {
  const QRect area = contentsRect();
  int gridTop = area.top();
  FHeader->setVisible(FHeaderVisible);
  if (FHeaderVisible) {
    FHeader->setGeometry(area.left(), area.top(), area.width(), FHeaderHeight);
    gridTop += FHeaderHeight;
  }
  FGrid->setGeometry(area.left(), gridTop, area.width(), std::max(area.bottom() + 1 - gridTop, 0));
}

void TDelimitedListBox::resizeEvent(QResizeEvent* AEvent) {
  QFrame::resizeEvent(AEvent);
  LayoutChildren();
}

bool TDelimitedListBox::eventFilter(QObject* AWatched, QEvent* AEvent) {
  if (AWatched == FHeader && AEvent->type() == QEvent::Resize && FHeaderHooked) {
    RunGuarded([this] { HeaderResize(); });
  }
  return QFrame::eventFilter(AWatched, AEvent);
}

// ---------------------------------------------------------------- view state

int TDelimitedListBox::TopRow() const { return FGrid->TopRow(); }

int TDelimitedListBox::VisibleRowCount() const { return FGrid->VisibleRowCount(); }

bool TDelimitedListBox::Focused() const { return FGrid->hasFocus(); }

void TDelimitedListBox::SetFocus() { FGrid->setFocus(Qt::OtherFocusReason); }

void TDelimitedListBox::Invalidate() {
  update();
  SyncColumnWidths();
  FGrid->viewport()->update();
}

void TDelimitedListBox::Update() {
  repaint();
  SyncColumnWidths();
  FGrid->viewport()->repaint();
}

// ---------------------------------------------------------------- colours

QColor TDelimitedListBox::ResolveColor(TColor AColor) const { return ::ResolveColor(AColor, palette()); }

TColor TDelimitedListBox::ContrastColor(TColor AColor) const {
  const QColor color = ResolveColor(AColor);
  const double brightness = 0.3 * color.red() + 0.59 * color.green() + 0.11 * color.blue();
  return brightness > 127.5 ? clBlack : RGBColor(255, 255, 255);
}

// ---------------------------------------------------------------- model hooks

void TDelimitedListBox::Loaded() {
  if (IsLoaded()) return;
  FCanvasFont = font();
  FCanvasFont.setFamily(FontName());
  FCanvasFont.setPointSize(std::max(FontSize(), 1));
  TDelimitedListModel::Loaded();
  FGrid->SetCellPainting(true);
}

void TDelimitedListBox::RepaintRows() { FGrid->viewport()->update(); }

void TDelimitedListBox::CellTableChanged() {
  FGrid->SetRowCount(std::max(CellTableRows(), 1));
  FGrid->SetRow(CurrentRow());
  FGrid->viewport()->update();
}

void TDelimitedListBox::CurrentRowChanged() { FGrid->SetRow(CurrentRow()); }

void TDelimitedListBox::HeaderSectionsChanged() {
  const QScopedValueRollback<int> applying(FApplyingSections, FApplyingSections + 1);
  FHeaderModel->setColumnCount(ColCount());
  for (int index = 0; index < ColCount(); ++index) {
    const THeaderSection& section = HeaderSection(index);
    FHeaderModel->setHeaderData(index, Qt::Horizontal, section.Text, Qt::DisplayRole);
    FHeaderModel->setHeaderData(index, Qt::Horizontal, int(HeaderAlignment(section.Alignment)),
                                Qt::TextAlignmentRole);
    FHeader->resizeSection(index, section.Width);
    FHeader->setSectionResizeMode(
        index, section.MinWidth >= section.MaxWidth ? QHeaderView::Fixed : QHeaderView::Interactive);
  }
  // Widths set by code reach the grid as well as dragged ones do.
  if (FHeaderHooked) {
    SyncColumnWidths();
    FGrid->viewport()->update();
  }
}

void TDelimitedListBox::HookHeaderEvents() {
  FHeaderHooked = true;
  FGrid->SetColCount(CellTableColumns());
  SyncColumnWidths();
}

void TDelimitedListBox::FocusGrid() { FGrid->setFocus(Qt::OtherFocusReason); }

void TDelimitedListBox::ScrollToTopRow(int ARow) { FGrid->SetTopRow(ARow); }

void TDelimitedListBox::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void TDelimitedListBox::EndWaitCursor() { QApplication::restoreOverrideCursor(); }

// Repaints before a sort; input waits, so a queued click cannot start a
// second sort inside this one.
void TDelimitedListBox::ProcessPendingMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---------------------------------------------------------------- header

void TDelimitedListBox::SyncColumnWidths() {
  if (ColCount() != CellTableColumns()) return;
  for (int index = 0; index < ColCount(); ++index) {
    FGrid->SetColWidth(index, HeaderSection(index).Width);
  }
}

void TDelimitedListBox::SetSectionWidth(int ASectionIndex, int AWidth) {
  THeaderSection section = HeaderSection(ASectionIndex);
  section.Width = AWidth;
  SetHeaderSection(ASectionIndex, section);
}

// The user dragged a section edge (or the strip resized a section): the
// section keeps within its limits and the grid follows once hooked.
void TDelimitedListBox::SectionResizedByUser(int ASectionIndex, int ANewWidth) {
  if (FApplyingSections > 0 || ASectionIndex < 0 || ASectionIndex >= ColCount()) return;
  const THeaderSection& section = HeaderSection(ASectionIndex);
  const int width = std::clamp(ANewWidth, section.MinWidth, std::max(section.MinWidth, section.MaxWidth));
  SetSectionWidth(ASectionIndex, width);
  if (FHeaderHooked) HeaderSectionResize(ASectionIndex);
}

void TDelimitedListBox::HeaderSectionResize(int ASectionIndex) {
  if (ASectionIndex < 0 || ASectionIndex >= ColCount()) return;
  const int width = HeaderSection(ASectionIndex).Width;
  FGrid->SetColWidth(ASectionIndex, width);
  if (ASectionIndex == 0 && Indicators() && FIndicatorImages) {
    const int widthWithImage = std::max(width, FIndicatorImages->Width() + 5);
    FGrid->SetColWidth(0, widthWithImage);
    SetSectionWidth(0, widthWithImage);
  }
  HeaderResize();
}

void TDelimitedListBox::HeaderResize() { FGrid->viewport()->update(); }

// ---------------------------------------------------------------- painting

QColor TDelimitedListBox::GridBackground() const { return ResolveColor(Color()); }

void TDelimitedListBox::GridDrawCell(QPainter& ACanvas, int ACol, int ARow, const QRect& ARect,
                                     TGridDrawState AState) {
  if (ColCount() != CellTableColumns()) return;

  const std::uint32_t mark = RowMark(ARow);
  const int image = GetIndicatorImageIndex(ARow);
  TAlignment alignment = HeaderSection(ACol).Alignment;
  int indicatorWidth = 0;
  if (ACol == 0 && Indicators()) {
    alignment = taLeftJustify;  // column 0 is written behind the box
    indicatorWidth = FIndicatorImages ? FIndicatorImages->Width() : kDefaultIndicatorWidth;
  }

  TColumnFormats& format = GetColumnFormat(ACol);
  if (!format.FontName.isEmpty()) FCanvasFont.setFamily(format.FontName);
  FCanvasFont.setPointSize(std::max(format.FontSize, 6));

  const bool hasRows = RowCount() > 0;
  QString text = hasRows ? FieldText(ARow, ACol, kFieldAsPainted) : QString();
  format.GrowWidth(text.size());

  const bool selected =
      hasRows && (MultiSelect() ? (mark & kMarkMultiSelected) != 0 : (AState & gdSelected) != 0);
  const TColor background = selected ? HilightColor() : Color();
  const TColor textColor = selected ? ContrastColor(HilightColor()) : format.FontColor;

  FCanvasFont.setBold((format.FontStyles & TColumnFormats::fsBold) != 0);
  FCanvasFont.setItalic((format.FontStyles & TColumnFormats::fsItalic) != 0);
  FCanvasFont.setUnderline((format.FontStyles & TColumnFormats::fsUnderline) != 0);
  FCanvasFont.setStrikeOut((format.FontStyles & TColumnFormats::fsStrikeOut) != 0);
  ACanvas.setFont(FCanvasFont);
  // Format colours are meant for a light window; on a dark one they are
  // lightened where they would not read.
  ACanvas.setPen(ReadableTextColor(ResolveColor(textColor), ResolveColor(background)));
  ACanvas.fillRect(ARect, ResolveColor(background));

  const int left = ARect.x();
  const int top = ARect.y();
  const int right = left + ARect.width();
  const int bottom = top + ARect.height();
  const int textWidth = ShortenToFit(ACanvas.fontMetrics(), text, ARect.width(), indicatorWidth);

  if (Indicators() && ACol == 0 && hasRows) {
    const TColor box = (AState & gdSelected) != 0 ? HilightColor() : IndicatorColor();
    ACanvas.fillRect(QRect(left + 1, top + 1, indicatorWidth, bottom - 1 - (top + 1)), ResolveColor(box));
    if (FIndicatorImages && image != -1) FIndicatorImages->Draw(ACanvas, left + 2, top + 1, image);
  }

  bool defaultTextOut = true;
  if (OnDrawCell) OnDrawCell(ACanvas, ACol, ARow, ARect, text, AState, defaultTextOut);
  if (!defaultTextOut) return;

  int x = left + 6 + indicatorWidth;
  if (alignment == taRightJustify) {
    x = right - textWidth - 5;
  } else if (alignment == taCenter) {
    x = (right - left) / 2 + left - textWidth / 2 - 5;
  }
  CellTextOut(ACanvas, ACol, ARow, x, top + 1, text);
}

// Shortens a text that does not fit its cell with a 10-pixel margin: "..."
// follows what still fits, and "+" stands for a text of which too little
// would remain. Returns the width the alignment is computed with: the text's
// width plus the indicator box when it was not shortened, the shortened
// text's own width otherwise.
int TDelimitedListBox::ShortenToFit(const QFontMetrics& AMetrics, QString& AText, int AWidth,
                                    int AIndicatorWidth) const {
  int textWidth = AMetrics.horizontalAdvance(AText) + AIndicatorWidth;
  if (textWidth + kShortenMargin <= AWidth) return textWidth;
  const int ellipsisWidth = AMetrics.horizontalAdvance(kEllipsis) + AIndicatorWidth;
  while (AMetrics.horizontalAdvance(AText + kEllipsis) + 3 + AIndicatorWidth > AWidth) {
    RemoveLastCharacter(AText);
    textWidth = AMetrics.horizontalAdvance(AText);
    if (AText.size() < 2 || textWidth <= ellipsisWidth) {
      AText = kTooNarrow;
      break;
    }
  }
  if (AText != kTooNarrow) AText += kEllipsis;
  return AMetrics.horizontalAdvance(AText);
}

void TDelimitedListBox::CellTextOut(QPainter& ACanvas, int /*ACol*/, int /*ARow*/, int AX, int AY,
                                    const QString& AText) {
  ACanvas.drawText(AX, AY + ACanvas.fontMetrics().ascent(), AText);
}

// ---------------------------------------------------------------- mouse and keys

void TDelimitedListBox::MoveCurrentRowByUser(int ARow) {
  MoveCurrentRow(ARow);
  FGrid->SetRow(CurrentRow());
  FGrid->MakeRowVisible(CurrentRow());
  RepaintRows();
}

void TDelimitedListBox::GridMousePress(QMouseEvent& AEvent, bool ADoubleClick) {
  RunGuarded([&] {
    // The focus moves before the current row, so a control that loses the
    // focus still sees the row that was current.
    if (!FGrid->hasFocus()) FGrid->setFocus(Qt::MouseFocusReason);
    const QPoint at = AEvent.position().toPoint();
    const TMouseButton button = ButtonOf(AEvent.button());
    TShiftState shift = ShiftOf(AEvent.modifiers(), AEvent.buttons());
    if (ADoubleClick) shift |= ssDouble;
    FLeftPressOnRow = false;
    if (button == mbLeft) {
      const int row = FGrid->RowAt(at.y());
      if (row >= 0 && row < RowCount()) {
        MoveCurrentRowByUser(row);
        // The release of a double click clicks no more: a double-click
        // handler may have moved the focus on purpose.
        FLeftPressOnRow = !ADoubleClick;
      }
    }
    GridMouseDown(button, shift, at.x(), at.y());
    if (ADoubleClick && button == mbLeft && OnDblClick) OnDblClick(this);
  });
}

void TDelimitedListBox::GridMouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) {
  if (MultiSelect()) ApplyMultiSelectPress(AShift);
  RepaintRows();
  if (OnMouseDown) OnMouseDown(this, AButton, AShift, X, Y);
}

// Plain press: the current row alone, and the new range anchor. Shift: the
// rows from the anchor to the current row (a selection of two or more rows
// starts afresh instead). Ctrl: the current row toggles. Both: nothing.
void TDelimitedListBox::ApplyMultiSelectPress(TShiftState AShift) {
  const bool shift = (AShift & ssShift) != 0;
  const bool ctrl = (AShift & ssCtrl) != 0;
  const int row = CurrentRow();
  if (shift && ctrl) return;
  if (shift && MultiSelection().size() < 2) {
    const int last = std::min(std::max(RangeAnchor(), row), RowCount() - 1);
    for (int index = std::min(RangeAnchor(), row); index <= last; ++index) AddToMultiSelection(index);
    return;
  }
  if (ctrl) {
    if ((RowMark(row) & kMarkMultiSelected) != 0) {
      RemoveFromMultiSelection(row);
    } else {
      AddToMultiSelection(row);
    }
    return;
  }
  ClearMultiSelection();
  SetRangeAnchor(row);
  AddToMultiSelection(row);
}

void TDelimitedListBox::GridMouseRelease(QMouseEvent& AEvent) {
  RunGuarded([&] {
    const QPoint at = AEvent.position().toPoint();
    const TMouseButton button = ButtonOf(AEvent.button());
    const bool clicked =
        button == mbLeft && FLeftPressOnRow && FGrid->viewport()->rect().contains(at);
    if (button == mbLeft) FLeftPressOnRow = false;
    if (clicked && OnClick) OnClick(this);
    if (OnMouseUp) OnMouseUp(this, button, ShiftOf(AEvent.modifiers(), AEvent.buttons()), at.x(), at.y());
  });
}

void TDelimitedListBox::GridMouseMove(QMouseEvent& AEvent) {
  if (!OnMouseMove) return;
  RunGuarded([&] {
    const QPoint at = AEvent.position().toPoint();
    OnMouseMove(this, ShiftOf(AEvent.modifiers(), AEvent.buttons()), at.x(), at.y());
  });
}

void TDelimitedListBox::GridKeyPress(QKeyEvent& AEvent) {
  AEvent.ignore();
  RunGuarded([&] {
    int key = AEvent.key();
    if (OnKeyDown) OnKeyDown(this, key, ShiftOf(AEvent.modifiers(), QGuiApplication::mouseButtons()));
    if (key == 0) {
      AEvent.accept();  // swallowed by the handler
    } else if (const int target = FGrid->NavigationTarget(key); target >= 0) {
      AEvent.accept();
      if (RowCount() > 0 && target != CurrentRow()) {
        MoveCurrentRowByUser(target);
        if (OnClick) OnClick(this);
      }
    }
    if (OnKeyPress) {
      for (QChar typed : AEvent.text()) OnKeyPress(this, typed);
    }
  });
}

void TDelimitedListBox::GridKeyRelease(QKeyEvent& AEvent) {
  AEvent.ignore();
  if (AEvent.isAutoRepeat() || !OnKeyUp) return;
  RunGuarded([&] {
    int key = AEvent.key();
    OnKeyUp(this, key, ShiftOf(AEvent.modifiers(), QGuiApplication::mouseButtons()));
    if (key == 0) AEvent.accept();
  });
}

void TDelimitedListBox::GridFocusIn(Qt::FocusReason AReason) {
  if (!IsFocusChangeWithinWindow(AReason) || !OnEnter) return;
  RunGuarded([this] { OnEnter(this); });
}

void TDelimitedListBox::GridFocusOut(Qt::FocusReason AReason) {
  if (!IsFocusChangeWithinWindow(AReason)) return;
  RunGuarded([this] {
    FindDialogClose();
    if (OnExit) OnExit(this);
  });
}

// ---------------------------------------------------------------- context menu

void TDelimitedListBox::GridContextMenu(QContextMenuEvent& AEvent) {
  AEvent.accept();
  RunGuarded([&] {
    bool handled = false;
    GridContextPopup(AEvent.pos(), handled);
    if (!handled && FPopupMenu) FPopupMenu->popup(AEvent.globalPos());
  });
}

void TDelimitedListBox::GridContextPopup(const QPoint& AMousePos, bool& AHandled) {
  if (OnContextPopup) {
    OnContextPopup(this, AMousePos, AHandled);
    return;
  }
  if (!FPopupMenu) return;
  if (!AutomaticPopup()) {
    const QList<QAction*> actions = FPopupMenu->actions();
    for (auto action = actions.crbegin(); action != actions.crend(); ++action) {
      const int tag = MenuTag(*action);
      if (tag < kTagSeparator || tag > kTagCopyComma) continue;
      FPopupMenu->removeAction(*action);
      if ((*action)->parent() == FPopupMenu) delete *action;
    }
    return;
  }
  AddAutomaticMenuItems();
}

// Appends each copy command the menu lacks, behind the caller's own items.
void TDelimitedListBox::AddAutomaticMenuItems() {
  bool present[4] = {false, false, false, false};
  for (const QAction* action : FPopupMenu->actions()) {
    const int tag = MenuTag(action);
    if (tag >= kTagSeparator && tag <= kTagCopyComma) present[tag - kTagSeparator] = true;
  }
  struct TCommand {
    int Tag;
    const char* Caption;
    void (TDelimitedListBox::*Run)();
  };
  static constexpr TCommand kCommands[] = {
      {kTagCopySelected, "Copy Selected Row to Clipboard", &TDelimitedListBox::CopyToClipboardSelected},
      {kTagCopyFixed, "Copy Rows to Clipboard (Fixed Length)", &TDelimitedListBox::CopyToClipboardFixed},
      {kTagCopyComma, "Copy Rows to Clipboard (Comma Delimited)", &TDelimitedListBox::CopyToClipboardComma},
  };
  if (!present[0]) FPopupMenu->addSeparator()->setData(kTagSeparator);
  for (const TCommand& command : kCommands) {
    if (present[command.Tag - kTagSeparator]) continue;
    QAction* item = FPopupMenu->addAction(QString::fromLatin1(command.Caption));
    item->setData(command.Tag);
    connect(item, &QAction::triggered, this, [this, run = command.Run] { RunGuarded([&] { (this->*run)(); }); });
  }
}

// ---------------------------------------------------------------- clipboard

void TDelimitedListBox::PutOnClipboard(const QString& AText) const {
  QGuiApplication::clipboard()->setText(AText);
}

void TDelimitedListBox::CopyToClipboardComma() {
  QString text;
  text.reserve(kCopyBufferSize);
  const int columns = ColCount();
  for (int row = 0; row < RowCount(); ++row) {
    for (int col = 0; col < columns; ++col) {
      text += u'"';
      text += FieldText(row, col, kFieldAsSearched);
      text += u'"';
      if (col < columns - 1) text += u',';
    }
    text += kLineBreak;
  }
  PutOnClipboard(text);
}

// A column is as wide as its widest text plus one. The widest text counts
// formatted numbers and dates as well, which may be longer than any stored
// text of rows never painted; so no two fields ever run together.
void TDelimitedListBox::CopyToClipboardFixed() {
  std::vector<qsizetype> widths;
  for (int col = 0; col < ColCount(); ++col) {
    qsizetype width = GetColumnFormat(col).Width();
    for (int row = 0; row < RowCount(); ++row) {
      width = std::max(width, FieldText(row, col, kFieldAsPainted).size());
    }
    widths.push_back(width);
  }
  QString text;
  text.reserve(kCopyBufferSize);
  for (int row = 0; row < RowCount(); ++row) {
    for (int col = 0; col < ColCount(); ++col) {
      const QString field = FieldText(row, col, kFieldAsPainted);
      text += field;
      text += QString(widths[std::size_t(col)] - field.size() + 1, u' ');
    }
    text += kLineBreak;
  }
  PutOnClipboard(text);
}

void TDelimitedListBox::CopyToClipboardSelected() {
  if (RowCount() == 0) return;
  QString text;
  text.reserve(kCopyBufferSize);
  const int row = ItemIndex();
  for (int col = 0; col < ColCount(); ++col) {
    text += FieldText(row, col, kFieldAsSelected);
    text += u' ';
  }
  PutOnClipboard(text);
}

// ---------------------------------------------------------------- find

void TDelimitedListBox::FindDialogExecute() {
  SetFindPosition(std::max(ItemIndex(), 0));
  FFindDialog->Execute();
  FocusGrid();
}

void TDelimitedListBox::FindDialogClose() { FFindDialog->CloseDialog(); }

bool TDelimitedListBox::RowMatchesFindText(int ARow, const QString& AUpperFindText) const {
  return !AUpperFindText.isEmpty() && UpperAscii(Items().Strings(ARow)).contains(AUpperFindText);
}

// After a miss the find position stays where the search ran out: the last
// row going down, -1 going up. A find position left past the end by rows
// removed since is brought back into the list before searching up.
void TDelimitedListBox::FindDialogFind() {
  const int rows = RowCount();
  int found = -1;
  if (rows > 0) {
    const QString wanted = UpperAscii(FFindDialog->FindText());
    if (FFindDialog->Down()) {
      const int from = std::min(FindPosition() + 1, rows - 1);
      SetFindPosition(rows - 1);
      for (int row = from; row < rows && found < 0; ++row) {
        if (RowMatchesFindText(row, wanted)) found = row;
      }
    } else {
      const int from = std::min(std::max(FindPosition() - 1, -1), rows - 1);
      SetFindPosition(-1);
      for (int row = from; row >= 0 && found < 0; --row) {
        if (RowMatchesFindText(row, wanted)) found = row;
      }
    }
    if (found >= 0) SetFindPosition(found);
  }
  FocusGrid();
  if (found >= 0) SetItemIndex(found);
}
