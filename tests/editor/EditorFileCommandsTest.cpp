// The editor window's file commands: save, save as, open, new, the prompts
// for unsaved changes and the menu keys that reach them.
#include "EditorTestSupport.h"

#include <QClipboard>
#include <QFileInfo>
#include <vector>

namespace {

const QString kSavePrompt = QStringLiteral("Do you wish to Save Changes");
const QString kExitPrompt = QStringLiteral("Do you wish to Exit without Saving Changes");

const TEditTextOptionsSet kAllFileCommands{edAllowSave, edAllowSaveAs, edAllowOpen, edAllowNew};

}  // namespace

TEST_F(EditorTest, SaveWritesTheLinesAndTracksModifiedAndSavedInTheStatusBar) {
  const QString file = WriteFile(QStringLiteral("notes.doc"), "one\r\ntwo\r\n");
  TEditText editor;
  ConfigureGeneralNotes(editor, file);
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QString());
    MoveToEnd(AForm);
    Type(AForm, QStringLiteral("caf\u00E9"));
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));
    EXPECT_TRUE(AForm.EditData()->Modified);

    Key(AForm, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Bytes(file), QByteArray("one\r\ntwo\r\ncaf\xE9\r\n"));
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QString());
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelSaved), QStringLiteral("Saved"));
    EXPECT_FALSE(AForm.EditData()->Modified);

    // A character the 8-bit code page lacks switches the file to UTF-8 with a mark.
    Type(AForm, QStringLiteral(" \u0141"));
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelSaved), QString());
    ActionOf(AForm, "SaveBtn")->trigger();
    EXPECT_EQ(Bytes(file), QByteArray("\xEF\xBB\xBFone\r\ntwo\r\ncaf\xC3\xA9 \xC5\x81\r\n"));
  };
  editor.Execute(nullptr);
  EXPECT_TRUE(session.Messages.isEmpty());
  EXPECT_FALSE(editor.Modified());
}

TEST_F(EditorTest, SaveWithoutFileNameFallsThroughToSaveAsWhenOffered) {
  struct Case {
    const char* Name;
    TEditTextOptionsSet Options;
    bool SaveAsShown;
  };
  for (const Case& c : std::vector<Case>{{"save only", {edAllowSave}, false},
                                         {"save and save as", {edAllowSave, edAllowSaveAs}, true}}) {
    SCOPED_TRACE(c.Name);
    const QString chosen = PathOf(QStringLiteral("chosen.txt"));
    QFile::remove(chosen);
    TEditText editor;
    editor.SetOptions(c.Options);
    TEditorSession session;
    if (c.SaveAsShown) session.Files = {chosen};
    session.Answers = {QMessageBox::Yes};  // a close with the changes unsaved
    session.Script = [&](TEditTextForm& AForm) {
      Type(AForm, QStringLiteral("text"));
      ActionOf(AForm, "Save1")->trigger();
      EXPECT_EQ(AForm.FileName, c.SaveAsShown ? chosen : QString());
      EXPECT_EQ(AForm.windowTitle(), c.SaveAsShown ? chosen : QString());
      if (c.SaveAsShown) Type(AForm, QStringLiteral("!"));  // so that closing asks in both cases
    };
    editor.Execute(nullptr);
    EXPECT_EQ(session.FileDialogs.size(), c.SaveAsShown ? 1 : 0);
    EXPECT_EQ(session.Messages, QStringList{kExitPrompt});
    EXPECT_EQ(QFileInfo::exists(chosen), c.SaveAsShown);
    if (c.SaveAsShown) {
      EXPECT_EQ(Bytes(chosen), QByteArray("text\r\n"));
    }
  }
}

