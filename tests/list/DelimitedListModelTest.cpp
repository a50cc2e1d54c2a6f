#include "Errors.h"
#include "ListFixtures.h"

#include <gtest/gtest.h>

namespace {

QStringList SplitAtBars(const char* text) {
  return QString::fromUtf8(text).split(QLatin1Char('|'));
}

}  // namespace

// ---------------------------------------------------------------- splitting

TEST(ListRows, SplitIntoOneCellPerColumn) {
  struct Case {
    const char* row;
    bool trim;
    const char* cells;  // the ten cells joined by "|"
  };
  const Case cases[] = {
      {"Ann þ þ 3", false, "Ann | | 3|||||||"},
      {"Ann þ þ 3", true, "Ann||3|||||||"},
      {"", false, "|||||||||"},
      {"aþ", false, "a|||||||||"},
      {"þþb", false, "||b|||||||"},
      {" \t a \x01þ\x1f", true, "a|||||||||"},
      // fields past the last column are ignored, the last column gets only its own
      {"1þ2þ3þ4þ5þ6þ7þ8þ9þ10þ11þ12", false, "1|2|3|4|5|6|7|8|9|10"},
      {"aþbþcþdþeþfþgþhþiþjþ", false, "a|b|c|d|e|f|g|h|i|j"},
  };
  for (const Case& c : cases) {
    auto list = MakeList(10, kThorn, QString(), c.trim);
    list->Items().Add(QString::fromUtf8(c.row));
    EXPECT_EQ(RowCells(*list, 0), SplitAtBars(c.cells)) << c.row;
  }
}

TEST(ListRows, ColumnWidthsFollowTheWidestFieldAndNeverShrink) {
  auto list = MakeList(3, QLatin1Char(';'), QString(), true);
  list->Items().Add(QStringLiteral("  abcdef  ;x;"));
  list->Items().Add(QStringLiteral("ab;xyz"));
  EXPECT_EQ(list->GetColumnFormat(0).Width(), 6);  // counted after trimming
  EXPECT_EQ(list->GetColumnFormat(1).Width(), 3);
  EXPECT_EQ(list->GetColumnFormat(2).Width(), 0);
  list->Items().Delete(0);
  list->Clear();
  EXPECT_EQ(list->GetColumnFormat(0).Width(), 6);
}

TEST(ListRows, RebuildOnceAfterEveryChangeOrOutermostEndUpdate) {
  auto list = MakeList(2);
  const int atStart = list->CellTableChanges;
  list->Items().Add(QStringLiteral("a;1"));
  EXPECT_EQ(list->CellTableChanges, atStart + 1);

  list->Items().BeginUpdate();
  list->Items().BeginUpdate();
  list->Items().Add(QStringLiteral("b;2"));
  list->Items().Put(0, QStringLiteral("c;3"));
  list->Items().EndUpdate();
  EXPECT_EQ(list->CellTableChanges, atStart + 1);
  EXPECT_EQ(list->CellTableRows(), 1);  // the table waits for the bracket
  EXPECT_EQ(list->GetRawField(0, 0), QStringLiteral("a"));
  list->Items().EndUpdate();
  EXPECT_EQ(list->CellTableChanges, atStart + 2);
  EXPECT_EQ(ColumnCells(*list, 0), QStringList({QStringLiteral("c"), QStringLiteral("b")}));

  list->Items().BeginUpdate();  // an empty bracket still rebuilds once
  list->Items().EndUpdate();
  EXPECT_EQ(list->CellTableChanges, atStart + 3);
}

TEST(ListRows, ReadingInsideAnUpdateBracketStaysInBounds) {
  auto list = MakeList(2);
  list->Items().BeginUpdate();
  for (int i = 0; i < 5; ++i) list->Items().Add(QStringLiteral("r%1;%1").arg(i));
  // the table still has no rows: fields read empty, marks can be set
  EXPECT_EQ(list->GetField(3, 0), QString());
  EXPECT_EQ(list->FieldText(4, 1, TDelimitedListModel::kFieldAsPainted), QString());
  list->SetIndicatorImageIndex(4, 1);
  list->Items().EndUpdate();
  EXPECT_EQ(list->GetField(3, 0), QStringLiteral("r3"));
  EXPECT_EQ(list->GetIndicatorImageIndex(4), 1);
}

