// The find dialog and searching the rows.
#include "ListBoxFixtures.h"
#include "QZ_FindDialog.h"

#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QStringList kNames = {"Bob", "Joanne", "Carl", "ANNA", "\u00C9mile", "Dora"};

std::unique_ptr<TRecordingListBox> NamesList() {
  auto list = MakeListBox(1);
  list->Items().AddStrings(kNames);
  return list;
}

void FindNext(TDelimitedListBox& AList, const QString& AText, bool ADown = true) {
  AList.FindDialog().SetFindText(AText);
  AList.FindDialog().SetDown(ADown);
  emit AList.FindDialog().FindNext();
}

}  // namespace

TEST(FindDialog, OffersTextDirectionAndChoicesThatCanBeHidden) {
  TFindDialog dialog;
  EXPECT_FALSE(dialog.isModal());
  EXPECT_TRUE(dialog.Down());
  EXPECT_FALSE(dialog.FindNextButton()->isEnabled());
  QSignalSpy finds(&dialog, &TFindDialog::FindNext);

  dialog.Execute();
  EXPECT_TRUE(dialog.isVisible());
  dialog.SetFindText(QStringLiteral("ann"));
  ASSERT_TRUE(dialog.FindNextButton()->isEnabled());
  dialog.FindNextButton()->click();
  dialog.FindNextButton()->click();
  EXPECT_EQ(finds.count(), 2);
  EXPECT_TRUE(dialog.isVisible());  // it stays open beside the window

  dialog.SetMatchCaseHidden(true);
  dialog.SetWholeWordHidden(true);
  EXPECT_TRUE(dialog.MatchCaseHidden() && dialog.WholeWordHidden());
  dialog.SetMatchCase(true);
  dialog.SetWholeWord(true);
  dialog.SetDown(false);
  EXPECT_TRUE(dialog.MatchCase() && dialog.WholeWord() && !dialog.Down());
  dialog.CloseDialog();
  EXPECT_FALSE(dialog.isVisible());
}

TEST(ListBoxFind, ExecuteOpensTheDialogFromTheCurrentRow) {
  auto list = NamesList();
  list->SetItemIndex(2);
  list->FindDialogExecute();
  EXPECT_TRUE(list->FindDialog().isVisible());
  EXPECT_TRUE(list->FindDialog().Down());
  EXPECT_TRUE(list->FindDialog().MatchCaseHidden());
  EXPECT_TRUE(list->FindDialog().WholeWordHidden());
  EXPECT_EQ(list->FindPosition(), 2);
  list->FindDialogClose();
  EXPECT_FALSE(list->FindDialog().isVisible());

  auto empty = MakeListBox(1);
  empty->SetFindPosition(4);
  empty->FindDialogExecute();
  EXPECT_EQ(empty->FindPosition(), 0);
  empty->FindDialogClose();
}

TEST(ListBoxFind, SearchesMoveOnFromTheFindPositionWithinTheList) {
  struct Step {
    const char* Text;
    bool Down;
    int ItemIndex;     // afterwards
    int FindPosition;  // afterwards
  };
  struct Case {
    const char* Name;
    int Start;
    std::vector<Step> Steps;
  };
  const Case cases[] = {
      {"down finds Joanne then ANNA", 0, {{"ann", true, 1, 1}, {"ann", true, 3, 3}}},
      {"a miss down keeps the last row", 0, {{"ann", true, 1, 1}, {"ann", true, 3, 3}, {"ann", true, 3, 5}}},
      {"up from the last row after a miss", 0, {{"zzz", true, 0, 5}, {"ann", false, 3, 3}, {"ann", false, 1, 1}}},
      {"a miss up ends at -1, then down starts at row 0", 3,
       {{"bob", false, 0, 0}, {"bob", false, 0, -1}, {"bob", true, 0, 0}}},
      {"the last row matches again and again", 5, {{"dora", true, 5, 5}, {"DORA", true, 5, 5}}},
      {"only a-z are folded", 0, {{"\u00E9mile", true, 0, 5}, {"\u00C9MILE", false, 4, 4}}},
      {"an empty text finds nothing", 0, {{"", true, 0, 5}}},
  };
  for (const Case& c : cases) {
    auto list = NamesList();
    list->SetItemIndex(c.Start);
    list->FindDialogExecute();
    for (const Step& step : c.Steps) {
      FindNext(*list, QString::fromUtf8(step.Text), step.Down);
      EXPECT_EQ(list->ItemIndex(), step.ItemIndex) << c.Name << ": " << step.Text;
      EXPECT_EQ(list->FindPosition(), step.FindPosition) << c.Name << ": " << step.Text;
    }
    list->FindDialogClose();
  }
}

TEST(ListBoxFind, TheWholeRowStringIsSearchedDelimitersIncluded) {
  auto list = MakeListBox(3);
  list->Items().AddStrings({QStringLiteral("Ann;Witch;85"), QStringLiteral("Bob;Warder;62")});
  list->FindDialogExecute();
  FindNext(*list, QStringLiteral("R;6"));
  EXPECT_EQ(list->ItemIndex(), 1);
  list->FindDialogClose();
}

TEST(ListBoxFind, AFoundRowOutOfViewScrollsToTheTop) {
  auto list = MakeListBox(1);
  AddNumberedRows(*list, 40);
  list->Items().Put(30, QStringLiteral("Needle"));
  list->FindDialogExecute();
  FindNext(*list, QStringLiteral("needle"));
  EXPECT_EQ(list->ItemIndex(), 30);
  EXPECT_EQ(list->TopRow(), 30);
  list->FindDialogClose();
}

TEST(ListBoxFind, ClicksDoNotMoveTheFindPosition) {
  auto list = NamesList();
  TListWindow window(std::move(list));
  ASSERT_TRUE(window.Active);
  window.List->FindDialogExecute();
  FindNext(*window.List, QStringLiteral("ann"));
  ASSERT_EQ(window.List->FindPosition(), 1);
  window.Window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window.Window));
  window.Click(5);
  EXPECT_EQ(window.List->FindPosition(), 1);
  FindNext(*window.List, QStringLiteral("ann"));
  EXPECT_EQ(window.List->ItemIndex(), 3);
  window.List->FindDialogClose();
}

TEST(ListBoxFind, AnEmptyListOrAShrunkenListFindsSafely) {
  auto list = NamesList();
  list->SetFindPosition(5);
  list->Items().Delete(5);
  list->Items().Delete(4);  // the find position now lies past the end
  FindNext(*list, QStringLiteral("bob"), false);
  EXPECT_EQ(list->ItemIndex(), 0);
  list->Clear();
  FindNext(*list, QStringLiteral("bob"));
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(ListBoxFind, LeavingTheListForAnotherControlClosesTheDialogFirst) {
  auto list = NamesList();
  TListWindow window(std::move(list));
  ASSERT_TRUE(window.Active);
  bool dialogOpenAtExit = true;
  int exits = 0;
  window.List->OnExit = [&](TDelimitedListBox* ASender) {
    ++exits;
    dialogOpenAtExit = ASender->FindDialog().isVisible();
  };
  window.List->SetFocus();
  window.List->FindDialogExecute();
  ASSERT_TRUE(window.List->FindDialog().isVisible());
  // Working in the dialog keeps it open.
  EXPECT_EQ(exits, 0);
  window.Window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window.Window));
  EXPECT_TRUE(window.List->FindDialog().isVisible());

  window.List->SetFocus();
  window.Edit->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(dialogOpenAtExit);
  EXPECT_FALSE(window.List->FindDialog().isVisible());
}