TEST_F(EditorTest, FailedSaveIsReportedAndStopsOpenAndNewUntilASaveSucceeds) {
  const QString folder = PathOf(QStringLiteral("folder"));
  QDir().mkpath(folder);
  const QString good = PathOf(QStringLiteral("good.txt"));
  TEditText editor;
  editor.SetOptions(kAllFileCommands);
  TEditorSession session;
  session.Files = {folder, good};
  QStringList events;
  editor.BeforeNew = [&](QObject*) { events << QStringLiteral("BeforeNew"); };
  editor.AfterNew = [&](QObject*) { events << QStringLiteral("AfterNew"); };
  session.Script = [&](TEditTextForm& AForm) {
    Type(AForm, QStringLiteral("keep me"));
    ActionOf(AForm, "SaveAsBtn")->trigger();  // a folder cannot be written
    EXPECT_EQ(session.Messages.last(), QStringLiteral("Cannot Save File ") + folder);
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));

    // Answering No would drop the changes, but the failed save still stops New.
    session.Answers = {QMessageBox::No};
    ActionOf(AForm, "NewBtn")->trigger();
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("keep me")});
    EXPECT_EQ(events, QStringList{QStringLiteral("BeforeNew")});

    ActionOf(AForm, "SaveAsBtn")->trigger();
    EXPECT_EQ(Bytes(good), QByteArray("keep me\r\n"));
    ActionOf(AForm, "NewBtn")->trigger();  // saved: no prompt, and New goes ahead
    EXPECT_TRUE(AForm.Lines().isEmpty());
    EXPECT_TRUE(AForm.FileName.isEmpty());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(session.Messages, (QStringList{QStringLiteral("Cannot Save File ") + folder, kSavePrompt}));
  EXPECT_EQ(events, (QStringList{"BeforeNew", "BeforeNew", "AfterNew"}));
}

TEST_F(EditorTest, UnsavedChangesPromptBeforeNewSavesOrDropsAsAnswered) {
  struct Case {
    const char* Name;
    TEditTextOptionsSet Options;
    QMessageBox::StandardButton Answer;
    std::deque<QString> Files;  // the Save As answer, when one is asked
    bool Cleared;
    QByteArray FileAfter;
  };
  const std::vector<Case> cases = {
      {"No drops the changes", kAllFileCommands, QMessageBox::No, {}, true, "old\r\n"},
      {"Yes saves, then clears", kAllFileCommands, QMessageBox::Yes, {}, true, "new old\r\n"},
      // Yes asks for the changes to be kept: without a save they stay.
      {"Yes when only Save As is offered", {edAllowSaveAs, edAllowNew}, QMessageBox::Yes, {}, false, "old\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString file = WriteFile(QStringLiteral("doc.txt"), "old\r\n");
    TEditText editor;
    editor.SetOptions(c.Options);
    editor.SetFileName(file);
    TEditorSession session;
    session.Answers = {c.Answer};
    session.Files = c.Files;
    session.Script = [&](TEditTextForm& AForm) {
      Type(AForm, QStringLiteral("new "));
      Key(AForm, Qt::Key_N, Qt::ControlModifier);
      EXPECT_EQ(AForm.Lines().isEmpty(), c.Cleared);
      EXPECT_EQ(AForm.FileName.isEmpty(), c.Cleared);
      if (!c.Cleared) session.Answers = {QMessageBox::Yes};  // exit without saving
    };
    editor.Execute(nullptr);
    EXPECT_EQ(session.Messages.first(), kSavePrompt);
    EXPECT_EQ(Bytes(file), c.FileAfter);
  }
}

TEST_F(EditorTest, SaveAsCancelledFromThePromptKeepsTheChanges) {
  TEditText editor;
  editor.SetOptions(kAllFileCommands);
  editor.SetSource(esStringList);
  TEditorSession session;
  session.Answers = {QMessageBox::Yes};
  session.Files = {QString()};  // cancel
  session.Script = [&](TEditTextForm& AForm) {
    Type(AForm, QStringLiteral("unsaved"));
    Key(AForm, Qt::Key_O, Qt::ControlModifier);  // no file name: Save runs Save As
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("unsaved")});
    EXPECT_EQ(session.FileDialogs, QList<QFileDialog::AcceptMode>{QFileDialog::AcceptSave});
    session.Answers = {QMessageBox::Yes};  // exit without saving
  };
  editor.Execute(nullptr);
}

