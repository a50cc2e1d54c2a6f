// Printing the editor's text through the page printer, and the spell check
// with the built-in dictionary.
#include "EditorTestSupport.h"

#include "QZ_KwikPrint.h"
#include "QZ_RecordingPrintBackend.h"
#include "QZ_SpellChk.h"

#include <memory>
#include <vector>

namespace {

// Puts a recording printer into the window: every line 50 px (1/6 inch) high.
TRecordingPrintBackend* RecordPrinting(TEditTextForm& AForm) {
  auto backend = std::make_unique<TRecordingPrintBackend>();
  backend->UseFixedMetrics(40, 10, 20);
  TRecordingPrintBackend* recorder = backend.get();
  AForm.KwikPrint1()->SetBackend(std::move(backend));
  return recorder;
}

}  // namespace

TEST_F(EditorTest, PrintPutsEveryLineOnAsManyPagesAsItNeeds) {
  QStringList lines;
  for (int i = 1; i <= 150; ++i) lines << QStringLiteral("line %1").arg(i);
  lines[5].clear();
  TEditText editor;
  ConfigureGeneralNotes(editor, WriteFile(QStringLiteral("notes.doc"), lines.join("\r\n").toLatin1()));
  QStringList events;
  editor.BeforePrint = [&](QObject*) { events << QStringLiteral("BeforePrint"); };
  editor.AfterPrint = [&](QObject*) { events << QStringLiteral("AfterPrint"); };
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    TRecordingPrintBackend* recorder = RecordPrinting(AForm);
    Key(AForm, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(session.PrinterDialogs, 1);

    std::vector<TPrintRecord> texts = recorder->RecordsOf(TPrintRecord::rkText);
    QStringList printed;
    for (const TPrintRecord& record : texts) printed << record.Text;
    EXPECT_EQ(printed, lines);  // nothing but the body lines: no header, footer, number or date

    const TPrintPageGeometry page = recorder->Geometry();
    ASSERT_EQ(texts.size(), std::size_t(150));
    EXPECT_EQ(texts.front().Font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(texts.front().Font.pointSize(), 8);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_LE(texts[i].Rect.top() + 50, page.Printable.height()) << "line " << i + 1 << " runs off the page";
      if (i > 0 && texts[i].Page == texts[i - 1].Page) {
        EXPECT_EQ(texts[i].Rect.top() - texts[i - 1].Rect.top(), 50) << "line " << i + 1;
      }
      if (i > 0 && texts[i].Page != texts[i - 1].Page) {
        EXPECT_EQ(texts[i].Page, texts[i - 1].Page + 1);
        EXPECT_EQ(texts[i].Rect.top(), texts.front().Rect.top());
      }
    }
    EXPECT_EQ(recorder->PagesPrinted(), texts.back().Page);
    EXPECT_GE(texts.back().Page, 3);

    // A cancelled printer dialog prints nothing.
    recorder->Clear();
    session.AcceptPrinter = false;
    ActionOf(AForm, "PrtBtn")->trigger();
    EXPECT_TRUE(recorder->Records().empty());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(events, (QStringList{"BeforePrint", "AfterPrint"}));
}

TEST_F(EditorTest, PrinterFailureIsReportedAndSkipsAfterPrint) {
  TEditText editor;
  ConfigureGeneralNotes(editor, WriteFile(QStringLiteral("notes.doc"), "text\r\n"));
  QStringList events;
  editor.BeforePrint = [&](QObject*) { events << QStringLiteral("BeforePrint"); };
  editor.AfterPrint = [&](QObject*) { events << QStringLiteral("AfterPrint"); };
  TGeneralErrors errors;
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    RecordPrinting(AForm)->RefuseJobs(true);
    ActionOf(AForm, "Print1")->trigger();
  };
  editor.Execute(nullptr);
  EXPECT_EQ(errors.Messages.size(), 1);
  EXPECT_EQ(events, QStringList{QStringLiteral("BeforePrint")});
}

TEST_F(EditorTest, PrintCommandsDoNothingWhenPrintingIsNotOffered) {
  TEditText editor;
  editor.SetSource(esStringList);
  editor.SetText(TStringList(QStringList{QStringLiteral("text")}));
  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    TRecordingPrintBackend* recorder = RecordPrinting(AForm);
    Key(AForm, Qt::Key_P, Qt::ControlModifier);  // the hidden item keeps its key, its command does nothing
    EXPECT_TRUE(recorder->Records().empty());
  };
  editor.Execute(nullptr);
  EXPECT_EQ(session.PrinterDialogs, 0);
}

TEST_F(EditorTest, SpellCheckWithTheDictionaryCorrectsTheText) {
  TEditText editor;
  ConfigureGeneralNotes(editor, WriteFile(QStringLiteral("notes.doc"), "This is a mispelt word.\r\n"));
  TEditorSession session;
  session.Corrections = {QStringLiteral("misspelt")};
  session.Answers = {QMessageBox::Yes};  // exit without saving
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_TRUE(ActionOf(AForm, "btnSpell")->isVisible());
    EXPECT_EQ(ActionOf(AForm, "btnSpell")->isEnabled(), AForm.SpellCheck()->Active());
    EXPECT_EQ(ActionOf(AForm, "SpellCheck1")->isEnabled(), AForm.SpellCheck()->Active());
    AForm.SpellCheck()->SetEngine(engQuazel);
    ASSERT_TRUE(AForm.SpellCheck()->Active());

    ActionOf(AForm, "btnSpell")->trigger();
    EXPECT_EQ(session.Misspelt, QStringList{QStringLiteral("mispelt")});
    EXPECT_EQ(AForm.Lines(), QStringList{QStringLiteral("This is a misspelt word.")});
    EXPECT_EQ(AForm.StatusText(TEditTextForm::PanelModified), QStringLiteral("Modified"));
  };
  editor.Execute(nullptr);
  ASSERT_EQ(session.Messages.size(), 2);
  EXPECT_TRUE(session.Messages[0].startsWith(QStringLiteral("Spell Check Complete")));
  EXPECT_TRUE(editor.Modified());
}
