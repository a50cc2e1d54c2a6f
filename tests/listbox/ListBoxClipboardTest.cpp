// The three clipboard layouts and the automatic context-menu items.
#include "ListBoxFixtures.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

// Columns: text, a number with thousands separators, a date.
std::unique_ptr<TRecordingListBox> MixedList() {
  auto list = MakeListBox(3, 100, QStringLiteral("0\n2þ0,\n1þdd/mm/yyyy"));
  list->Items().AddStrings({QStringLiteral(" Ann ;1234567;45000.5"), QStringLiteral("Bob \"B\";x;0")});
  return list;
}

void RequestContextMenu(TDelimitedListBox& AList) {
  QWidget* rows = AList.Grid()->viewport();
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 5), rows->mapToGlobal(QPoint(10, 5)));
  QApplication::sendEvent(rows, &request);
}

QStringList MenuItems(const QMenu& AMenu) {
  QStringList items;
  for (const QAction* action : AMenu.actions()) {
    items << QStringLiteral("%1 %2").arg(action->data().toInt()).arg(action->isSeparator() ? "-" : action->text());
  }
  return items;
}

const QStringList kMenuWithCopyCommands = {
    "0 Edit Character's Specialised Collections",
    "-4 -",
    "-3 Copy Selected Row to Clipboard",
    "-2 Copy Rows to Clipboard (Fixed Length)",
    "-1 Copy Rows to Clipboard (Comma Delimited)",
};

}  // namespace

TEST(ListBoxClipboard, CommaCopyQuotesTrimmedFieldsWithDatesButRawNumbers) {
  auto list = MixedList();
  list->CopyToClipboardComma();
  EXPECT_EQ(Clipboard(), QStringLiteral("\"Ann\",\"1234567\",\"15/03/2023\"\r\n"
                                        "\"Bob \"B\"\",\"x\",\"\"\r\n"));
}

TEST(ListBoxClipboard, FixedCopyPadsEachFieldToItsColumnsWidestTextPlusOne) {
  auto list = MixedList();
  // Widest texts: "Bob \"B\"" (7), "1,234,567" (9, longer than any stored
  // number), "15/03/2023" (10): the formatted texts widen their columns.
  list->CopyToClipboardFixed();
  const QString row0 = QStringLiteral(" Ann    1,234,567 15/03/2023 \r\n");
  const QString row1 = QStringLiteral("Bob \"B\" 0") + QString(9 + 11, u' ') + QStringLiteral("\r\n");
  EXPECT_EQ(Clipboard(), row0 + row1);
}

TEST(ListBoxClipboard, FixedCopyOfAFiveCharacterColumn) {
  auto list = MakeListBox(1);
  list->Items().AddStrings({QStringLiteral("ab"), QStringLiteral("abcde")});
  list->CopyToClipboardFixed();
  EXPECT_EQ(Clipboard(), QStringLiteral("ab    \r\nabcde \r\n"));
}

TEST(ListBoxClipboard, SelectedCopyWritesTheCurrentRowWithTrailingSpaces) {
  auto list = MakeListBox(3, 80, QStringLiteral("0\n0\n2þ0,"));
  list->Items().AddStrings({QStringLiteral("Ann;Witch;85"), QStringLiteral(" Bob ;Warder;1234567")});
  list->CopyToClipboardSelected();
  EXPECT_EQ(Clipboard(), QStringLiteral("Ann Witch 85 "));
  list->SetItemIndex(1);
  list->CopyToClipboardSelected();
  EXPECT_EQ(Clipboard(), QStringLiteral("Bob Warder 1,234,567 "));
  // In multi-select mode too, only the current row.
  list->SetMultiSelect(true);
  list->AddToMultiSelection(0);
  list->CopyToClipboardSelected();
  EXPECT_EQ(Clipboard(), QStringLiteral("Bob Warder 1,234,567 "));
}

