// Find in the editor window: where the dialog opens, its direction, and the
// search rules down and up with match case and whole word.
#include "EditorTestSupport.h"

#include "QZ_FindDialog.h"

#include <vector>

namespace {

void Configure(TEditText& AEditor, const QStringList& ALines) {
  AEditor.SetSource(esStringList);
  AEditor.SetText(TStringList(ALines));
}

}  // namespace

TEST_F(EditorTest, FindOpensBesideTheTextAreaAndSearchesUpFromTheEnd) {
  TEditText editor;
  Configure(editor, {QStringLiteral("alpha beta"), QStringLiteral("beta")});
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    TFindDialog* find = AForm.FindDialog1();
    Key(AForm, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find->isVisible());
    EXPECT_TRUE(find->Down());
    EXPECT_EQ(find->pos(), AForm.Memo()->mapToGlobal(QPoint(20, 20)));

    find->SetFindText(QStringLiteral("beta"));
    find->FindNextButton()->click();
    EXPECT_EQ(AForm.Memo()->textCursor().selectionStart(), 6);
    EXPECT_EQ(Selected(AForm), QStringLiteral("beta"));
    find->CloseDialog();

    MoveToEnd(AForm);
    ActionOf(AForm, "Find2")->trigger();
    EXPECT_FALSE(find->Down());
    EXPECT_EQ(find->FindText(), QStringLiteral("beta"));  // kept between uses
    find->FindNextButton()->click();
    EXPECT_EQ(AForm.Memo()->textCursor().selectionStart(), 11);
    find->CloseDialog();
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, FindNextSelectsTheMatchOrMovesToTheEndOfTheSearchedRange) {
  // "Cat cat concat cat." : matches of "cat" start at 0, 4, 11 and 15.
  const QString text = QStringLiteral("Cat cat concat cat.");
  struct Case {
    const char* Name;
    int SelStart;
    int SelLength;
    QString What;
    bool Down;
    bool MatchCase;
    bool WholeWord;
    int ExpectedStart;
    int ExpectedLength;
  };
  const int end = int(text.size()) + 1;  // the line break the text area adds
  const std::vector<Case> cases = {
      {"down from the start", 0, 0, QStringLiteral("cat"), true, false, false, 0, 3},
      {"down skips the selection", 0, 3, QStringLiteral("cat"), true, false, false, 4, 3},
      {"down, match case", 0, 0, QStringLiteral("cat"), true, true, false, 4, 3},
      {"down, whole word skips concat", 5, 0, QStringLiteral("cat"), true, false, true, 15, 3},
      {"down past the last match", 15, 3, QStringLiteral("cat"), true, false, false, end, 0},
      {"up takes the last match before the selection", 15, 3, QStringLiteral("cat"), false, false, false, 11, 3},
      {"up, whole word", 15, 3, QStringLiteral("cat"), false, false, true, 4, 3},
      {"up, match case", 4, 0, QStringLiteral("Cat"), false, true, false, 0, 3},
      {"up needs the match wholly before the selection", 2, 0, QStringLiteral("cat"), false, false, false, 0, 1},
      {"up past the first match", 0, 3, QStringLiteral("cat"), false, false, false, 0, 1},
      {"no match at all, down", 0, 0, QStringLiteral("dog"), true, false, false, end, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TEditText editor;
    Configure(editor, {text});
    TEditorSession session;
    session.Script = [&](TEditTextForm& AForm) {
      TFindDialog* find = AForm.FindDialog1();
      Select(AForm, c.SelStart, c.SelLength);
      ActionOf(AForm, "FindBtn")->trigger();
      find->SetFindText(c.What);
      find->SetDown(c.Down);
      find->SetMatchCase(c.MatchCase);
      find->SetWholeWord(c.WholeWord);
      find->FindNextButton()->click();
      const QTextCursor cursor = AForm.Memo()->textCursor();
      EXPECT_EQ(cursor.selectionStart(), c.ExpectedStart);
      EXPECT_EQ(cursor.selectionEnd() - cursor.selectionStart(), c.ExpectedLength);
      find->CloseDialog();
    };
    editor.Execute(nullptr);
  }
}

TEST_F(EditorTest, RepeatedFindWalksThroughEveryMatch) {
  TEditText editor;
  Configure(editor, {QStringLiteral("one two one"), QStringLiteral("one")});
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    TFindDialog* find = AForm.FindDialog1();
    ActionOf(AForm, "Find1")->trigger();
    find->SetFindText(QStringLiteral("one"));
    std::vector<int> starts;
    for (int i = 0; i < 4; ++i) {
      find->FindNextButton()->click();
      starts.push_back(AForm.Memo()->textCursor().selectionStart());
    }
    EXPECT_EQ(starts, (std::vector<int>{0, 8, 12, 16}));
    find->SetDown(false);
    starts.clear();
    for (int i = 0; i < 4; ++i) {
      find->FindNextButton()->click();
      starts.push_back(AForm.Memo()->textCursor().selectionStart());
    }
    EXPECT_EQ(starts, (std::vector<int>{12, 8, 0, 0}));
    find->CloseDialog();
  };
  editor.Execute(nullptr);
}