TEST(ListRows, AssigningItemsCopiesTextsAndObjects) {
  auto list = MakeList(2);
  TRowTag tag(QStringLiteral("t"));
  TStringList source;
  source.AddObject(QStringLiteral("x;1"), &tag);
  source.Add(QStringLiteral("y;2"));
  const int before = list->CellTableChanges;
  list->SetItems(source);
  EXPECT_EQ(list->CellTableChanges, before + 1);
  EXPECT_EQ(list->RowCount(), 2);
  EXPECT_EQ(list->Items().Objects(0), &tag);
  EXPECT_EQ(list->GetRawField(1, 0), QStringLiteral("y"));
  source.Clear();
  EXPECT_EQ(list->RowCount(), 2);
}

// ---------------------------------------------------------------- display

TEST(ListDisplay, DateAndNumberCells) {
  struct Case {
    bool date;
    const char* cell;
    const char* pattern;
    const char* text;
  };
  const Case cases[] = {
      {true, "45000.5", "", "15/03/2023 12:00"},
      {true, " 45000.5 ", "", "15/03/2023 12:00"},
      {true, "45000.5", "yyyy", "2023"},
      {true, "0", "", ""},
      {true, "-1", "", ""},
      {true, "abc", "", ""},
      {true, "", "", ""},
      {true, "1e300", "", ""},  // past the year 9999
      {false, "1,234", "", "0.00"},
      {false, "1234.5", "", "1,234.50"},
      {false, "1234567", "0,", "1,234,567"},
      {false, " 85 ", "0", "85"},
      {false, "", "0", "0"},
      {false, "n/a", "0", "0"},
      {false, "1e400", "0", "INF"},
  };
  for (const Case& c : cases) {
    const QString cell = QString::fromLatin1(c.cell);
    const QString pattern = QString::fromLatin1(c.pattern);
    const QString text = c.date ? TDelimitedListModel::FormatDateCell(cell, pattern)
                                : TDelimitedListModel::FormatNumberCell(cell, pattern);
    EXPECT_EQ(text, QString::fromLatin1(c.text)) << c.cell << " by " << c.pattern;
  }
}

TEST(ListDisplay, EachOperationUsesItsConversions) {
  auto list = MakeList(3, QLatin1Char(';'), QStringLiteral("0\r\n1\r\n2þ0,"));
  list->Items().Add(QStringLiteral("  Ann  ; 45000.5 ; 1234567 "));
  using M = TDelimitedListModel;
  struct Case {
    const char* operation;
    QStringList fields;
  };
  const QString date = QStringLiteral("15/03/2023 12:00");
  const Case cases[] = {
      {"GetField", {list->GetField(0, 0), list->GetField(0, 1), list->GetField(0, 2)}},
      {"searched", {list->FieldText(0, 0, M::kFieldAsSearched), list->FieldText(0, 1, M::kFieldAsSearched),
                    list->FieldText(0, 2, M::kFieldAsSearched)}},
      {"GetRawField", {list->GetRawField(0, 0), list->GetRawField(0, 1), list->GetRawField(0, 2)}},
      {"painted", {list->FieldText(0, 0, M::kFieldAsPainted), list->FieldText(0, 1, M::kFieldAsPainted),
                   list->FieldText(0, 2, M::kFieldAsPainted)}},
      {"selected", {list->FieldText(0, 0, M::kFieldAsSelected), list->FieldText(0, 1, M::kFieldAsSelected),
                    list->FieldText(0, 2, M::kFieldAsSelected)}},
  };
  const QStringList expected[] = {
      {QStringLiteral("Ann"), date, QStringLiteral("1234567")},
      {QStringLiteral("Ann"), date, QStringLiteral("1234567")},
      {QStringLiteral("  Ann  "), QStringLiteral(" 45000.5 "), QStringLiteral(" 1234567 ")},
      {QStringLiteral("  Ann  "), date, QStringLiteral("1,234,567")},
      {QStringLiteral("Ann"), date, QStringLiteral("1,234,567")},
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(cases[k].fields, expected[k]) << cases[k].operation;
  }
}

// ---------------------------------------------------------------- field access