TEST_F(EditorTest, OpenReplacesTheTextOrReportsTheReadFailure) {
  const QString other = WriteFile(QStringLiteral("other.txt"), QByteArray("\xFF\xFE\x41\0\r\0\n\0\x42\0", 10));
  TEditText editor;
  editor.SetOptions(kAllFileCommands);
  editor.SetFileName(WriteFile(QStringLiteral("first.txt"), "first\r\n"));
  TGeneralErrors errors;
  TEditorSession session;
  session.Files = {PathOf(QStringLiteral("gone.txt")), other};
  QStringList events;
  editor.BeforeOpen = [&](QObject*) { events << QStringLiteral("BeforeOpen"); };
  editor.AfterOpen = [&](QObject*) { events << QStringLiteral("AfterOpen"); };
  session.Script = [&](TEditTextForm& AForm) {
    ActionOf(AForm, "OpenBtn")->trigger();
    ASSERT_EQ(errors.Messages.size(), 1);
    EXPECT_TRUE(errors.Messages.first().contains(PathOf(QStringLiteral("gone.txt"))));
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("first")});
    EXPECT_EQ(AForm.FileName, editor.FileName());

    Type(AForm, QStringLiteral("x"));
    ActionOf(AForm, "Save1")->trigger();
    ActionOf(AForm, "OpenFile1")->trigger();
    EXPECT_EQ(AForm.Lines(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(AForm.FileName, other);
    EXPECT_EQ(AForm.windowTitle(), other);
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QString());
    EXPECT_FALSE(AForm.EditData()->Modified);
  };
  editor.Execute(nullptr);
  EXPECT_EQ(events, (QStringList{"BeforeOpen", "BeforeOpen", "AfterOpen"}));
  EXPECT_TRUE(session.Messages.isEmpty());
}

TEST_F(EditorTest, ExitAsksOnlyWhileChangesAreUnsavedAndSavingIsOffered) {
  struct Case {
    const char* Name;
    TEditTextOptionsSet Options;
    bool Edit;
    QStringList Prompts;
  };
  const std::vector<Case> cases = {
      {"edited, save offered", {edAllowSave}, true, {kExitPrompt, kExitPrompt}},
      {"unchanged", {edAllowSave}, false, {}},
      {"edited, no saving offered", {}, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TEditText editor;
    editor.SetOptions(c.Options);
    editor.SetSource(esStringList);
    TEditorSession session;
    session.Answers = {QMessageBox::No, QMessageBox::Yes};
    if (c.Prompts.isEmpty()) session.Answers.clear();
    session.Script = [&](TEditTextForm& AForm) {
      if (c.Edit) Type(AForm, QStringLiteral("x"));
      ActionOf(AForm, "Exit1")->trigger();
      if (!c.Prompts.isEmpty()) {
        EXPECT_TRUE(AForm.isVisible());  // No keeps the window open
        ActionOf(AForm, "Exit1")->trigger();
      }
      EXPECT_FALSE(AForm.isVisible());
    };
    editor.Execute(nullptr);
    EXPECT_EQ(session.Messages, c.Prompts);
  }
}

TEST_F(EditorTest, GeneralNotesKeysSaveAsOnCtrlVExitOnCtrlXPasteOnShiftInsert) {
  const QString file = WriteFile(QStringLiteral("GeneralNotes.doc"), "notes\r\n");
  TEditText editor;
  ConfigureGeneralNotes(editor, file);
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    QApplication::clipboard()->setText(QStringLiteral("clip "));
    Key(AForm, Qt::Key_V, Qt::ControlModifier);  // Save As is not offered: nothing
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("notes")});
    EXPECT_TRUE(session.FileDialogs.isEmpty());

    Key(AForm, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("clip notes")});
    ActionOf(AForm, "ToolButton5")->trigger();
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("clip clip notes")});

    Key(AForm, Qt::Key_Escape);  // not a way out of the editor
    EXPECT_TRUE(AForm.isVisible());
    session.Answers = {QMessageBox::No};
    Key(AForm, Qt::Key_X, Qt::ControlModifier);  // Exit, with the prompt: changes are unsaved
    EXPECT_TRUE(AForm.isVisible());
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("clip clip notes")});  // nothing was cut
    Key(AForm, Qt::Key_S, Qt::ControlModifier);
    Key(AForm, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(AForm.isVisible());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(session.Messages, QStringList{kExitPrompt});
  EXPECT_EQ(Bytes(file), QByteArray("clip clip notes\r\n"));
}
