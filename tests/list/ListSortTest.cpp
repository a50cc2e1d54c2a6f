#include "Errors.h"
#include "ListFixtures.h"
#include "QZ_RowSortKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Four columns: text, numeric, date, text.
const QString kMixedFormats = QStringLiteral("0\r\n2\r\n1\r\n0");

std::unique_ptr<TRecordingList> MakeMixedList(const std::vector<const char*>& rows) {
  auto list = MakeList(4, QLatin1Char(';'), kMixedFormats);
  for (const char* row : rows) list->Items().Add(QString::fromUtf8(row));
  return list;
}

void LogSortEvents(TRecordingList& list) {
  list.SetBeforeSort([&list](TDelimitedListModel* sender) {
    EXPECT_EQ(sender, &list);
    list.Log << QStringLiteral("BeforeSort");
  });
  list.SetAfterSort([&list](TDelimitedListModel* sender) {
    EXPECT_EQ(sender, &list);
    list.Log << QStringLiteral("AfterSort");
  });
}

// Deterministic character rows: names repeat, iron spans many magnitudes.
QStringList CharacterRows(int count) {
  std::mt19937 random(20240611);
  const char* names[] = {"Ann", "bob", "Zed", "Émile", "ann", "Quill", "Mark", "Ann "};
  const char* classes[] = {"Soldier", "Occultist", "Nightblade", ""};
  QStringList rows;
  for (int i = 0; i < count; ++i) {
    const QString name = QString::fromUtf8(names[random() % 8]) + QString::number(random() % 5);
    const QStringList fields = {
        name,
        QStringLiteral("Title %1").arg(random() % 3),
        QString::number(random() % 100),
        random() % 2 ? QStringLiteral("Male") : QStringLiteral("Female"),
        QString::fromLatin1(classes[random() % 4]),
        QString::fromLatin1(classes[random() % 4]),
        QString::number(random() % 3 == 0 ? random() % 10 : random()),
        QString::number(random() % 56),
        QStringLiteral("Elite"),
        random() % 2 ? QStringLiteral("Y") : QStringLiteral("N"),
    };
    rows << fields.join(kThorn);
  }
  return rows;
}

}  // namespace

TEST(ListSort, OrdersByTheKeyOfTheColumnKind) {
  struct Case {
    const char* name;
    int column;
    int secondary;
    std::vector<const char*> rows;
    std::vector<const char*> sorted;
  };
  const Case cases[] = {
      {"text by code units", 0, -1,
       {"Zed", "adam", "Bob", "ann", "Ábel", "zed"},
       {"Bob", "Zed", "adam", "ann", "zed", "Ábel"}},
      {"a proper prefix first", 0, -1, {"ab", "a", "abc", ""}, {"", "a", "ab", "abc"}},
      {"UTF-16 units, not code points", 0, -1, {"\uFF21", "\U0001F600"}, {"\U0001F600", "\uFF21"}},
      {"text is not trimmed", 0, -1, {"a", " b"}, {" b", "a"}},
      {"numbers as numbers", 1, -1,
       {";10", ";9", ";-1", ";1", "; 2 ", ";1e3"},
       {";-1", ";1", "; 2 ", ";9", ";10", ";1e3"}},
      {"dates by day number", 2, -1,
       {";;45000.5", ";;1", ";;45000.25", ";;3e4"},
       {";;1", ";;3e4", ";;45000.25", ";;45000.5"}},
      {"combined: negative numbers written as text", 1, 0,
       {";-1", ";-2", ";5", ";0", ";-10"},
       {";-1", ";-2", ";-10", ";0", ";5"}},
      {"combined: more than 15 integer digits as text", 1, 0,
       {";9e15", ";1e16", ";2"},
       {";2", ";1e16", ";9e15"}},
      {"combined: padded text, then the tie-break", 0, 3,
       {"ann ;;;b", "ann;;;a", "a;;;z", "b;;;a"},
       {"a;;;z", "ann;;;a", "ann ;;;b", "b;;;a"}},
      {"combined: text, then a number", 0, 1,
       {"x;10", "x;9", "w;99"},
       {"w;99", "x;9", "x;10"}},
      {"combined: date, then text", 2, 0,
       {"b;;2", "a;;2", "z;;1"},
       {"z;;1", "a;;2", "b;;2"}},
      // a secondary column that is -1, the sort column or past the columns is ignored
      {"plain numeric with secondary -1", 1, -1, {";-1", ";-2", ";5"}, {";-2", ";-1", ";5"}},
      {"plain numeric with secondary = sort column", 1, 1, {";-1", ";-2", ";5"}, {";-2", ";-1", ";5"}},
      {"plain numeric with secondary = column count", 1, 4, {";-1", ";-2", ";5"}, {";-2", ";-1", ";5"}},
      {"plain numeric with secondary far out", 1, 99, {";-1", ";-2", ";5"}, {";-2", ";-1", ";5"}},
  };
  for (const Case& c : cases) {
    auto list = MakeMixedList(c.rows);
    list->SetSecondarySortColumn(c.secondary);
    list->Sort(c.column);
    QStringList expected;
    for (const char* row : c.sorted) expected << QString::fromUtf8(row);
    EXPECT_EQ(list->Items().ToStringList(), expected) << c.name;
  }
}

