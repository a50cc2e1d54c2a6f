// The editor component: its defaults, how it prepares the window, loading the
// file, the modal and non-modal openings and what it keeps afterwards.
#include "EditorTestSupport.h"

#include <QFileInfo>
#include <QFrame>
#include <QPointer>
#include <QToolBar>
#include <map>
#include <string>
#include <vector>

namespace {

// The option-bound and editing commands whose visibility the component decides.
const std::vector<const char*> kCommandNames = {
    "OpenBtn",  "OpenFile1",     "NewBtn", "NewFile1", "SaveBtn",     "Save1",      "SaveAsBtn",  "SaveAs1",
    "PrtBtn",   "Print1",        "PrinterSetup1",      "Sort2",       "Sort1",      "btnSpell",   "SpellCheck1",
    "Undo1",    "Undo2",         "ToolButton10",       "Cut1",        "Cut2",       "ToolButton3", "Paste1",
    "Paste2",   "ToolButton5",   "btnUpper", "ToggleCase1", "Copy1", "ToolButton4", "Find1", "FindBtn", "Exit1",
    "Font2",    "WordWrap1"};

std::map<std::string, bool> VisibleCommands(TEditTextForm& AForm) {
  std::map<std::string, bool> visible;
  for (const char* name : kCommandNames) {
    auto* action = AForm.findChild<QAction*>(QString::fromLatin1(name));
    visible[name] = action != nullptr && action->isVisible();
  }
  return visible;
}

}  // namespace

TEST_F(EditorTest, FreshInstanceHasItsDefaultsAndOpensAModalWindowOfThatShape) {
  TEditText editor;
  EXPECT_TRUE(editor.FileName().isEmpty());
  EXPECT_EQ(editor.Source(), esTextFile);
  EXPECT_TRUE(editor.DisplayModal());
  EXPECT_TRUE(editor.WordWrap());
  EXPECT_EQ(editor.Height(), 480);
  EXPECT_EQ(editor.Width(), 550);
  EXPECT_TRUE(editor.Caption().isEmpty());
  EXPECT_EQ(editor.Options(), TEditTextOptionsSet{edAllowSave});
  EXPECT_FALSE(editor.ReadOnly());
  EXPECT_TRUE(editor.ToolBar());
  EXPECT_EQ(editor.Color(), clWindow);
  EXPECT_FALSE(editor.Modified());

  TEditorSession session;
  bool shown = false;
  session.Script = [&](TEditTextForm& AForm) {
    shown = true;
    EXPECT_TRUE(AForm.IsModalEditor());
    EXPECT_EQ(OpenEditTextForm(), &AForm);
    EXPECT_EQ(AForm.OuterSize(), QSize(550, 480));
    EXPECT_EQ(AForm.Memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(AForm.Memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(AForm.Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(ActionOf(AForm, "WordWrap1")->isChecked());
    EXPECT_TRUE(ActionOf(AForm, "WordWrap2")->isChecked());
    EXPECT_TRUE(AForm.ToolBarWidget()->isVisible());
    EXPECT_FALSE(AForm.Memo()->isReadOnly());
    EXPECT_EQ(AForm.windowTitle(), QString());
    const auto visible = VisibleCommands(AForm);
    EXPECT_TRUE(visible.at("SaveBtn") && visible.at("Save1"));
    for (const char* hidden : {"OpenBtn", "NewBtn", "SaveAsBtn", "PrtBtn", "PrinterSetup1", "Sort2", "btnSpell"}) {
      EXPECT_FALSE(visible.at(hidden)) << hidden;
    }
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelLine), QStringLiteral("Line: 1"));
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelColumn), QStringLiteral("Col: 1"));
  };
  editor.Execute(nullptr);
  EXPECT_TRUE(shown);
  EXPECT_EQ(OpenEditTextForm(), nullptr);
}