TEST(ListBoxClipboard, AnEmptyListCopiesAnEmptyTextOrLeavesTheClipboard) {
  auto list = MakeListBox(3);
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  list->CopyToClipboardSelected();
  EXPECT_EQ(Clipboard(), QStringLiteral("before"));
  list->CopyToClipboardComma();
  EXPECT_EQ(Clipboard(), QString());
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  list->CopyToClipboardFixed();
  EXPECT_EQ(Clipboard(), QString());
}

TEST(ListBoxMenu, TheCopyCommandsAreAddedOnceBehindTheCallersItems) {
  auto list = MixedList();
  QMenu menu;
  menu.addAction(QStringLiteral("Edit Character's Specialised Collections"));
  list->SetPopupMenu(&menu);
  list->SetAutomaticPopup(true);

  RequestContextMenu(*list);
  EXPECT_EQ(MenuItems(menu), kMenuWithCopyCommands);
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
  RequestContextMenu(*list);
  EXPECT_EQ(MenuItems(menu), kMenuWithCopyCommands);
  menu.hide();

  // The items run their commands.
  menu.actions().at(2)->trigger();
  EXPECT_EQ(Clipboard(), QStringLiteral("Ann 1,234,567 15/03/2023 "));
  menu.actions().at(4)->trigger();
  EXPECT_TRUE(Clipboard().startsWith(QStringLiteral("\"Ann\",")));

  // Switched off, the next request takes them out again.
  list->SetAutomaticPopup(false);
  RequestContextMenu(*list);
  EXPECT_EQ(MenuItems(menu), QStringList{kMenuWithCopyCommands.front()});
  menu.hide();
}

TEST(ListBoxMenu, OnlyMissingItemsAreAdded) {
  auto list = MixedList();
  QMenu menu;
  menu.addAction(QStringLiteral("Edit Character's Specialised Collections"));
  menu.addAction(QStringLiteral("My own fixed copy"))->setData(TDelimitedListBox::kTagCopyFixed);
  list->SetPopupMenu(&menu);
  list->SetAutomaticPopup(true);
  RequestContextMenu(*list);
  EXPECT_EQ(MenuItems(menu), (QStringList{kMenuWithCopyCommands[0], "-2 My own fixed copy", kMenuWithCopyCommands[1],
                                          kMenuWithCopyCommands[2], kMenuWithCopyCommands[4]}));
  menu.hide();
}

TEST(ListBoxMenu, AContextPopupHandlerReplacesTheAutomaticItems) {
  auto list = MixedList();
  QMenu menu;
  menu.addAction(QStringLiteral("Edit Character's Specialised Collections"));
  list->SetPopupMenu(&menu);
  list->SetAutomaticPopup(true);
  std::vector<QPoint> positions;
  bool handle = false;
  list->OnContextPopup = [&](TDelimitedListBox* ASender, const QPoint& AMousePos, bool& AHandled) {
    EXPECT_EQ(ASender, list.get());
    positions.push_back(AMousePos);
    AHandled = handle;
  };

  RequestContextMenu(*list);
  EXPECT_EQ(positions, std::vector<QPoint>{QPoint(10, 5)});
  EXPECT_EQ(menu.actions().size(), 1);
  EXPECT_TRUE(menu.isVisible());  // not handled: the caller's menu opens as it is
  menu.hide();

  handle = true;
  RequestContextMenu(*list);
  EXPECT_FALSE(menu.isVisible());
}

TEST(ListBoxMenu, WithoutAMenuARequestDoesNothing) {
  auto list = MixedList();
  list->SetAutomaticPopup(true);
  RequestContextMenu(*list);  // must not fail
  QMenu* menu = new QMenu;
  list->SetPopupMenu(menu);
  delete menu;  // a menu destroyed elsewhere is forgotten
  EXPECT_EQ(list->PopupMenu(), nullptr);
  RequestContextMenu(*list);
}