TEST(ListSort, UnreadableNumbersSortAsZero) {
  auto list = MakeMixedList({";1", ";n/a", ";-1", ";", ";0.5"});
  list->Sort(1);
  const QStringList rows = list->Items().ToStringList();
  EXPECT_EQ(rows[0], QStringLiteral(";-1"));
  EXPECT_EQ(QStringList(rows.mid(1, 2)).count(QStringLiteral(";n/a")), 1);
  EXPECT_EQ(QStringList(rows.mid(1, 2)).count(QStringLiteral(";")), 1);
  EXPECT_EQ(rows.mid(3), QStringList({QStringLiteral(";0.5"), QStringLiteral(";1")}));
}

// Rows, cells, objects and marks stay together, whatever key sorts them.
TEST(ListSort, CharacterRowsKeepTheirCellsObjectsAndMarks) {
  struct Case {
    const char* name;
    int column;
    int secondary;
  };
  const Case cases[] = {{"Name", 0, -1}, {"Iron", 6, -1}, {"Iron, then Name", 6, 0}, {"Sex, then Level", 3, 2}};
  const QStringList rows = CharacterRows(300);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto list = MakeCharacterList();
    list->SetMultiSelect(true);
    std::vector<std::unique_ptr<TRowTag>> tags;
    list->Items().BeginUpdate();
    for (const QString& row : rows) {
      tags.push_back(std::make_unique<TRowTag>(row));
      list->Items().AddObject(row, tags.back().get());
    }
    list->Items().EndUpdate();
    for (int row = 0; row < list->RowCount(); row += 7) list->SetIndicatorImageIndex(row, row);
    list->AddToMultiSelection(5);
    list->AddToMultiSelection(250);

    list->SetSecondarySortColumn(c.secondary);
    list->Sort(c.column);

    auto fresh = MakeCharacterList<TDelimitedListModel>();
    fresh->SetItems(list->Items());
    std::set<int> selected;
    for (int row = 0; row < list->RowCount(); ++row) {
      const auto* tag = list->Items().ObjectAs<TRowTag>(row);
      ASSERT_NE(tag, nullptr);
      EXPECT_EQ(tag->Name, list->Items()[row]);
      EXPECT_EQ(RowCells(*list, row), RowCells(*fresh, row));
      const auto original = int(std::find_if(tags.begin(), tags.end(),
                                             [tag](const auto& t) { return t.get() == tag; }) -
                                tags.begin());
      EXPECT_EQ(list->GetIndicatorImageIndex(row), original % 7 == 0 ? original : -1);
      if (tag == tags[5].get() || tag == tags[250].get()) selected.insert(row);
    }
    EXPECT_EQ(list->MultiSelection(), selected);
    if (c.secondary < 0) {
      for (int row = 1; row < list->RowCount(); ++row) {
        const QString before = list->GetRawField(row - 1, c.column);
        const QString after = list->GetRawField(row, c.column);
        if (c.column == 0) {
          EXPECT_LE(QString::compare(before, after), 0) << row;
        } else {
          EXPECT_LE(CellNumber(before), CellNumber(after)) << row;
        }
      }
    }
  }
}

