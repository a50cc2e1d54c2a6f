#pragma once

#include <QStringList>
#include <QTableWidget>

class QAction;

// A two-column grid of key/value rows.
//
// Column 0 holds the keys, column 1 the values; the header shows the column
// titles when titles are set and is hidden otherwise. When editable, the user
// edits keys and values in place and adds rows (Insert, Down on the last row,
// context menu) and deletes them (Ctrl+Delete, context menu). Rows are also
// exchanged as "key=value" lines, so a key may not contain "="; with unique
// keys on, a key equal (without regard to case) to another row's key is
// refused. A refused edit puts the old key back and is reported through the
// program's general error report. Line breaks typed or pasted into a cell
// become blanks. Rows given by the program are taken as they are.
class TValueListEditor : public QTableWidget {
  Q_OBJECT

public:
  static constexpr int KeyColumn = 0;
  static constexpr int ValueColumn = 1;

  explicit TValueListEditor(QWidget* AParent = nullptr);

  // Sets the column titles and shows them; SetTitlesVisible(false) hides them.
  void SetTitles(const QString& AKeyTitle, const QString& AValueTitle);
  void SetTitlesVisible(bool AVisible);

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AReadOnly);
  bool UniqueKeys() const { return FUniqueKeys; }
  void SetUniqueKeys(bool AUnique) { FUniqueKeys = AUnique; }

  int RowCount() const { return rowCount(); }
  QString Key(int ARow) const;
  QString Value(int ARow) const;
  void SetValue(int ARow, const QString& AValue);
  // The first row whose key equals the key without regard to case, or -1.
  int FindRow(const QString& AKey) const;

  // Appends a row and returns its index.
  int AppendRow(const QString& AKey, const QString& AValue);
  // Inserts an empty row at the position (clamped to the rows present).
  void InsertBlankRow(int ARow);
  void DeleteRow(int ARow);
  void ClearRows();

  // Ends an edit in progress, keeping what was typed (subject to the key rules).
  void CommitPendingEdit();

  // The rows as "key=value" lines, in row order.
  QStringList Strings() const;
  // Replaces the rows by lines split at their first "=" (a line without one
  // is a key with an empty value).
  void SetStrings(const QStringList& ALines);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

private:
  void CellChanged(QTableWidgetItem* AItem);
  void AcceptKey(QTableWidgetItem* AItem);
  QString KeyRefusal(int ARow, const QString& AKey) const;
  void SetItemText(QTableWidgetItem* AItem, const QString& AText);
  void AddRowBelowCurrent();
  void DeleteCurrentRow();
  bool RowIsBlank(int ARow) const;

  bool FReadOnly = false;
  bool FUniqueKeys = true;
  int FProgramChange = 0;
  QAction* FAddRowAction;
  QAction* FDeleteRowAction;
};
