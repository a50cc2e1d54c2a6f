// Selecting rows with mouse and keys, the forwarded input events and focus.
#include "Errors.h"
#include "ListBoxFixtures.h"

#include <QFocusEvent>
#include <gtest/gtest.h>

namespace {

// A window with twelve numbered rows in a one-column list.
TListWindow NumberedWindow(int ARows = 12) {
  auto list = MakeListBox(1, 150);
  AddNumberedRows(*list, ARows);
  return TListWindow(std::move(list));
}

std::vector<int> Selected(const TDelimitedListBox& AList) { return AList.SelectedRows().RowIndex; }

// Notes the list's current row whenever the watched widget loses the focus.
class TFocusOutProbe : public QObject {
public:
  TFocusOutProbe(QWidget& AWatched, const TDelimitedListBox& AList) : FList(AList) {
    AWatched.installEventFilter(this);
  }
  std::vector<int> RowsSeen;

protected:
  bool eventFilter(QObject* /*AWatched*/, QEvent* AEvent) override {
    if (AEvent->type() == QEvent::FocusOut) RowsSeen.push_back(FList.ItemIndex());
    return false;
  }

private:
  const TDelimitedListBox& FList;
};

}  // namespace

TEST(ListBoxSelection, ClickSelectsTheRowAndClicksAfterTheRelease) {
  TListWindow window = NumberedWindow(4);
  ASSERT_TRUE(window.Active);
  std::vector<TDelimitedListBox*> senders;
  std::vector<int> rowsAtClick;
  window.List->OnClick = [&](TDelimitedListBox* ASender) {
    senders.push_back(ASender);
    rowsAtClick.push_back(ASender->ItemIndex());
  };

  QTest::mousePress(window.Rows(), Qt::LeftButton, Qt::NoModifier, window.RowPoint(3));
  EXPECT_EQ(window.List->ItemIndex(), 3);
  EXPECT_TRUE(senders.empty());
  QTest::mouseRelease(window.Rows(), Qt::LeftButton, Qt::NoModifier, window.RowPoint(3));
  EXPECT_EQ(senders, std::vector<TDelimitedListBox*>{window.List});
  EXPECT_EQ(rowsAtClick, std::vector<int>{3});
  EXPECT_TRUE(window.List->Focused());

  // Writing ItemIndex selects without a click; other buttons leave the row.
  window.List->SetItemIndex(1);
  window.Click(2, Qt::NoModifier, Qt::RightButton);
  window.Click(0, Qt::NoModifier, Qt::MiddleButton);
  EXPECT_EQ(window.List->ItemIndex(), 1);
  EXPECT_EQ(senders.size(), 1u);
  // Below the last row nothing is selected and nothing clicks.
  ASSERT_GT(window.Rows()->height(), 5 * 15);
  QTest::mouseClick(window.Rows(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 4 * 15 + 7));
  EXPECT_EQ(window.List->ItemIndex(), 1);
  EXPECT_EQ(senders.size(), 1u);
}

TEST(ListBoxSelection, TheListTakesTheFocusBeforeTheRowMoves) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  window.List->SetItemIndex(2);
  window.Edit->setFocus();
  ASSERT_TRUE(window.Edit->hasFocus());
  TFocusOutProbe probe(*window.Edit, *window.List);
  std::vector<int> enteredAt;
  window.List->OnEnter = [&](TDelimitedListBox* ASender) { enteredAt.push_back(ASender->ItemIndex()); };

  window.Click(7);

  EXPECT_EQ(probe.RowsSeen, std::vector<int>{2});  // the edit lost the focus while row 2 was current
  EXPECT_EQ(enteredAt, std::vector<int>{2});
  EXPECT_EQ(window.List->ItemIndex(), 7);
  EXPECT_TRUE(window.List->Focused());
}

TEST(ListBoxSelection, NavigationKeysMoveTheCurrentRowAndClick) {
  struct Case {
    int From;
    int Key;
    int To;
    int Clicks;
  };
  const Case cases[] = {
      {3, Qt::Key_Down, 4, 1},      {3, Qt::Key_Up, 2, 1},   {0, Qt::Key_Up, 0, 0},
      {11, Qt::Key_Down, 11, 0},    {5, Qt::Key_Home, 0, 1}, {5, Qt::Key_End, 11, 1},
      {0, Qt::Key_PageDown, -1, 1},  // one page: the visible row count
      {11, Qt::Key_PageUp, -1, 1},  {4, Qt::Key_A, 4, 0},
  };
  for (const Case& c : cases) {
    TListWindow window = NumberedWindow();
    ASSERT_TRUE(window.Active);
    window.List->SetItemIndex(c.From);
    window.List->SetFocus();
    int clicks = 0;
    window.List->OnClick = [&](TDelimitedListBox*) { ++clicks; };
    window.Key(c.Key);
    const int page = window.List->VisibleRowCount();
    const int expected = c.Key == Qt::Key_PageDown ? std::min(c.From + page, 11)
                         : c.Key == Qt::Key_PageUp ? std::max(c.From - page, 0)
                                                   : c.To;
    EXPECT_EQ(window.List->ItemIndex(), expected) << c.From << " key " << c.Key;
    EXPECT_EQ(clicks, c.Clicks) << c.From << " key " << c.Key;
    // The current row is in view.
    EXPECT_GE(expected, window.List->TopRow());
    EXPECT_LT(expected, window.List->TopRow() + window.List->VisibleRowCount());
  }
}