// The list's quicksort against a plain rendering of the same algorithm
// (keys made at every comparison, both parts by recursion): equal keys must
// land in the same places, so the arrangement is exactly the algorithm's.
namespace {

struct TPlainRow {
  QString Cell;
  int Id;
};

bool PlainLess(const QString& a, const QString& b, bool numeric) {
  return numeric ? CellNumber(a) < CellNumber(b) : QString::compare(a, b) < 0;
}

void PlainQuickSort(std::vector<TPlainRow>& rows, int lo, int hi, bool numeric) {
  const QString pivot = rows[std::size_t((lo + hi) / 2)].Cell;
  int i = lo;
  int j = hi;
  do {
    while (PlainLess(rows[std::size_t(i)].Cell, pivot, numeric)) ++i;
    while (PlainLess(pivot, rows[std::size_t(j)].Cell, numeric)) --j;
    if (i <= j) {
      std::swap(rows[std::size_t(i)], rows[std::size_t(j)]);
      ++i;
      --j;
    }
  } while (i <= j);
  if (lo < j) PlainQuickSort(rows, lo, j, numeric);
  if (i < hi) PlainQuickSort(rows, i, hi, numeric);
}

}  // namespace

TEST(ListSort, ArrangesEqualKeysExactlyAsTheQuicksortDoes) {
  std::mt19937 random(7);
  for (const bool numeric : {false, true}) {
    auto list = MakeList(2, QLatin1Char(';'), numeric ? QStringLiteral("2") : QString());
    std::vector<TPlainRow> plain;
    for (int id = 0; id < 500; ++id) {
      const QString cell = numeric ? QString::number(int(random() % 9) - 4) + QStringLiteral(".0")
                                   : QString(QChar(u'a' + char16_t(random() % 4)));
      list->Items().Add(cell + QLatin1Char(';') + QString::number(id));
      plain.push_back({cell, id});
    }
    list->Sort(0);
    PlainQuickSort(plain, 0, int(plain.size()) - 1, numeric);
    for (int row = 0; row < list->RowCount(); ++row) {
      EXPECT_EQ(list->GetRawField(row, 1).toInt(), plain[std::size_t(row)].Id) << row;
    }
  }
}

// ---------------------------------------------------------------- the sort run

TEST(ListSortRun, EventsComeInOrderAndTheTableIsNotRebuilt) {
  // Pending messages are handled while the change notification is still
  // attached: a row they add is split and sorted with the others.
  class TMessageList : public TRecordingList {
  protected:
    void ProcessPendingMessages() override {
      TRecordingList::ProcessPendingMessages();
      Items().Add(QStringLiteral("a;late"));
    }
  };
  auto list = MakeList<TMessageList>(2);
  list->Items().AddStrings(QStringList{QStringLiteral("c;1"), QStringLiteral("b;2")});
  LogSortEvents(*list);
  list->SetItemIndex(1);
  list->Log.clear();
  const int rebuilds = list->CellTableChanges;

  list->Sort(0);
  EXPECT_EQ(list->Log, QStringList({QStringLiteral("BeforeSort"), QStringLiteral("WaitCursor"),
                                    QStringLiteral("PendingMessages"), QStringLiteral("DefaultCursor"),
                                    QStringLiteral("AfterSort")}));
  EXPECT_EQ(list->CellTableChanges, rebuilds + 1);  // the late row only
  EXPECT_EQ(ColumnCells(*list, 1), QStringList({QStringLiteral("late"), QStringLiteral("2"), QStringLiteral("1")}));
  EXPECT_EQ(list->ItemIndex(), 1);  // a position, not a row
  EXPECT_EQ(list->SortColumn(), 0);

  list->Items().Add(QStringLiteral("d;3"));  // the notification is attached again
  EXPECT_EQ(list->CellTableChanges, rebuilds + 2);
}

