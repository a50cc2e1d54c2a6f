// Editing in the editor window: toggle case, sort, word wrap, undo, the
// clipboard commands, select all, font and the status bar.
#include "EditorTestSupport.h"

#include <QClipboard>
#include <vector>

namespace {

const QString kExitPrompt = QStringLiteral("Do you wish to Exit without Saving Changes");

// A component whose window shows the given lines and offers saving and sorting.
void Configure(TEditText& AEditor, const QStringList& ALines) {
  AEditor.SetSource(esStringList);
  AEditor.SetOptions({edAllowSave, edAllowSorting});
  AEditor.SetText(TStringList(ALines));
}

}  // namespace

TEST_F(EditorTest, ToggleCaseChangesOnlyAsciiLettersByTheFirstSelectedCharacter) {
  struct Case {
    QString Text;
    QString Expected;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("Hello"), QStringLiteral("hello")},
      {QStringLiteral("hello"), QStringLiteral("HELLO")},
      {QStringLiteral("HELLO"), QStringLiteral("hello")},
      {QStringLiteral("\u00E9a"), QStringLiteral("\u00E9A")},
      {QStringLiteral("1 \u00C9b\u00A0c"), QStringLiteral("1 \u00C9B\u00A0C")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    TEditText editor;
    Configure(editor, {QStringLiteral("<") + c.Text + QStringLiteral(">"), QStringLiteral("next")});
    int changes = 0;
    editor.OnTextChanged = [&](QObject*) { ++changes; };
    TEditorSession session;
    session.Answers = {QMessageBox::Yes};  // exit without saving
    session.Script = [&](TEditTextForm& AForm) {
      Select(AForm, 1, int(c.Text.size()));
      ActionOf(AForm, "btnUpper")->trigger();
      EXPECT_EQ(AForm.Lines().first(), QStringLiteral("<") + c.Expected + QStringLiteral(">"));
      EXPECT_EQ(Selected(AForm), c.Expected);
      EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));
      EXPECT_GE(changes, 2);  // the replacement's own change, then the explicit one

      const int before = changes;
      Select(AForm, 3, 0);
      ActionOf(AForm, "ToggleCase1")->trigger();  // nothing selected: nothing happens
      EXPECT_EQ(changes, before);
    };
    editor.Execute(nullptr);
  }
}

TEST_F(EditorTest, ToggleCaseOverALineBreakKeepsTheLines) {
  TEditText editor;
  Configure(editor, {QStringLiteral("ab"), QStringLiteral("cd")});
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};
  session.Script = [&](TEditTextForm& AForm) {
    Select(AForm, 1, 3);
    ActionOf(AForm, "btnUpper")->trigger();
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("aB"), QStringLiteral("Cd")}));
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, SortOrdersLinesWithoutMarkingTheDocumentUntilTheNextKeystroke) {
  const QStringList unsorted = {QStringLiteral("pear"), QStringLiteral("Apple"), QStringLiteral("banana"),
                                QString(), QStringLiteral("cherry")};
  const QStringList sorted = {QString(), QStringLiteral("Apple"), QStringLiteral("banana"), QStringLiteral("cherry"),
                              QStringLiteral("pear")};
  struct Case {
    const char* Name;
    QMessageBox::StandardButton Answer;
    bool KeystrokeAfter;
    QStringList Prompts;
  };
  const std::vector<Case> cases = {
      {"sort, then exit", QMessageBox::Yes, false, {QStringLiteral("Sort the File")}},
      {"sort, one keystroke, exit", QMessageBox::Yes, true, {QStringLiteral("Sort the File"), kExitPrompt}},
      {"sort refused", QMessageBox::No, false, {QStringLiteral("Sort the File")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString file = WriteFile(QStringLiteral("list.txt"), "pear\r\nApple\r\nbanana\r\n\r\ncherry\r\n");
    TEditText editor;
    editor.SetOptions({edAllowSave, edAllowSorting});
    editor.SetFileName(file);
    TEditorSession session;
    session.Answers = {c.Answer};
    if (c.KeystrokeAfter) session.Answers.push_back(QMessageBox::Yes);
    session.Script = [&](TEditTextForm& AForm) {
      ActionOf(AForm, "Sort2")->trigger();
      const bool sortedNow = c.Answer == QMessageBox::Yes;
      EXPECT_EQ(AForm.Lines(), sortedNow ? sorted : unsorted);
      EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QString());
      EXPECT_FALSE(AForm.EditData()->Modified);
      if (c.KeystrokeAfter) {
        Key(AForm, Qt::Key_End, Qt::ControlModifier);  // moves the caret only
        Type(AForm, QStringLiteral("x"));
        EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));
      }
      Key(AForm, Qt::Key_X, Qt::ControlModifier);
      EXPECT_FALSE(AForm.isVisible());
    };
    editor.Execute(nullptr);
    EXPECT_EQ(session.Messages, c.Prompts);
    EXPECT_EQ(Bytes(file), QByteArray("pear\r\nApple\r\nbanana\r\n\r\ncherry\r\n"));
  }
}