TEST_F(EditorTest, OptionsAndReadOnlyDecideWhichCommandsAreOffered) {
  struct Case {
    const char* Name;
    TEditTextOptionsSet Options;
    bool ReadOnly;
    std::vector<const char*> Hidden;  // every other command stays visible
    int FirstSeparatorWidth;
  };
  const std::vector<const char*> fileCommands = {"OpenBtn", "OpenFile1", "NewBtn", "NewFile1", "SaveBtn", "Save1",
                                                 "SaveAsBtn", "SaveAs1", "PrtBtn", "Print1", "PrinterSetup1",
                                                 "Sort2", "Sort1", "btnSpell", "SpellCheck1"};
  const TEditTextOptionsSet all{edAllowSave,    edAllowSaveAs, edAllowOpen,      edAllowNew,
                                edAllowSorting, edAllowPrint,  edAllowSpellCheck};
  const std::vector<Case> cases = {
      {"no options", {}, false, fileCommands, 1},
      {"every option", all, false, {}, 8},
      {"read-only with sorting", {edAllowSorting, edAllowSave}, true,
       {"OpenBtn", "OpenFile1", "NewBtn", "NewFile1", "SaveAsBtn", "SaveAs1", "PrtBtn", "Print1", "PrinterSetup1",
        "btnSpell", "SpellCheck1", "Undo1", "Undo2", "ToolButton10", "Cut1", "Cut2", "ToolButton3", "Paste1",
        "Paste2", "ToolButton5", "btnUpper", "ToggleCase1", "Sort2", "Sort1"},
       8},
      {"print only", {edAllowPrint}, false,
       {"OpenBtn", "OpenFile1", "NewBtn", "NewFile1", "SaveBtn", "Save1", "SaveAsBtn", "SaveAs1", "Sort2", "Sort1",
        "btnSpell", "SpellCheck1"},
       8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TEditText editor;
    editor.SetOptions(c.Options);
    editor.SetReadOnly(c.ReadOnly);
    TEditorSession session;
    session.Script = [&](TEditTextForm& AForm) {
      std::map<std::string, bool> expected;
      for (const char* name : kCommandNames) expected[name] = true;
      for (const char* name : c.Hidden) expected[name] = false;
      EXPECT_EQ(VisibleCommands(AForm), expected);
      EXPECT_EQ(AForm.FirstSeparator()->width(), c.FirstSeparatorWidth);
      EXPECT_EQ(AForm.Memo()->isReadOnly(), c.ReadOnly);
    };
    editor.Execute(nullptr);
  }
}

TEST_F(EditorTest, CaptionIsTheTrimmedCaptionOrElseTheFileName) {
  const QString file = WriteFile(QStringLiteral("notes.doc"), "x\r\n");
  struct Case {
    QString Caption;
    QString FileName;
    QString Title;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("  General Notes\t"), file, QStringLiteral("General Notes")},
      {QStringLiteral(" \t "), file, file},
      {QString(), QString(), QString()},
  };
  for (const Case& c : cases) {
    TEditText editor;
    editor.SetCaption(c.Caption);
    editor.SetFileName(c.FileName);
    TEditorSession session;
    editor.Execute(nullptr);
    EXPECT_EQ(session.ShownTitle, c.Title) << c.Caption.toStdString();
  }
}

TEST_F(EditorTest, TextFileIsReadWithItsByteOrderMarkAndLineBreaks) {
  struct Case {
    const char* Name;
    QByteArray Bytes;
    QStringList Lines;
  };
  const std::vector<Case> cases = {
      {"8-bit code page", QByteArray("caf\xE9\r\n\x80 sign\r\n"), {QStringLiteral("café"), QStringLiteral("€ sign")}},
      {"UTF-8 mark", QByteArray("\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n"), {QStringLiteral("Łódź")}},
      {"UTF-16 LE mark", QByteArray("\xFF\xFEH\0i\0\r\0\n\0", 10), {QStringLiteral("Hi")}},
      {"UTF-16 BE mark", QByteArray("\xFE\xFF\0H\0i", 6), {QStringLiteral("Hi")}},
      {"LF, CR and a missing last break", QByteArray("one\ntwo\rthree"),
       {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}},
      {"empty lines kept", QByteArray("\r\n\r\nx\r\n"), {QString(), QString(), QStringLiteral("x")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TEditText editor;
    editor.SetFileName(WriteFile(QStringLiteral("doc.txt"), c.Bytes));
    TEditorSession session;
    session.Script = [&](TEditTextForm& AForm) { EXPECT_EQ(AForm.Lines(), c.Lines); };
    editor.Execute(nullptr);
    TStringList lines;
    editor.GetText(lines);
    EXPECT_EQ(lines.ToStringList(), c.Lines);
  }
}

TEST_F(EditorTest, UnreadableFileEmptiesFileNameAndKeepsTheLinesHeldBefore) {
  TEditText editor;
  editor.SetText(TStringList(QStringList{QStringLiteral("kept line")}));
  editor.SetFileName(PathOf(QStringLiteral("missing.doc")));
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("kept line")});
    EXPECT_TRUE(AForm.FileName.isEmpty());
  };
  editor.Execute(nullptr);
  EXPECT_TRUE(editor.FileName().isEmpty());
}

TEST_F(EditorTest, StringListSourceShowsTheGivenLinesAndNeverReadsTheFile) {
  TEditText editor;
  editor.SetSource(esStringList);
  editor.SetFileName(WriteFile(QStringLiteral("doc.txt"), "from file\r\n"));
  editor.SetText(TStringList(QStringList{QStringLiteral("given"), QStringLiteral("lines")}));
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};  // exit without saving
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("given"), QStringLiteral("lines")}));
    Type(AForm, QStringLiteral("new "));
  };
  editor.Execute(nullptr);
  // The lines the window left behind are shown at the next opening.
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("new given"), QStringLiteral("lines")}));
  };
  editor.Execute(nullptr);
  EXPECT_EQ(editor.FileName(), PathOf(QStringLiteral("doc.txt")));
}