TEST(ListFields, GetFieldBounds) {
  auto list = MakeList(2);
  list->Items().Add(QStringLiteral("Ann;1"));
  list->Items().Add(QStringLiteral("Bob;2"));
  EXPECT_EQ(list->GetField(1, 0), QStringLiteral("Bob"));
  EXPECT_EQ(list->GetField(2, 0), QString());
  EXPECT_EQ(list->GetField(0, -1), QString());
  EXPECT_EQ(list->GetField(0, 2), QString());
  EXPECT_THROW(list->GetField(-1, 0), EListError);
  EXPECT_EQ(list->GetRawField(-1, 0), QString());
  EXPECT_EQ(list->GetRawField(0, 7), QString());
  // by row text: the whole row, without regard to case
  EXPECT_EQ(list->GetField(QStringLiteral("BOB;2"), 1), QStringLiteral("2"));
  EXPECT_THROW(list->GetField(QStringLiteral("Bob"), 0), EListError);
}

TEST(ListFields, SetFieldReplacesOneFieldInTheRowString) {
  struct Case {
    const char* row;
    int columns;
    int field;
    const char* result;
  };
  const Case cases[] = {
      {"a;b;c;d", 4, 2, "a;b;X;d"},
      {"a;b;c;d", 4, 0, "X;b;c;d"},
      {"a;b;c;d", 4, 3, "a;b;c;X"},
      {"a;b", 4, 3, "a;b;;X"},
      {"", 4, 0, "X;;;"},
      {"", 4, 1, ";X;;"},
      {"a", 1, 0, "X"},
      {"a;b", 1, 0, "X;b"},
      {"1;2;3;4;5;6;7;8;9;10;11;12", 10, 9, "1;2;3;4;5;6;7;8;9;X;11;12"},
      {"a;b;c;d", 4, -1, "a;b;c;d"},
      {"a;b;c;d", 4, 4, "a;b;c;d"},
  };
  for (const Case& c : cases) {
    auto list = MakeList(c.columns);
    list->Items().Add(QString::fromLatin1(c.row));
    list->SetField(QStringLiteral("X"), 0, c.field);
    EXPECT_EQ(list->Items()[0], QString::fromLatin1(c.result)) << c.row << " field " << c.field;
  }
}

TEST(ListFields, SetFieldRebuildsAndRejectsMissingRows) {
  auto list = MakeList(10, kThorn);
  list->Items().Add(QString::fromUtf8("1þ2þ3þ4þ5þ6þ7þ8þ9þ10þ11þ12"));
  EXPECT_EQ(list->GetRawField(0, 9), QStringLiteral("10"));
  list->SetField(QStringLiteral("ten"), 0, 9);
  EXPECT_EQ(list->GetRawField(0, 9), QStringLiteral("ten"));
  EXPECT_THROW(list->SetField(QStringLiteral("x"), 1, 0), EListError);
  EXPECT_THROW(list->SetField(QStringLiteral("x"), -1, 0), EListError);
  EXPECT_EQ(list->RowCount(), 1);
}