TEST(ListSortRun, EmptyListsAndOutOfRangeColumns) {
  auto list = MakeList(2);
  LogSortEvents(*list);
  list->Sort(1);
  EXPECT_EQ(list->Log, QStringList({QStringLiteral("BeforeSort")}));

  list->Items().AddStrings(QStringList{QStringLiteral("b"), QStringLiteral("a")});
  for (const int column : {-1, 2, 50}) {
    list->Log.clear();
    list->Sort(column);
    EXPECT_TRUE(list->Log.isEmpty()) << column;
    EXPECT_EQ(list->SortColumn(), column);
    EXPECT_EQ(list->Items()[0], QStringLiteral("b"));
  }
}

TEST(ListSortRun, SortingTwiceGivesAscendingOrderAgain) {
  auto list = MakeMixedList({"c", "a", "b", "a"});
  list->Sort(0);
  const QStringList once = list->Items().ToStringList();
  list->Sort(0);
  EXPECT_EQ(list->Items().ToStringList(), once);
  EXPECT_EQ(once, QStringList({QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(ListSortRun, InsideAnUpdateBracketRowsAndCellsStayPaired) {
  auto list = MakeList(2);
  list->Items().Add(QStringLiteral("z;0"));
  list->Items().BeginUpdate();
  list->Items().Add(QStringLiteral("b;2"));
  list->Items().Add(QStringLiteral("a;1"));
  list->Items().Put(0, QStringLiteral("c;3"));
  list->Sort(0);
  EXPECT_EQ(list->Items().ToStringList(),
            QStringList({QStringLiteral("a;1"), QStringLiteral("b;2"), QStringLiteral("c;3")}));
  EXPECT_EQ(ColumnCells(*list, 1), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
  list->Items().EndUpdate();
  EXPECT_EQ(ColumnCells(*list, 0), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(ListSortRun, AFailedExchangeLeavesTheListWorking) {
  auto list = MakeList(1);
  LogSortEvents(*list);
  list->Items().AddStrings(QStringList{QStringLiteral("b"), QStringLiteral("a")});
  list->Items().SetSorted(true);  // a sorted row list refuses exchanges
  list->Log.clear();
  EXPECT_THROW(list->Sort(0), EListError);
  EXPECT_EQ(list->Log.last(), QStringLiteral("DefaultCursor"));
  EXPECT_FALSE(list->Log.contains(QStringLiteral("AfterSort")));
  list->Items().SetSorted(false);
  const int rebuilds = list->CellTableChanges;
  list->Items().Add(QStringLiteral("c"));
  EXPECT_EQ(list->CellTableChanges, rebuilds + 1);
}

TEST(ListSortRun, HeaderClick) {
  struct Case {
    const char* name;
    bool allowSorting;
    bool handlerAssigned;
    bool handlerHandles;
    bool sorts;
  };
  const Case cases[] = {
      {"sorting not allowed", false, true, false, false},
      {"handler takes the click", true, true, true, false},
      {"handler leaves the click", true, true, false, true},
      {"no handler", true, false, false, true},
  };
  for (const Case& c : cases) {
    auto list = MakeList(2);
    list->Items().AddStrings(QStringList{QStringLiteral("x;2"), QStringLiteral("y;1")});
    LogSortEvents(*list);
    list->SetAllowSorting(c.allowSorting);
    if (c.handlerAssigned) {
      list->SetOnHeaderClick([&list, &c](TDelimitedListModel*, int column, bool& handled) {
        EXPECT_FALSE(handled);
        list->Log << QStringLiteral("Click %1").arg(column);
        handled = c.handlerHandles;
      });
    }
    list->HeaderSectionClick(1);
    QStringList expected;
    if (c.handlerAssigned) expected << QStringLiteral("Click 1");
    if (c.sorts) {
      expected << QStringLiteral("BeforeSort") << QStringLiteral("WaitCursor")
               << QStringLiteral("PendingMessages") << QStringLiteral("DefaultCursor")
               << QStringLiteral("AfterSort");
    }
    expected << QStringLiteral("FocusGrid");
    EXPECT_EQ(list->Log, expected) << c.name;
    EXPECT_EQ(list->Items()[0], c.sorts ? QStringLiteral("y;1") : QStringLiteral("x;2")) << c.name;
  }
}