TEST(ListBoxSelection, KeyHandlersSeeAndMayChangeTheKey) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  window.List->SetItemIndex(5);
  window.List->SetFocus();
  QStringList log;
  window.List->OnKeyDown = [&](TDelimitedListBox* ASender, int& AKey, TDelimitedListBox::TShiftState AShift) {
    EXPECT_EQ(ASender, window.List);
    log << QStringLiteral("down %1 %2").arg(AKey == Qt::Key_Down ? "Down" : "other").arg(AShift);
    if (AKey == Qt::Key_Down) AKey = Qt::Key_Up;  // the grid goes on with Up
    if (AKey == Qt::Key_End) AKey = 0;            // swallowed
  };
  window.List->OnKeyUp = [&](TDelimitedListBox*, int&, TDelimitedListBox::TShiftState) { log << "up"; };
  window.List->OnKeyPress = [&](TDelimitedListBox*, QChar& AKey) { log << QStringLiteral("press %1").arg(AKey); };

  window.Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(window.List->ItemIndex(), 4);
  window.Key(Qt::Key_End);
  EXPECT_EQ(window.List->ItemIndex(), 4);
  QTest::keyClick(window.List->Grid(), 'x');
  // Shift is a key of its own: pressed before Down, released after it.
  const QString shift = QString::number(TDelimitedListBox::ssShift);
  EXPECT_EQ(log, (QStringList{"down other " + shift, "down Down " + shift, "up", "up", "down other 0", "up",
                              "down other 0", "press x", "up"}));
}

TEST(ListBoxSelection, DoubleClickRaisesOneClickAndOneDoubleClick) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  QStringList log;
  window.List->OnClick = [&](TDelimitedListBox* ASender) { log << QStringLiteral("click %1").arg(ASender->ItemIndex()); };
  window.List->OnMouseDown = [&](TDelimitedListBox*, TDelimitedListBox::TMouseButton, TDelimitedListBox::TShiftState AShift,
                                 int, int) { log << ((AShift & TDelimitedListBox::ssDouble) ? "down double" : "down"); };
  window.List->OnDblClick = [&](TDelimitedListBox* ASender) {
    log << QStringLiteral("double %1").arg(ASender->ItemIndex());
    window.Edit->setFocus();  // as the main window does: the note takes the focus
  };

  window.DoubleClick(4);

  EXPECT_EQ(log, (QStringList{"down", "click 4", "down double", "double 4"}));
  EXPECT_TRUE(window.Edit->hasFocus());
}

TEST(ListBoxSelection, MouseEventsAreForwardedWithGridCoordinates) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  QStringList log;
  window.List->OnMouseDown = [&](TDelimitedListBox* ASender, TDelimitedListBox::TMouseButton AButton,
                                 TDelimitedListBox::TShiftState AShift, int X, int Y) {
    EXPECT_EQ(ASender, window.List);
    log << QStringLiteral("down %1 %2 %3,%4").arg(AButton).arg(AShift).arg(X).arg(Y);
  };
  window.List->OnMouseUp = [&](TDelimitedListBox*, TDelimitedListBox::TMouseButton AButton,
                               TDelimitedListBox::TShiftState AShift, int X, int Y) {
    log << QStringLiteral("up %1 %2 %3,%4").arg(AButton).arg(AShift).arg(X).arg(Y);
  };
  QTest::mouseClick(window.Rows(), Qt::RightButton, Qt::ControlModifier, QPoint(33, 20));
  const unsigned downShift = TDelimitedListBox::ssCtrl | TDelimitedListBox::ssRight;
  EXPECT_EQ(log, (QStringList{QStringLiteral("down %1 %2 33,20").arg(TDelimitedListBox::mbRight).arg(downShift),
                              QStringLiteral("up %1 %2 33,20").arg(TDelimitedListBox::mbRight).arg(TDelimitedListBox::ssCtrl)}));
}