TEST(ListFields, IndexOfFieldComparesDisplayFieldsFoldingAsciiOnly) {
  auto list = MakeList(2, QLatin1Char(';'), QStringLiteral("0\r\n1"));
  list->Items().Add(QStringLiteral("Bob;45000.5"));
  list->Items().Add(QStringLiteral(" Ann ;1"));
  list->Items().Add(QStringLiteral("ann;2"));
  list->Items().Add(QString::fromUtf8("É;3"));
  struct Case {
    const char* text;
    int column;
    int row;
  };
  const Case cases[] = {
      {"ann", 0, 1},  {"ANN", 0, 1}, {"Ann ", 0, -1}, {"é", 0, -1}, {"É", 0, 3},
      {"15/03/2023 12:00", 1, 0},    {"45000.5", 1, -1},            {"Carl", 0, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(list->IndexOfField(QString::fromUtf8(c.text), c.column), c.row) << c.text;
  }
}

TEST(ListFields, FindFieldIdxBisectsAColumnInCodeUnitOrder) {
  auto list = MakeList(2, QLatin1Char(';'), QStringLiteral("0\r\n1"));
  // ascending by trimmed, a-z-capitalised text
  const char* names[] = {"Adam", " bob", "CARL", "dora ", "Zed", "zz"};
  const char* days[] = {"2", "3", "4", "5", "6", "7"};  // dates ascending as text
  for (int i = 0; i < 6; ++i) {
    list->Items().Add(QString::fromLatin1(names[i]) + QLatin1Char(';') + QString::fromLatin1(days[i]));
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(list->FindFieldIdx(QString::fromLatin1(names[i]), 0), i) << names[i];
  }
  EXPECT_EQ(list->FindFieldIdx(QStringLiteral("  BOB "), 0), 1);
  EXPECT_EQ(list->FindFieldIdx(QStringLiteral("Bo"), 0), -1);
  EXPECT_EQ(list->FindFieldIdx(QStringLiteral("04/01/1900 00:00"), 1), 3);  // by date text
  EXPECT_EQ(list->FindFieldIdx(QStringLiteral("5"), 1), -1);
  list->Clear();
  EXPECT_EQ(list->FindFieldIdx(QStringLiteral("Adam"), 0), -1);
}

// ---------------------------------------------------------------- marks

TEST(ListMarks, IndicatorImagesLiveInTheMarkWord) {
  auto list = MakeList(1);
  list->Items().AddStrings(QStringList{QStringLiteral("a"), QStringLiteral("b")});
  EXPECT_EQ(list->GetIndicatorImageIndex(0), -1);
  list->SetIndicatorImageIndex(0, 2);
  list->SetIndicatorImageIndex(0, 5);
  EXPECT_EQ(list->GetIndicatorImageIndex(0), 5);
  EXPECT_EQ(list->RowMark(0), (5u << 16) | TDelimitedListModel::kMarkIndicator);
  list->SetIndicatorImageIndex(1, -1);
  EXPECT_EQ(list->GetIndicatorImageIndex(1), 65535);
  list->ClearIndicatorImageIndex(0);
  EXPECT_EQ(list->GetIndicatorImageIndex(0), -1);
  EXPECT_EQ(list->RowMark(0), 5u << 16);  // only bit 1 cleared
  EXPECT_EQ(list->Log.count(QStringLiteral("Repaint")), 4);
  EXPECT_THROW(list->SetIndicatorImageIndex(2, 1), EListError);
  EXPECT_EQ(list->GetIndicatorImageIndex(2), -1);
}

TEST(ListMarks, BelongToPositionsNotRows) {
  auto list = MakeList(1);
  list->Items().AddStrings(QStringList{QStringLiteral("r0"), QStringLiteral("r1"), QStringLiteral("r2")});
  list->SetIndicatorImageIndex(1, 11);
  list->SetIndicatorImageIndex(2, 22);
  list->Items().Delete(0);  // r2 moves to position 1 and finds 11 there
  EXPECT_EQ(list->Items()[1], QStringLiteral("r2"));
  EXPECT_EQ(list->GetIndicatorImageIndex(1), 11);
  EXPECT_EQ(list->GetIndicatorImageIndex(2), -1);  // the position is gone
  list->Items().Add(QStringLiteral("r3"));
  EXPECT_EQ(list->GetIndicatorImageIndex(2), -1);  // a new position starts empty
  list->Items().Insert(0, QStringLiteral("new"));
  EXPECT_EQ(list->GetIndicatorImageIndex(1), 11);
}

// ---------------------------------------------------------------- current row, clear, selection

TEST(ListCurrentRow, FollowsTheRules) {
  auto list = MakeList(1);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(0);
  EXPECT_EQ(list->ItemIndex(), -1);
  for (int i = 0; i < 10; ++i) list->Items().Add(QStringLiteral("r%1").arg(i));
  EXPECT_EQ(list->ItemIndex(), 0);

  list->Top = 0;
  list->Visible = 4;
  list->Log.clear();
  list->SetItemIndex(3);  // visible: no scrolling
  EXPECT_EQ(list->ItemIndex(), 3);
  list->SetItemIndex(6);  // below the view: becomes the top row
  list->SetItemIndex(-1);
  list->SetItemIndex(10);
  EXPECT_EQ(list->ItemIndex(), 6);
  EXPECT_EQ(list->Log, QStringList({QStringLiteral("Repaint"), QStringLiteral("ScrollTo 6"),
                                    QStringLiteral("Repaint")}));

  list->Items().Add(QStringLiteral("more"));
  list->Items().Put(0, QStringLiteral("changed"));
  EXPECT_EQ(list->ItemIndex(), 6);
  while (list->RowCount() > 4) list->Items().Delete(0);
  EXPECT_EQ(list->ItemIndex(), 3);  // moved to the last row

  list->Clear();
  EXPECT_EQ(list->ItemIndex(), -1);
  list->Items().Add(QStringLiteral("again"));
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST(ListClear, DropsRowsMarksAndSelectionButKeepsTheRest) {
  auto list = MakeList(2);
  bool destroyed = false;
  TRowTag tag(QStringLiteral("kept"), &destroyed);
  list->SetMultiSelect(true);
  list->Items().AddObject(QStringLiteral("abcdefgh;1"), &tag);
  list->Items().Add(QStringLiteral("b;2"));
  list->SetIndicatorImageIndex(1, 3);
  list->AddToMultiSelection(0);
  list->Sort(1);
  list->SetFindPosition(1);
  list->SetRangeAnchor(1);
  list->Log.clear();

  list->Clear();
  EXPECT_EQ(list->RowCount(), 0);
  EXPECT_EQ(list->CellTableRows(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->GetIndicatorImageIndex(1), -1);
  EXPECT_TRUE(list->MultiSelection().empty());
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(list->GetColumnFormat(0).Width(), 8);
  EXPECT_EQ(list->SortColumn(), 1);
  EXPECT_EQ(list->FindPosition(), 1);
  EXPECT_EQ(list->RangeAnchor(), 1);
  EXPECT_TRUE(list->Log.contains(QStringLiteral("Repaint")));

  // refilled positions come back unmarked
  list->Items().AddStrings(QStringList{QStringLiteral("x"), QStringLiteral("y")});
  EXPECT_EQ(list->RowMark(0), 0u);
  EXPECT_EQ(list->RowMark(1), 0u);
}

TEST(ListSelection, SelectedRowsInSingleAndMultiSelectMode) {
  auto list = MakeList(1);
  EXPECT_EQ(list->SelectedRows().Count, 0);
  for (int i = 0; i < 12; ++i) list->Items().Add(QStringLiteral("r%1").arg(i));
  list->SetItemIndex(4);
  EXPECT_EQ(list->SelectedRows().RowIndex, std::vector<int>({4}));

  list->SetMultiSelect(true);
  list->AddToMultiSelection(7);
  list->AddToMultiSelection(3);
  list->AddToMultiSelection(10);
  list->AddToMultiSelection(3);
  list->AddToMultiSelection(12);  // no such row
  EXPECT_EQ(list->SelectedRows().RowIndex, std::vector<int>({3, 7, 10}));
  EXPECT_EQ(list->SelectedRows().Count, 3);
  list->RemoveFromMultiSelection(7);
  EXPECT_EQ(list->RowMark(7), 0u);
  EXPECT_EQ(list->SelectedRows().RowIndex, std::vector<int>({3, 10}));

  // writing ItemIndex makes that row the whole multi-selection
  list->SetItemIndex(5);
  EXPECT_EQ(list->SelectedRows().RowIndex, std::vector<int>({5}));
  EXPECT_EQ(list->RowMark(3), 0u);
  EXPECT_EQ(list->RowMark(5), TDelimitedListModel::kMarkMultiSelected);

  // rows removed behind the selection are not reported
  list->AddToMultiSelection(11);
  list->Items().Delete(11);
  EXPECT_EQ(list->SelectedRows().RowIndex, std::vector<int>({5}));
  list->ClearMultiSelection();
  EXPECT_EQ(list->SelectedRows().Count, 0);
}

TEST(ListHeaders, ResizableColumnsSetsTheSectionLimits) {
  auto list = MakeList(2);
  list->SetHeaderSection(1, {QStringLiteral("B"), 120, TDelimitedListModel::taRightJustify});
  list->SetResizableColumns(false);
  EXPECT_EQ(list->HeaderSection(1).MinWidth, 120);
  EXPECT_EQ(list->HeaderSection(1).MaxWidth, 120);
  list->AddHeaderSection({QStringLiteral("C"), 70});
  EXPECT_EQ(list->HeaderSection(2).MaxWidth, 10000);  // later sections untouched
  list->SetResizableColumns(true);
  EXPECT_EQ(list->HeaderSection(1).MinWidth, 0);
  EXPECT_EQ(list->HeaderSection(1).MaxWidth, 10000);
  EXPECT_THROW(list->HeaderSection(3), EListError);
}
