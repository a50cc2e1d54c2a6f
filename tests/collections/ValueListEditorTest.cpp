#include "QZ_ValueListEditor.h"

#include "WindowTestSupport.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ValueListEditorTest : public ::testing::Test {
protected:
  ValueListEditorTest() {
    FEditor.SetStrings({"Home=https://www.grimdawn.com", "Wiki=https://grimdawn.fandom.com", "Forum=f"});
    FEditor.show();
  }

  // Types a text into a cell through the cell editor and presses Return.
  void Type(int ARow, int AColumn, const QString& AText) {
    FEditor.setCurrentCell(ARow, AColumn);
    FEditor.editItem(FEditor.item(ARow, AColumn));
    auto* lineEdit = qobject_cast<QLineEdit*>(FEditor.indexWidget(FEditor.currentIndex()));
    ASSERT_NE(lineEdit, nullptr);
    lineEdit->setText(AText);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    Settle();
  }

  // Runs what the event loop would: the queued commit, then the report it
  // queues in turn, then the closed editor's deletion.
  static void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Press(Qt::Key AKey, Qt::KeyboardModifiers AModifiers = Qt::NoModifier) {
    QTest::keyClick(&FEditor, AKey, AModifiers);
  }

  TValueListEditor FEditor;
};

TEST_F(ValueListEditorTest, KeyEditsFollowTheKeyRules) {
  struct Case {
    const char* Typed;
    bool UniqueKeys;
    const char* ExpectedKey;
    bool Reported;
  };
  const Case cases[] = {
      {"wIKI", true, "Forum", true},      // another row's key in other case
      {"a=b", true, "Forum", true},       // would split into another key
      {"Forum", true, "Forum", false},    // its own key again
      {"forum", true, "forum", false},    // its own key in other case
      {"Builds", true, "Builds", false},  // new key
      {"", true, "", false},              // emptied, as a new row is
      {"Wiki", false, "Wiki", false},     // duplicates allowed when asked for
  };
  for (const Case& c : cases) {
    FEditor.SetStrings({"Home=h", "Wiki=w", "Forum=f"});
    FEditor.SetUniqueKeys(c.UniqueKeys);
    TGeneralErrors errors;
    Type(2, TValueListEditor::KeyColumn, QString::fromUtf8(c.Typed));
    EXPECT_EQ(FEditor.Key(2), QString::fromUtf8(c.ExpectedKey)) << c.Typed;
    EXPECT_EQ(FEditor.Value(2), QStringLiteral("f")) << c.Typed;
    EXPECT_EQ(errors.Messages.size(), c.Reported ? 1 : 0) << c.Typed;
  }
}

TEST_F(ValueListEditorTest, ARefusedKeyCanBeRetypedLater) {
  TGeneralErrors errors;
  Type(2, TValueListEditor::KeyColumn, QStringLiteral("Home"));
  Type(0, TValueListEditor::KeyColumn, QStringLiteral("Start"));
  Type(2, TValueListEditor::KeyColumn, QStringLiteral("Home"));
  EXPECT_EQ(FEditor.Strings(), QStringList({"Start=https://www.grimdawn.com", "Wiki=https://grimdawn.fandom.com",
                                            "Home=f"}));
  EXPECT_EQ(errors.Messages.size(), 1);
}

TEST_F(ValueListEditorTest, LineBreaksInACellBecomeBlanks) {
  FEditor.item(1, TValueListEditor::ValueColumn)->setText(QStringLiteral("one\r\ntwo\nthree\rfour"));
  EXPECT_EQ(FEditor.Value(1), QStringLiteral("one two three four"));
}

TEST_F(ValueListEditorTest, RowsAreExchangedAsLinesSplitAtTheFirstEquals) {
  FEditor.SetStrings({"q=https://x.example/?a=1&b=2", "bare", "=v"});
  EXPECT_EQ(FEditor.Key(0), QStringLiteral("q"));
  EXPECT_EQ(FEditor.Value(0), QStringLiteral("https://x.example/?a=1&b=2"));
  EXPECT_EQ(FEditor.Strings(), QStringList({"q=https://x.example/?a=1&b=2", "bare=", "=v"}));
  EXPECT_EQ(FEditor.FindRow(QStringLiteral("Q")), 0);
  EXPECT_EQ(FEditor.FindRow(QStringLiteral("none")), -1);
}

TEST_F(ValueListEditorTest, KeyboardAddsAndDeletesRows) {
  FEditor.setFocus();
  FEditor.setCurrentCell(0, TValueListEditor::KeyColumn);
  Press(Qt::Key_Insert);
  EXPECT_EQ(FEditor.RowCount(), 4);
  EXPECT_EQ(FEditor.currentRow(), 1);
  EXPECT_TRUE(FEditor.Key(1).isEmpty());

  Press(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(FEditor.Strings(), QStringList({"Home=https://www.grimdawn.com", "Wiki=https://grimdawn.fandom.com",
                                            "Forum=f"}));

  FEditor.setCurrentCell(2, TValueListEditor::KeyColumn);
  Press(Qt::Key_Down);  // below the last row: a new row
  Press(Qt::Key_Down);  // the new row is still empty: no second one
  EXPECT_EQ(FEditor.RowCount(), 4);
  EXPECT_EQ(FEditor.currentRow(), 3);
}

TEST_F(ValueListEditorTest, ReadOnlyGridTakesNoEditsAndNoRowChanges) {
  FEditor.SetReadOnly(true);
  FEditor.setCurrentCell(2, TValueListEditor::KeyColumn);
  Press(Qt::Key_Insert);
  Press(Qt::Key_Down);
  Press(Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(FEditor.RowCount(), 3);
  Press(Qt::Key_F2);
  Press(Qt::Key_A);
  QTest::mouseDClick(FEditor.viewport(), Qt::LeftButton, {}, FEditor.visualItemRect(FEditor.item(1, 1)).center());
  EXPECT_EQ(FEditor.indexWidget(FEditor.currentIndex()), nullptr);
}

}  // namespace
