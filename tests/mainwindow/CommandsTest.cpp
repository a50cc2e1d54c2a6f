// The main window's commands: refresh, save path, general notes, the
// collections and links windows, and the list's context menu.
#include "MainWindowFixture.h"

#include "UCharacterGatherer.h"
#include "UCollections.h"
#include "UEditCollector.h"
#include "ULinks.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

namespace {

bool RemoveFolder(const QString& APath) { return QDir(APath).removeRecursively(); }

}  // namespace

TEST_F(MainWindowTest, RefreshSelectsTheSameCharacterAgainByNameIgnoringCase) {
  WriteCharacters({"Ann", "Bob", "Cid"});
  ChooseSaveDir();
  Start();
  ClickRow("Bob");
  WriteCharacter(Character("BOB", 11), "Bob");  // renamed in another case
  Click("btnRefresh");

  ASSERT_EQ(List().RowCount(), 3);
  EXPECT_EQ(List().GetField(List().ItemIndex(), 0), "BOB");
  EXPECT_EQ(NoteHeader(), "BOB - Notes");
}

TEST_F(MainWindowTest, RefreshAfterTheSelectedCharacterHasGoneShowsTheRowTheListSelects) {
  WriteCharacters({"Ann", "Bob", "Cid"});
  ChooseSaveDir();
  Start();
  ClickRow("Cid");
  ASSERT_TRUE(RemoveFolder(SaveDir() + "main/_Cid"));
  Click("btnRefresh");

  ASSERT_EQ(List().RowCount(), 2);
  ASSERT_NE(List().ItemIndex(), -1);
  EXPECT_EQ(NoteHeader(), List().GetField(List().ItemIndex(), 0) + " - Notes");
  EXPECT_EQ(Window->StatusPanelText(TFMain::spCharacterCount), "2 Characters");
}

TEST_F(MainWindowTest, SaveDirectoryWithoutCharactersGivesAnEmptyListAndZeroCount) {
  WriteCharacters({"Ann"});
  ChooseSaveDir();
  Start();
  ASSERT_TRUE(RemoveFolder(SaveDir() + "main"));
  Click("btnRefresh");
  EXPECT_EQ(List().RowCount(), 0);
  EXPECT_EQ(Window->StatusPanelText(TFMain::spCharacterCount), "0 Characters");
}

TEST_F(MainWindowTest, CommandsArrivingWhileARefreshWaitsAreRefusedAndCloseWaitsForIt) {
  WriteCharacters({"Ann", "Bob"});
  ChooseSaveDir();
  Start();
  bool ranDuringWait = false;
  bool memoTookInput = true;
  Qt::CursorShape cursorDuringWait = Qt::ArrowCursor;
  QTimer::singleShot(0, Window.get(), [&] {
    ranDuringWait = Window->Refreshing();
    memoTookInput = !Memo().isReadOnly();
    if (const QCursor* cursor = QApplication::overrideCursor()) cursorDuringWait = cursor->shape();
    Click("btnRefresh");
    Click("btnPath");  // would open the picker (none is scripted)
    Window->close();
    EXPECT_TRUE(Window->isVisible()) << "closing waits for the refresh";
  });
  Click("btnRefresh");

  EXPECT_TRUE(ranDuringWait);
  EXPECT_FALSE(memoTookInput) << "the memo shows a note of the old list while it is empty";
  EXPECT_FALSE(Memo().isReadOnly());
  EXPECT_EQ(cursorDuringWait, Qt::WaitCursor);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "busy cursor restored";
  EXPECT_EQ(List().RowCount(), 2);
  EXPECT_TRUE(Dialogs.Shown.empty());

  // The close asked for during the wait happens once the refresh has ended.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !Window->isVisible(); }));
  EXPECT_NE(Setting("FORM", "Width"), "<absent>");
}

TEST_F(MainWindowTest, PickingAnotherSaveDirectoryStoresItRefreshesAndShowsTheNewSelection) {
  WriteCharacters({"Ann"});
  ChooseSaveDir();
  Start();
  ClickRow("Ann");
  TypeNote("Ann's note");

  QTemporaryDir other;
  QDir().mkpath(other.path() + "/main/_Zed");
  WriteGdcFile(other.path() + "/main/_Zed/player.gdc", Character("Zed"));
  Dialogs.Folders = {other.path()};
  Click("btnPath");

  ASSERT_EQ(Dialogs.Shown.size(), 1u);
  EXPECT_EQ(Dialogs.Shown[0].Directory, FSaves.path()) << "the picker starts at the current save directory";
  EXPECT_EQ(Setting("PATHS", "GD Save Path"), other.path() + "/");
  EXPECT_EQ(Control<QLabel>("lbSavePath").text(), other.path() + "/");
  EXPECT_EQ(Names(), QStringList{"Zed"});
  EXPECT_EQ(ReadFileBytes(NoteFile("Ann")), QByteArray("Ann's note\r\n"));

  // The panel follows the new list, so Ann's note never lands in Zed's file.
  EXPECT_EQ(NoteHeader(), "Zed - Notes");
  EXPECT_EQ(Memo().toPlainText(), "");
  Memo().setFocus(Qt::MouseFocusReason);
  ClickRow("Zed");
  EXPECT_EQ(ReadFileBytes(NoteFile("Zed")), QByteArray());
}

