#include "QZ_ValueListEditor.h"

#include "GeneralError.h"
#include "TextCompare.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

namespace {

// The text a key cell had when it was last accepted, to put back a refused edit.
constexpr int AcceptedKeyRole = Qt::UserRole;

QString WithoutLineBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

}  // namespace

TValueListEditor::TValueListEditor(QWidget* AParent)
    : QTableWidget(0, 2, AParent),
      FAddRowAction(new QAction(QStringLiteral("Add Row"), this)),
      FDeleteRowAction(new QAction(QStringLiteral("Delete Row"), this)) {
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->hide();
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setSectionsClickable(false);
  setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
  setTabKeyNavigation(true);

  FAddRowAction->setShortcut(QKeySequence(Qt::Key_Insert));
  FDeleteRowAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
  connect(FAddRowAction, &QAction::triggered, this, &TValueListEditor::AddRowBelowCurrent);
  connect(FDeleteRowAction, &QAction::triggered, this, &TValueListEditor::DeleteCurrentRow);
  connect(this, &QTableWidget::itemChanged, this, &TValueListEditor::CellChanged);
}

void TValueListEditor::SetTitles(const QString& AKeyTitle, const QString& AValueTitle) {
  setHorizontalHeaderLabels({AKeyTitle, AValueTitle});
  SetTitlesVisible(true);
}

void TValueListEditor::SetTitlesVisible(bool AVisible) { horizontalHeader()->setVisible(AVisible); }

void TValueListEditor::SetReadOnly(bool AReadOnly) {
  FReadOnly = AReadOnly;
  setEditTriggers(AReadOnly ? NoEditTriggers : DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
}

QString TValueListEditor::Key(int ARow) const {
  const QTableWidgetItem* cell = item(ARow, KeyColumn);
  return cell != nullptr ? cell->text() : QString();
}

QString TValueListEditor::Value(int ARow) const {
  const QTableWidgetItem* cell = item(ARow, ValueColumn);
  return cell != nullptr ? cell->text() : QString();
}

void TValueListEditor::SetValue(int ARow, const QString& AValue) {
  if (QTableWidgetItem* cell = item(ARow, ValueColumn)) SetItemText(cell, AValue);
}

int TValueListEditor::FindRow(const QString& AKey) const {
  for (int row = 0; row < rowCount(); ++row) {
    if (CompareTextLocale(Key(row), AKey) == 0) return row;
  }
  return -1;
}

int TValueListEditor::AppendRow(const QString& AKey, const QString& AValue) {
  const int row = rowCount();
  InsertBlankRow(row);
  SetItemText(item(row, KeyColumn), AKey);
  SetItemText(item(row, ValueColumn), AValue);
  return row;
}

void TValueListEditor::InsertBlankRow(int ARow) {
  const int row = std::clamp(ARow, 0, rowCount());
  ++FProgramChange;
  insertRow(row);
  auto* key = new QTableWidgetItem;
  key->setData(AcceptedKeyRole, QString());
  setItem(row, KeyColumn, key);
  setItem(row, ValueColumn, new QTableWidgetItem);
  --FProgramChange;
}

void TValueListEditor::DeleteRow(int ARow) {
  if (ARow >= 0 && ARow < rowCount()) removeRow(ARow);
}

void TValueListEditor::ClearRows() { setRowCount(0); }

void TValueListEditor::CommitPendingEdit() {
  if (state() != EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

QStringList TValueListEditor::Strings() const {
  QStringList lines;
  for (int row = 0; row < rowCount(); ++row) lines.append(Key(row) + QLatin1Char('=') + Value(row));
  return lines;
}

void TValueListEditor::SetStrings(const QStringList& ALines) {
  ClearRows();
  for (const QString& line : ALines) {
    const qsizetype at = line.indexOf(QLatin1Char('='));
    AppendRow(at < 0 ? line : line.left(at), at < 0 ? QString() : line.mid(at + 1));
  }
}

void TValueListEditor::keyPressEvent(QKeyEvent* event) {
  if (!FReadOnly && state() != EditingState) {
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (event->key() == Qt::Key_Insert && plain) {
      AddRowBelowCurrent();
      return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
      DeleteCurrentRow();
      return;
    }
    const int last = rowCount() - 1;
    if (event->key() == Qt::Key_Down && plain && currentRow() == last && (last < 0 || !RowIsBlank(last))) {
      InsertBlankRow(last + 1);
      setCurrentCell(last + 1, KeyColumn);
      return;
    }
  }
  QTableWidget::keyPressEvent(event);
}

void TValueListEditor::contextMenuEvent(QContextMenuEvent* event) {
  if (FReadOnly) return;
  FDeleteRowAction->setEnabled(currentRow() >= 0);
  QMenu menu(this);
  menu.addAction(FAddRowAction);
  menu.addAction(FDeleteRowAction);
  menu.exec(event->globalPos());
}

void TValueListEditor::CellChanged(QTableWidgetItem* AItem) {
  if (FProgramChange > 0) return;
  const QString text = WithoutLineBreaks(AItem->text());
  if (text != AItem->text()) SetItemText(AItem, text);
  if (AItem->column() == KeyColumn) AcceptKey(AItem);
}

void TValueListEditor::AcceptKey(QTableWidgetItem* AItem) {
  const QString accepted = AItem->data(AcceptedKeyRole).toString();
  if (AItem->text() == accepted) return;
  const QString refusal = KeyRefusal(AItem->row(), AItem->text());
  if (refusal.isEmpty()) {
    SetItemText(AItem, AItem->text());
    return;
  }
  SetItemText(AItem, accepted);
  // Reported once the edit has finished, so a message box never opens
  // while the cell editor is still committing.
  QMetaObject::invokeMethod(this, [refusal] { ShowGeneralError(refusal); }, Qt::QueuedConnection);
}

QString TValueListEditor::KeyRefusal(int ARow, const QString& AKey) const {
  if (AKey.contains(QLatin1Char('='))) return QStringLiteral("A key may not contain \"=\": %1").arg(AKey);
  if (!FUniqueKeys || AKey.isEmpty()) return {};
  for (int row = 0; row < rowCount(); ++row) {
    if (row != ARow && CompareTextLocale(Key(row), AKey) == 0) {
      return QStringLiteral("A row with the key \"%1\" already exists.").arg(AKey);
    }
  }
  return {};
}

void TValueListEditor::SetItemText(QTableWidgetItem* AItem, const QString& AText) {
  ++FProgramChange;
  AItem->setText(AText);
  if (AItem->column() == KeyColumn) AItem->setData(AcceptedKeyRole, AText);
  --FProgramChange;
}

void TValueListEditor::AddRowBelowCurrent() {
  const int row = currentRow() < 0 ? rowCount() : currentRow() + 1;
  InsertBlankRow(row);
  setCurrentCell(row, KeyColumn);
}

void TValueListEditor::DeleteCurrentRow() { DeleteRow(currentRow()); }

bool TValueListEditor::RowIsBlank(int ARow) const { return Key(ARow).isEmpty() && Value(ARow).isEmpty(); }