TEST_F(EditorTest, ExitWithoutSavingKeepsTheEditedLinesAndTheWindowSizeInTheComponent) {
  const QString file = WriteFile(QStringLiteral("notes.doc"), "first\r\nsecond\r\n");
  TEditText editor;
  ConfigureGeneralNotes(editor, file);
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};  // exit without saving
  session.Script = [&](TEditTextForm& AForm) {
    AForm.resize(640, 400);
    Type(AForm, QStringLiteral("edited "));
    Key(AForm, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(AForm.isVisible());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(session.Messages, QStringList{QStringLiteral("Do you wish to Exit without Saving Changes")});
  EXPECT_TRUE(editor.Modified());
  TStringList lines;
  editor.GetText(lines);
  EXPECT_EQ(lines.ToStringList(), (QStringList{QStringLiteral("edited first"), QStringLiteral("second")}));
  EXPECT_EQ(Bytes(file), QByteArray("first\r\nsecond\r\n"));
  EXPECT_EQ(QSize(editor.Width(), editor.Height()), QSize(640, 400));

  // The size is used at the next opening; the file is read afresh.
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.OuterSize(), QSize(640, 400));
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
  };
  editor.Execute(nullptr);
  EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorTest, EventsReachTheOwnerWithTheWindowAsSender) {
  const QString file = WriteFile(QStringLiteral("notes.doc"), "text\r\n");
  TEditText editor;
  editor.SetOptions({edAllowSave, edAllowNew});
  editor.SetFileName(file);
  QStringList calls;
  QObject* window = nullptr;
  const auto record = [&](const char* AName) {
    return [&, AName](QObject* ASender) {
      calls << QString::fromLatin1(AName);
      EXPECT_EQ(ASender, window);
    };
  };
  editor.OnTextChanged = record("OnTextChanged");
  editor.BeforeSave = record("BeforeSave");
  editor.AfterSave = record("AfterSave");
  editor.BeforeNew = record("BeforeNew");
  editor.AfterNew = record("AfterNew");
  editor.OnClose = record("OnClose");
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    Type(AForm, QStringLiteral("!"));
    Key(AForm, Qt::Key_S, Qt::ControlModifier);
    Key(AForm, Qt::Key_N, Qt::ControlModifier);
  };
  // The window is known only once created: take it from the first event.
  editor.OnShow = [&](QObject* ASender) {
    window = ASender;
    calls << QStringLiteral("OnShow");
  };
  editor.Execute(nullptr);
  EXPECT_EQ(calls, (QStringList{"OnShow", "OnTextChanged", "BeforeSave", "AfterSave", "BeforeNew",
                                "OnTextChanged", "AfterNew", "OnClose"}));
  EXPECT_EQ(Bytes(file), QByteArray("!text\r\n"));
}

TEST_F(EditorTest, NonModalWindowIsReusedRestoredAndForgottenWhenClosed) {
  QWidget owner;
  TEditText editor;
  editor.SetDisplayModal(false);
  editor.SetSource(esStringList);
  editor.SetText(TStringList(QStringList{QStringLiteral("line")}));
  editor.Execute(&owner);
  QPointer<TEditTextForm> form = OpenEditTextForm();
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(form->IsModalEditor());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->parentWidget(), nullptr);

  form->showMinimized();
  editor.Execute(&owner);
  EXPECT_EQ(OpenEditTextForm(), form.data());
  EXPECT_FALSE(form->isMinimized());
  EXPECT_EQ(owner.findChildren<TEditTextForm*>().size(), 0);

  form->resize(600, 300);
  editor.SaveText(PathOf(QStringLiteral("copy.txt")));
  EXPECT_EQ(Bytes(PathOf(QStringLiteral("copy.txt"))), QByteArray("line\r\n"));
  editor.Clear();
  EXPECT_TRUE(form->Lines().isEmpty());

  form->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(OpenEditTextForm(), nullptr);
  editor.Close();
  EXPECT_EQ(QSize(editor.Width(), editor.Height()), QSize(600, 300));
}

TEST_F(EditorTest, SaveTextAndClearIgnoreEveryFailure) {
  TEditText editor;
  editor.SetFileName(PathOf(QStringLiteral("never.txt")));
  editor.SaveText(QString());  // no window open
  editor.Clear();
  EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("never.txt"))));

  editor.SetDisplayModal(false);
  editor.SetFileName(WriteFile(QStringLiteral("doc.txt"), "old\r\n"));
  editor.Execute(nullptr);
  ASSERT_NE(OpenEditTextForm(), nullptr);
  Type(*OpenEditTextForm(), QStringLiteral("new "));
  editor.SaveText(TempFolder());  // a folder cannot be written as a file
  editor.SaveText(QString());     // falls back to FileName
  EXPECT_EQ(Bytes(editor.FileName()), QByteArray("new old\r\n"));
}

TEST_F(EditorTest, DestroyingTheComponentTakesItsNonModalWindowAlong) {
  QPointer<TEditTextForm> form;
  {
    TEditText editor;
    editor.SetDisplayModal(false);
    editor.Execute(nullptr);
    form = OpenEditTextForm();
    ASSERT_NE(form, nullptr);
    Type(*form, QStringLiteral("typed"));
  }
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(OpenEditTextForm(), nullptr);
}