TEST_F(MainWindowTest, CancellingThePickerChangesNothing) {
  WriteCharacters({"Ann"});
  ChooseSaveDir();
  Start();
  const QByteArray settings = ReadFileBytes(IniFile());
  Dialogs.Folders = {QString()};
  Click("btnPath");
  EXPECT_EQ(ReadFileBytes(IniFile()), settings);
  EXPECT_EQ(Window->SavePath(), SaveDir());
  EXPECT_EQ(Names(), QStringList{"Ann"});
}

TEST_F(MainWindowTest, SavePathThatCannotBeStoredEndsTheProgramBeforeAnyRefresh) {
  WriteCharacters({"Ann"});
  QDir().mkpath(IniFile());  // reads as empty, cannot be written
  Dialogs.Folders = {FSaves.path()};
  Start();

  ASSERT_EQ(Fatal.Messages().size(), 1);
  EXPECT_TRUE(Fatal.Messages()[0].startsWith("Unable to process INI file\r\n" + IniFile() + "\r\n\r\n"));
  EXPECT_EQ(List().RowCount(), 0);
  EXPECT_FALSE(QFileInfo::exists(NotesPath() + "Collections.ini")) << "start-up stops at the report";
}

TEST_F(MainWindowTest, GeneralNotesCreatesAnEmptyDocumentOnlyWhenThereIsNone) {
  ChooseSaveDir();
  Start();
  const QString document = NotesPath() + "GeneralNotes.doc";
  Click("btnNotes");
  ASSERT_TRUE(QFileInfo::exists(document));
  EXPECT_EQ(QFileInfo(document).size(), 0);

  WriteTextFileLines(document, {"kept"});
  Click("btnNotes");
  EXPECT_EQ(ReadFileBytes(document), QByteArray("kept\r\n"));
  EXPECT_EQ(Dialogs.Shown.size(), 2u) << "the editor (for now its stand-in) opened each time";
}

TEST_F(MainWindowTest, CollectionsAndLinksOpenModallyOverTheMainWindowOnTheirFiles) {
  ChooseSaveDir();
  Start();
  QStringList categories;
  Dialogs.OnWindow = [&](QDialog& ADialog) {
    if (auto* window = qobject_cast<TFCollections*>(&ADialog)) {
      EXPECT_EQ(window->CollectionsFile(), NotesPath() + "Collections.ini");
      auto* tree = window->findChild<QTreeWidget*>();
      for (int i = 0; tree != nullptr && i < tree->topLevelItemCount(); ++i) categories << tree->topLevelItem(i)->text(0);
    } else if (auto* links = qobject_cast<TFLinks*>(&ADialog)) {
      EXPECT_EQ(links->LinkFile(), NotesPath() + "WebLinks.ini");
    }
  };
  Click("btnCollections");
  Click("btnLinks");

  ASSERT_EQ(Dialogs.Classes(), QStringList({"TFCollections", "TFLinks"}));
  EXPECT_EQ(Dialogs.Shown[0].Parent, Window.get());
  EXPECT_EQ(Dialogs.Shown[1].Parent, Window.get());
  EXPECT_TRUE(categories.contains("Rings")) << "the default collections file was created at start-up";
}

TEST_F(MainWindowTest, ContextMenuItemEditsTheSelectedCharactersCollections) {
  ChooseSaveDir();
  Start();
  QAction& mark1 = Control<QAction>("Mark1");
  mark1.trigger();  // no row selected
  EXPECT_TRUE(Dialogs.Shown.empty());

  WriteCharacters({"Ann", "Bob"});
  Click("btnRefresh");
  ClickRow("Bob");
  QString character;
  Dialogs.OnWindow = [&](QDialog& ADialog) {
    if (auto* window = qobject_cast<TFEditCollector*>(&ADialog)) character = window->Character();
  };
  mark1.trigger();
  ASSERT_EQ(Dialogs.Classes(), QStringList{"TFEditCollector"});
  EXPECT_EQ(Dialogs.Shown[0].Title, "Bob Collections");
  EXPECT_EQ(character, "Bob");
}

TEST_F(MainWindowTest, RefreshThatFailsReportsTheErrorAndRestoresCursorMemoAndList) {
  WriteCharacters({"Ann"});
  ChooseSaveDir();
  Start();
  // Another gathering is waiting when "Refresh" is pressed, so the window's refresh fails.
  QTimer::singleShot(0, Window.get(), [&] { Click("btnRefresh"); });
  QTemporaryDir otherNotes;
  const TItemNames items;
  GatherCharacters(SaveDir() + "main/", otherNotes.path() + "/", items);

  ASSERT_EQ(GeneralErrors.Messages.size(), 1);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(Memo().isReadOnly());
  EXPECT_FALSE(Window->Refreshing());
  EXPECT_EQ(List().Items().UpdateCount(), 0);
  Click("btnRefresh");
  EXPECT_EQ(Names(), QStringList{"Ann"}) << "the next refresh works";
}
