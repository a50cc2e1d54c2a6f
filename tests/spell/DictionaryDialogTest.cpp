#include "QZ_DictionaryDialog.h"

#include "DialogScript.h"
#include "QZ_Dictionary.h"
#include "ScopedDataFolder.h"
#include "TextFile.h"

#include <QPlainTextEdit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using Answer = DialogScript::Answer;

namespace {

class DictionaryDialogTest : public ::testing::Test {
protected:
  ScopedDataFolder FData;
  TDictionary FDictionary;
  TDictionaryDialog FDialog{FDictionary};
  QPlainTextEdit FMemo;
};

TEST_F(DictionaryDialogTest, ChangesCountOnlyWhenTheWordDiffersBeyondCase) {
  FMemo.setPlainText(QStringLiteral("Teh cat's blorft, teh end"));
  DialogScript script({{Answer::Change, QStringLiteral("teh")},
                       {Answer::AddToCustom},
                       {Answer::Change, {}, QStringLiteral("the")}},
                      &FMemo);
  EXPECT_EQ(FDialog.SpellCheckDialog(&FMemo), 1);

  // The apostrophe belongs to words here, and cat's is judged by cat.
  EXPECT_THAT(script.Words, ElementsAre(QStringLiteral("Teh"), QStringLiteral("blorft"), QStringLiteral("teh")));
  EXPECT_EQ(script.Words, script.Selections);
  EXPECT_EQ(FMemo.toPlainText(), QStringLiteral("teh cat's blorft, the end"));
  EXPECT_EQ(ReadFileBytes(FData.CustomFile()), QByteArray("blorft\r\n"));
  EXPECT_TRUE(script.Messages.isEmpty());
}

TEST_F(DictionaryDialogTest, CloseBoxEndsTheCheckAndEmptyTextShowsNothing) {
  FMemo.setPlainText(QStringLiteral("Tahe x tahe"));
  {
    DialogScript script({{Answer::Change, QStringLiteral("Take")}, {Answer::CloseBox}}, &FMemo);
    EXPECT_EQ(FDialog.SpellCheckDialog(&FMemo), 1);
    EXPECT_EQ(script.Words.size(), 2u);
  }
  EXPECT_EQ(FMemo.toPlainText(), QStringLiteral("Take x tahe"));

  FMemo.clear();
  DialogScript none({}, &FMemo);
  EXPECT_EQ(FDialog.SpellCheckDialog(&FMemo), 0);
}

TEST_F(DictionaryDialogTest, Layout) {
  FMemo.setPlainText(QStringLiteral("Teh"));
  DialogScript script(std::vector<Answer>{{Answer::Escape}});
  EXPECT_EQ(FDialog.SpellCheckDialog(&FMemo), 0);
  ASSERT_EQ(script.Shapes.size(), 1u);
  const DialogScript::Shape& shape = script.Shapes[0];
  EXPECT_EQ(shape.Title, QStringLiteral("Spell Check"));
  EXPECT_EQ(shape.Client.height(), 258);
  EXPECT_EQ(shape.Edit.topLeft(), QPoint(8, 8));
  EXPECT_EQ(shape.Edit.width(), 240);
  EXPECT_EQ(shape.List, QRect(8, 32, 240, 188));
  EXPECT_EQ(shape.Ignore, QRect(6, 228, 80, 25));
  EXPECT_EQ(shape.Change, QRect(87, 228, 80, 25));
  EXPECT_EQ(shape.Add, QRect(169, 228, 80, 25));
}

}  // namespace
