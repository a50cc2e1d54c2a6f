#pragma once

#include "QZ_DelimitedListModel.h"

#include <QString>
#include <QStringList>
#include <memory>

// A list model whose view hooks write what happened into a log.
class TRecordingList : public TDelimitedListModel {
public:
  QStringList Log;
  int CellTableChanges = 0;
  int Top = 0;
  int Visible = 0;

  using TDelimitedListModel::ItemsChanged;

protected:
  void RepaintRows() override { Log << QStringLiteral("Repaint"); }
  void CellTableChanged() override { ++CellTableChanges; }
  void FocusGrid() override { Log << QStringLiteral("FocusGrid"); }
  int TopRow() const override { return Top; }
  int VisibleRowCount() const override { return Visible; }
  void ScrollToTopRow(int ARow) override {
    Log << QStringLiteral("ScrollTo %1").arg(ARow);
    Top = ARow;
  }
  void BeginWaitCursor() override { Log << QStringLiteral("WaitCursor"); }
  void EndWaitCursor() override { Log << QStringLiteral("DefaultCursor"); }
  void ProcessPendingMessages() override { Log << QStringLiteral("PendingMessages"); }
};

// An object attached to a row; it notes its own destruction.
class TRowTag : public TObject {
public:
  explicit TRowTag(QString AName, bool* ADestroyed = nullptr)
      : Name(std::move(AName)), FDestroyed(ADestroyed) {}
  ~TRowTag() override {
    if (FDestroyed) *FDestroyed = true;
  }
  QString Name;

private:
  bool* FDestroyed;
};

inline const QChar kThorn(u'\u00FE');

// The ten columns of the character list and its column-format text.
inline const char* const kCharacterCaptions[] = {"Name",    "Title", "Level",     "Sex",
                                                 "Class 1", "Class 2", "Iron", "Devotions",
                                                 "Difficulty", "Hardcore"};

inline QString CharacterFormatText() {
  const QStringList lines = {
      QStringLiteral("0þþTahomaþ8388608þ8þ1"), QStringLiteral("0þþTahomaþ0þ8þ1"),
      QStringLiteral("2þ0þCourier Newþ0þ9þ0"), QStringLiteral("0þþTahomaþ0þ8þ0"),
      QStringLiteral("0þþTahomaþ0þ8þ0"),       QStringLiteral("0þþTahomaþ0þ8þ0"),
      QStringLiteral("2þ0,þCourier Newþ0þ9þ0"), QStringLiteral("2þ0þCourier Newþ0þ9þ0"),
      QStringLiteral("0þþTahomaþ0þ8þ0"),       QStringLiteral("0þþTahomaþ0þ8þ0")};
  return lines.join(QStringLiteral("\r\n"));
}

// Sets up columns, delimiter and format text, then finishes loading.
template <typename TList = TRecordingList>
std::unique_ptr<TList> MakeList(int AColumns, QChar ADelimiter = QLatin1Char(';'),
                                const QString& AFormats = QString(), bool ATrim = false) {
  auto list = std::make_unique<TList>();
  list->SetDelimiter(ADelimiter);
  list->SetTrimStrings(ATrim);
  list->SetColumnFormatEditor(AFormats);
  for (int c = 0; c < AColumns; ++c) {
    list->AddHeaderSection({QStringLiteral("C%1").arg(c), 50, TDelimitedListModel::taLeftJustify});
  }
  list->Loaded();
  return list;
}

template <typename TList = TRecordingList>
std::unique_ptr<TList> MakeCharacterList() {
  auto list = std::make_unique<TList>();
  list->SetDelimiter(kThorn);
  list->SetColumnFormatEditor(CharacterFormatText());
  for (const char* caption : kCharacterCaptions) {
    list->AddHeaderSection({QString::fromLatin1(caption), 80, TDelimitedListModel::taLeftJustify});
  }
  list->Loaded();
  return list;
}

inline QStringList RowCells(const TDelimitedListModel& AList, int ARow) {
  QStringList cells;
  for (int c = 0; c < AList.ColCount(); ++c) cells << AList.GetRawField(ARow, c);
  return cells;
}

inline QStringList ColumnCells(const TDelimitedListModel& AList, int AColumn) {
  QStringList cells;
  for (int r = 0; r < AList.RowCount(); ++r) cells << AList.GetRawField(r, AColumn);
  return cells;
}