TEST_F(EditorTest, SortIsOneUndoableStep) {
  TEditText editor;
  Configure(editor, {QStringLiteral("b"), QStringLiteral("a")});
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};
  session.Script = [&](TEditTextForm& AForm) {
    ActionOf(AForm, "Sort1")->trigger();
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    AForm.Memo()->undo();
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, WordWrapSwitchKeepsTextModifiedStateAndCaretAndLeavesNoTemporaryFile) {
  const QString text = QStringLiteral("tab\there, non\u00A0breaking, \u0141\u00F3d\u017A and a long line");
  TEditText editor;
  Configure(editor, {text, QStringLiteral("second")});
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};
  session.Script = [&](TEditTextForm& AForm) {
    Select(AForm, 4, 0);
    Type(AForm, QStringLiteral("X"));
    const QString before = AForm.Memo()->document()->toRawText();

    Key(AForm, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(AForm.Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_NE(AForm.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(ActionOf(AForm, "WordWrap1")->isChecked());
    EXPECT_FALSE(ActionOf(AForm, "WordWrap2")->isChecked());
    EXPECT_EQ(AForm.Memo()->document()->toRawText(), before);
    EXPECT_EQ(AForm.Memo()->textCursor().position(), 5);
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));
    EXPECT_TRUE(AForm.EditData()->Modified);

    ActionOf(AForm, "WordWrap2")->trigger();  // the tool bar toggle switches back
    EXPECT_EQ(AForm.Memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(AForm.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(ActionOf(AForm, "WordWrap1")->isChecked());
    EXPECT_TRUE(ActionOf(AForm, "WordWrap2")->isChecked());
    EXPECT_EQ(AForm.Memo()->document()->toRawText(), before);
    EXPECT_TRUE(QDir(TempFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(session.Messages, QStringList{kExitPrompt});
}

TEST_F(EditorTest, WordWrapSwitchesEvenWhenTheTemporaryCopyCannotBeWritten) {
  // A file where the temporary folder should be: no copy can be made there.
  ScopedEnvironment noTemp("TMPDIR", WriteFile(QStringLiteral("not a folder"), "x"));
  TEditText editor;
  Configure(editor, {QStringLiteral("kept")});
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    ActionOf(AForm, "WordWrap1")->trigger();
    EXPECT_EQ(AForm.Memo()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("kept")});
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QString());
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, StatusBarAndCommandStatesFollowTheCaretAndTheSelection) {
  TEditText editor;
  Configure(editor, {QStringLiteral("first line"), QStringLiteral("second")});
  TEditorSession session;  // the cut is undone again: closing asks nothing
  session.Script = [&](TEditTextForm& AForm) {
    for (const char* name : {"Cut1", "Cut2", "ToolButton3", "Copy1", "Copy2", "ToolButton4", "Undo1", "Undo2",
                             "ToolButton10"}) {
      EXPECT_FALSE(ActionOf(AForm, name)->isEnabled()) << name;
    }
    Select(AForm, 13, 0);
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelLine), QStringLiteral("Line: 2"));
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelColumn), QStringLiteral("Col: 3"));

    Select(AForm, 6, 4);
    for (const char* name : {"Cut1", "Cut2", "ToolButton3", "Copy1", "Copy2", "ToolButton4"}) {
      EXPECT_TRUE(ActionOf(AForm, name)->isEnabled()) << name;
    }
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelColumn), QStringLiteral("Col: 7"));

    ActionOf(AForm, "Copy1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("line"));
    ActionOf(AForm, "Cut2")->trigger();
    EXPECT_EQ(AForm.Lines().first(), QStringLiteral("first "));
    EXPECT_TRUE(ActionOf(AForm, "Undo1")->isEnabled());
    EXPECT_TRUE(ActionOf(AForm, "ToolButton10")->isEnabled());

    Key(AForm, Qt::Key_Backspace, Qt::AltModifier);  // Undo
    EXPECT_EQ(AForm.Lines().first(), QStringLiteral("first line"));
    EXPECT_FALSE(ActionOf(AForm, "Undo2")->isEnabled());

    // Cut and Copy with nothing selected leave the clipboard alone.
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    Select(AForm, 2, 0);
    Key(AForm, Qt::Key_Delete, Qt::ShiftModifier);
    Key(AForm, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("untouched"));

    Key(AForm, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Selected(AForm), QStringLiteral("first line\u2029second\u2029"));
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, FontDialogSetsNameStyleAndSizeOfTheTextArea) {
  TEditText editor;
  Configure(editor, {QStringLiteral("x")});
  TEditorSession session;
  QFont chosen(QStringLiteral("DejaVu Serif"), 14);
  chosen.setBold(true);
  chosen.setItalic(true);
  session.Font = chosen;
  session.Script = [&](TEditTextForm& AForm) {
    ActionOf(AForm, "ToolButton9")->trigger();
    const QFont font = AForm.Memo()->font();
    EXPECT_EQ(font.family(), chosen.family());
    EXPECT_EQ(font.pointSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());

    session.Font.reset();  // cancelled: unchanged
    ActionOf(AForm, "Font2")->trigger();
    EXPECT_EQ(AForm.Memo()->font(), font);
  };
  editor.Execute(nullptr);
}
