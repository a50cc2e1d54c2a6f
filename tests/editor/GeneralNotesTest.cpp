// "General Notes" of the main window: the editor opens modally over the main
// window on GeneralNotes.doc with the main window's configuration, and its
// size travels through the settings file's "NOTES" section.
#include "EditorTestSupport.h"

#include "IniFile.h"
#include "TemporaryHome.h"
#include "UMain.h"

#include <QPushButton>
#include <QToolBar>
#include <memory>

namespace {

class GeneralNotesTest : public EditorTest {
protected:
  QString ProgramFile() const { return PathOf(QStringLiteral("quillmark")); }
  QString IniFile() const { return PathOf(QStringLiteral("quillmark.ini")); }
  QString Document() const { return PathOf(QStringLiteral("Notes/GeneralNotes.doc")); }

  // The main window on an empty save folder, so that start-up asks nothing,
  // and on an empty home folder, so that it finds no game.
  TFMain& Start() {
    QDir().mkpath(PathOf(QStringLiteral("saves/main")));
    TIniFile(IniFile()).WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"),
                                   PathOf(QStringLiteral("saves")) + QDir::separator());
    Window = std::make_unique<TFMain>(ProgramFile());
    FHome.UseAsHomeOf(*Window);
    Window->show();
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window->FormShown(); }));
    return *Window;
  }

  int Setting(const QString& AKey) const {
    return TIniFile(IniFile()).ReadInteger(QStringLiteral("NOTES"), AKey, -1);
  }

  TTemporaryHome FHome;
  std::unique_ptr<TFMain> Window;
};

}  // namespace

TEST_F(GeneralNotesTest, OpensTheDocumentInTheMainWindowsConfigurationAndKeepsItsSize) {
  TIniFile(IniFile()).WriteInteger(QStringLiteral("NOTES"), QStringLiteral("Notes Height"), 400);
  TIniFile(IniFile()).WriteInteger(QStringLiteral("NOTES"), QStringLiteral("Notes Width"), 620);
  TFMain& window = Start();
  EXPECT_EQ(window.NotesEditorSize(), QSize(620, 400));

  TEditorSession session;
  session.Script = [&](TEditTextForm& AForm) {
    EXPECT_EQ(AForm.windowTitle(), QStringLiteral("General Notes"));
    EXPECT_EQ(AForm.parentWidget(), &window);
    EXPECT_TRUE(AForm.IsModalEditor());
    EXPECT_EQ(AForm.OuterSize(), QSize(620, 400));
    EXPECT_TRUE(AForm.WordWrap());
    EXPECT_TRUE(AForm.ToolBarWidget()->isVisible());
    EXPECT_EQ(AForm.FileName, Document());
    for (const char* shown : {"SaveBtn", "PrtBtn", "btnSpell", "Save1", "Print1", "PrinterSetup1", "SpellCheck1"}) {
      EXPECT_TRUE(ActionOf(AForm, shown)->isVisible()) << shown;
    }
    for (const char* hidden : {"OpenBtn", "NewBtn", "SaveAsBtn", "Sort2", "OpenFile1", "NewFile1", "SaveAs1"}) {
      EXPECT_FALSE(ActionOf(AForm, hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(AForm.Lines().isEmpty());  // created empty on first use

    Type(AForm, QStringLiteral("Buy potions"));
    Key(AForm, Qt::Key_S, Qt::ControlModifier);
    AForm.resize(700, 450);
  };
  window.findChild<QPushButton*>(QStringLiteral("btnNotes"))->click();

  EXPECT_EQ(Bytes(Document()), QByteArray("Buy potions\r\n"));
  EXPECT_EQ(window.NotesEditorSize(), QSize(700, 450));
  window.close();
  EXPECT_EQ(Setting(QStringLiteral("Notes Height")), 450);
  EXPECT_EQ(Setting(QStringLiteral("Notes Width")), 700);
}

TEST_F(GeneralNotesTest, DefaultSizeWithoutSettingsAndTheDocumentReadAtEveryOpening) {
  TFMain& window = Start();
  EXPECT_EQ(window.NotesEditorSize(), QSize(550, 480));
  QDir().mkpath(PathOf(QStringLiteral("Notes")));
  WriteFile(QStringLiteral("Notes/GeneralNotes.doc"), "first\r\n");

  TEditorSession session;
  QStringList seen;
  session.Script = [&](TEditTextForm& AForm) { seen << AForm.Lines().join(u'|'); };
  window.findChild<QPushButton*>(QStringLiteral("btnNotes"))->click();
  WriteFile(QStringLiteral("Notes/GeneralNotes.doc"), "second\r\nthird\r\n");
  window.findChild<QPushButton*>(QStringLiteral("btnNotes"))->click();
  EXPECT_EQ(seen, (QStringList{"first", "second|third"}));

  window.close();
  EXPECT_EQ(Setting(QStringLiteral("Notes Height")), 480);
  EXPECT_EQ(Setting(QStringLiteral("Notes Width")), 550);
}