TEST(ListBoxSelection, MultiSelectFollowsAnchorShiftAndCtrl) {
  using Mods = Qt::KeyboardModifiers;
  struct Step {
    int Row;
    Mods Modifiers;
  };
  struct Case {
    const char* Name;
    std::vector<Step> Steps;
    std::vector<int> Selected;
    int Anchor;
  };
  const Mods none = Qt::NoModifier;
  const Mods shift = Qt::ShiftModifier;
  const Mods ctrl = Qt::ControlModifier;
  const Case cases[] = {
      {"plain", {{5, none}}, {5}, 5},
      {"shift range upwards", {{5, none}, {2, shift}}, {2, 3, 4, 5}, 5},
      {"shift on a range starts afresh", {{5, none}, {2, shift}, {8, shift}}, {8}, 8},
      {"shift from the first anchor", {{3, shift}}, {0, 1, 2, 3}, 0},
      {"ctrl adds in row order", {{7, none}, {3, ctrl}, {10, ctrl}}, {3, 7, 10}, 7},
      {"ctrl removes", {{7, none}, {3, ctrl}, {7, ctrl}}, {3}, 7},
      {"ctrl and shift change nothing", {{7, none}, {3, ctrl | shift}}, {7}, 7},
  };
  for (const Case& c : cases) {
    TListWindow window = NumberedWindow();
    ASSERT_TRUE(window.Active);
    window.List->SetMultiSelect(true);
    for (const Step& step : c.Steps) window.Click(step.Row, step.Modifiers);
    EXPECT_EQ(Selected(*window.List), c.Selected) << c.Name;
    EXPECT_EQ(window.List->RangeAnchor(), c.Anchor) << c.Name;
    for (int row = 0; row < window.List->RowCount(); ++row) {
      const bool marked = (window.List->RowMark(row) & TDelimitedListModel::kMarkMultiSelected) != 0;
      const bool selected = std::find(c.Selected.begin(), c.Selected.end(), row) != c.Selected.end();
      EXPECT_EQ(marked, selected) << c.Name << " row " << row;
    }
  }
}

TEST(ListBoxSelection, MultiSelectKeepsItsRowsWhileKeysMoveTheCurrentRow) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  window.List->SetMultiSelect(true);
  window.Click(2);
  window.Click(4, Qt::ControlModifier);
  window.Key(Qt::Key_Down);
  window.Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(window.List->ItemIndex(), 6);
  EXPECT_EQ(Selected(*window.List), (std::vector<int>{2, 4}));
  // Writing ItemIndex makes that row the whole selection, leaving the anchor.
  window.List->SetItemIndex(9);
  EXPECT_EQ(Selected(*window.List), std::vector<int>{9});
  EXPECT_EQ(window.List->RangeAnchor(), 2);
}

TEST(ListBoxSelection, SingleSelectReportsTheCurrentRowOrNothing) {
  auto empty = MakeListBox(1);
  EXPECT_EQ(empty->SelectedRows().Count, 0);
  EXPECT_TRUE(empty->SelectedRows().RowIndex.empty());
  TListWindow window = NumberedWindow();
  window.Click(6);
  EXPECT_EQ(window.List->SelectedRows().Count, 1);
  EXPECT_EQ(Selected(*window.List), std::vector<int>{6});
}

TEST(ListBoxSelection, AClickOnAnEmptyListSelectsNothingAndDoesNotClick) {
  auto list = MakeListBox(1);
  TListWindow window(std::move(list));
  ASSERT_TRUE(window.Active);
  int clicks = 0;
  window.List->OnClick = [&](TDelimitedListBox*) { ++clicks; };
  window.Click(0);
  window.Key(Qt::Key_Down);
  EXPECT_EQ(window.List->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(window.List->Focused());
}

TEST(ListBoxSelection, FocusLeavingForAnotherControlRaisesExit) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  QStringList log;
  window.List->OnEnter = [&](TDelimitedListBox* ASender) { log << (ASender == window.List ? "enter" : "?"); };
  window.List->OnExit = [&](TDelimitedListBox* ASender) { log << (ASender == window.List ? "exit" : "?"); };
  window.List->SetFocus();
  window.Edit->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(log, (QStringList{"enter", "exit"}));
}

TEST(ListBoxSelection, AnErrorInAHandlerGoesToTheGeneralErrorReport) {
  TListWindow window = NumberedWindow();
  ASSERT_TRUE(window.Active);
  TGeneralErrors errors;
  window.List->OnClick = [](TDelimitedListBox*) { throw EListError(QStringLiteral("handler failed")); };
  window.Click(3);
  window.Key(Qt::Key_Down);
  EXPECT_EQ(errors.Messages, (QStringList{"handler failed", "handler failed"}));
  EXPECT_EQ(window.List->ItemIndex(), 4);
}
