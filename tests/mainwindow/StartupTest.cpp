// Start-up of the main window: settings file, save directory, layout, close.
#include "MainWindowFixture.h"

#include "AppVersion.h"

#include <QRegularExpression>
#include <QScreen>

namespace {

const QString kSavePathWarning = QStringLiteral(
    "You need to point to the Grim Dawn Save Directory\r\n"
    "\r\n"
    "If you are using local saves, the files will be in \r\n"
    "C:\\Users\\<username>\\Documents\\My Games\\Grim Dawn\\save\r\n"
    "\r\n"
    "If you use Steam cloud saving the files will be in somewhere like\r\n"
    "C:\\Program Files (x86)\\Steam\\userdata\\<folder of numbers>\\219990\\remote\\save");

QSize OuterSize(const QWidget& AWindow) { return AWindow.frameGeometry().size(); }

}  // namespace

TEST_F(MainWindowTest, FirstStartWarnsThenPicksTheFolderAndStoresItWithItsSeparator) {
  WriteCharacters({"Ann", "Bob"});
  Dialogs.Folders = {FSaves.path()};
  const int beeps = DialogSeam::BeepCount();
  TFMain& window = Start();

  ASSERT_EQ(Dialogs.Shown.size(), 2u);
  EXPECT_EQ(Dialogs.Shown[0].Icon, QMessageBox::Warning);
  EXPECT_EQ(Dialogs.Shown[0].Text, kSavePathWarning);
  EXPECT_EQ(Dialogs.Shown[1].Title, "Select the GRIM DAWN Save Directory");
  EXPECT_TRUE(Dialogs.Shown[1].DirectoriesOnly);
  EXPECT_EQ(DialogSeam::BeepCount(), beeps) << "the warning comes without a beep";

  EXPECT_EQ(Setting("PATHS", "GD Save Path"), SaveDir());
  EXPECT_EQ(window.SavePath(), SaveDir());
  EXPECT_EQ(window.MainPath(), SaveDir() + "main/");
  EXPECT_EQ(Control<QLabel>("lbSavePath").text(), SaveDir());
  EXPECT_EQ(Names().size(), 2);
  EXPECT_EQ(window.StatusPanelText(TFMain::spCharacterCount), "2 Characters");
  EXPECT_TRUE(QFileInfo(NotesPath()).isDir());
  EXPECT_TRUE(QFileInfo::exists(NotesPath() + "Collections.ini"));
  EXPECT_FALSE(QFileInfo::exists(IniFile() + ".tmp"));

  // Screen size less 100 each way, as far as the minimum size allows.
  const QSize screen = window.screen()->geometry().size();
  const QSize frame = OuterSize(window) - window.size();
  const QSize expected = (screen - QSize(100, 100) - frame).expandedTo(window.minimumSize()) + frame;
  EXPECT_EQ(OuterSize(window), expected);
}

TEST_F(MainWindowTest, CancelledPickerLeavesNoSaveDirectoryAndAnEmptyList) {
  Dialogs.Folders = {QString()};
  TFMain& window = Start();

  EXPECT_EQ(window.SavePath(), QStringLiteral("c:") + QDir::separator());
  EXPECT_EQ(Control<QLabel>("lbSavePath").text(), window.SavePath());
  EXPECT_EQ(List().RowCount(), 0);
  EXPECT_EQ(Setting("PATHS", "GD Save Path"), "<absent>");
  EXPECT_TRUE(Fatal.Messages().isEmpty());
}

TEST_F(MainWindowTest, ChosenSaveDirectoryIsRefreshedWithoutAsking) {
  WriteCharacters({"Ann"});
  WriteSetting("PATHS", "GD Save Path", FSaves.path());  // stored without its separator
  WriteSetting("FORM", "Width", "900");
  WriteSetting("FORM", "Height", "600");
  WriteSetting("NOTES", "Notes Height", "300");
  WriteSetting("NOTES", "Notes Width", "nonsense");
  TFMain& window = Start();

  EXPECT_TRUE(Dialogs.Shown.empty());
  EXPECT_EQ(window.SavePath(), SaveDir());
  EXPECT_EQ(Names(), QStringList{"Ann"});
  EXPECT_EQ(OuterSize(window), QSize(900, 600));
  EXPECT_EQ(window.NotesEditorSize(), QSize(550, 300));
}

TEST_F(MainWindowTest, DriveRootInCapitalsIsAChosenFolder) {
  WriteSetting("PATHS", "GD Save Path", QStringLiteral("C:") + QDir::separator());
  TFMain& window = Start();

  EXPECT_TRUE(Dialogs.Shown.empty()) << "no warning, no picker";
  EXPECT_EQ(window.MainPath(), QStringLiteral("C:") + QDir::separator() + "main" + QDir::separator());
  EXPECT_EQ(window.StatusPanelText(TFMain::spCharacterCount), "0 Characters");
}

TEST_F(MainWindowTest, AnExistingCollectionsFileIsLeftAlone) {
  ChooseSaveDir();
  QDir().mkpath(NotesPath());
  WriteFileBytesAtomic(NotesPath() + "Collections.ini", QByteArray());
  Start();
  EXPECT_EQ(ReadFileBytes(NotesPath() + "Collections.ini"), QByteArray());
}

TEST_F(MainWindowTest, ClosingWritesWindowAndEditorSizesEvenWithoutChanges) {
  ChooseSaveDir();
  TFMain& window = Start();
  const QSize outer = OuterSize(window);
  window.close();

  EXPECT_EQ(Setting("FORM", "Width"), QString::number(outer.width()));
  EXPECT_EQ(Setting("FORM", "Height"), QString::number(outer.height()));
  EXPECT_EQ(Setting("NOTES", "Notes Height"), "480");
  EXPECT_EQ(Setting("NOTES", "Notes Width"), "550");
  EXPECT_EQ(ReadTextFileLines(IniFile()),
            QStringList({"[PATHS]", "GD Save Path=" + SaveDir(), "[FORM]", "Width=" + QString::number(outer.width()),
                         "Height=" + QString::number(outer.height()), "[NOTES]", "Notes Height=480",
                         "Notes Width=550"}));
}

TEST_F(MainWindowTest, StoredWindowSizeSurvivesARestart) {
  ChooseSaveDir();
  WriteSetting("FORM", "Width", "1000");
  WriteSetting("FORM", "Height", "640");
  Start().close();
  Window.reset();
  Start().close();
  EXPECT_EQ(Setting("FORM", "Width"), "1000");
  EXPECT_EQ(Setting("FORM", "Height"), "640");
}

TEST_F(MainWindowTest, SettingsFileThatCannotBeWrittenEndsTheProgramOnClose) {
  WriteCharacters({"Ann"});
  // A folder in place of the settings file: it reads as empty and cannot be written.
  QDir().mkpath(IniFile());
  Dialogs.Folders = {QString()};
  TFMain& window = Start();
  window.close();

  ASSERT_EQ(Fatal.Messages().size(), 1);
  EXPECT_TRUE(Fatal.Messages()[0].startsWith("Unable to process INI file\r\n" + IniFile() + "\r\n\r\n"))
      << Fatal.Messages()[0].toStdString();
  EXPECT_TRUE(window.Ended());
}

TEST_F(MainWindowTest, StatusBarShowsVersionCountAndGameVersion) {
  ChooseSaveDir();
  WriteCharacters({"Ann"});
  TFMain& window = Start();
  EXPECT_EQ(window.StatusPanelText(TFMain::spVersion), ProgramVersionText());
  EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+ \\(Build \\d+\\)$")
                  .match(window.StatusPanelText(TFMain::spVersion))
                  .hasMatch());
  EXPECT_EQ(window.StatusPanelText(TFMain::spCharacterCount), "1 Characters");
  EXPECT_EQ(window.StatusPanelText(TFMain::spGameVersion), "Updated to GD Version 1.1.9.0");
  EXPECT_EQ(window.StatusPanelText(TFMain::spMessage), "");
}

TEST_F(MainWindowTest, LayoutOfListPanelsAndButtons) {
  ChooseSaveDir();
  TFMain& window = Start();
  EXPECT_EQ(window.windowTitle(), "Grim Dawn Characters");
  EXPECT_EQ(window.minimumSize(), QSize(800, 500));

  struct Column {
    const char* Header;
    int Width;
    TDelimitedListModel::TAlignment Alignment;
  };
  const Column columns[] = {
      {"Name", 150, TDelimitedListModel::taLeftJustify},      {"Title", 120, TDelimitedListModel::taLeftJustify},
      {"Level", 50, TDelimitedListModel::taRightJustify},     {"Sex", 50, TDelimitedListModel::taLeftJustify},
      {"Class 1", 120, TDelimitedListModel::taLeftJustify},   {"Class 2", 120, TDelimitedListModel::taLeftJustify},
      {"Iron", 80, TDelimitedListModel::taRightJustify},      {"Devotions", 70, TDelimitedListModel::taRightJustify},
      {"Difficulty", 70, TDelimitedListModel::taLeftJustify}, {"Hardcore", 5000, TDelimitedListModel::taLeftJustify},
  };
  ASSERT_EQ(List().ColCount(), 10);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(columns[i].Header);
    EXPECT_EQ(List().HeaderSection(i).Text, columns[i].Header);
    EXPECT_EQ(List().HeaderSection(i).Width, columns[i].Width);
    EXPECT_EQ(List().HeaderSection(i).Alignment, columns[i].Alignment);
  }
  EXPECT_EQ(List().ColumnFormatEditor(),
            QStringList({"0þþTahomaþ8388608þ8þ1", "0þþTahomaþ0þ8þ1", "2þ0þCourier Newþ0þ9þ0", "0þþTahomaþ0þ8þ0",
                         "0þþTahomaþ0þ8þ0", "0þþTahomaþ0þ8þ0", "2þ0,þCourier Newþ0þ9þ0", "2þ0þCourier Newþ0þ9þ0",
                         "0þþTahomaþ0þ8þ0", "0þþTahomaþ0þ8þ0"})
                .join("\r\n"));
  EXPECT_EQ(List().GetColumnFormat(0).FontColor, 8388608);
  EXPECT_EQ(List().GetColumnFormat(6).FormatString, "0,");
  EXPECT_EQ(List().Delimiter(), kThorn);
  EXPECT_TRUE(List().AllowSorting());
  EXPECT_FALSE(List().MultiSelect());
  EXPECT_EQ(List().SecondarySortColumn(), -1);
  EXPECT_EQ(List().RowHeight(), 15);
  EXPECT_EQ(List().HeaderHeight(), 17);
  EXPECT_TRUE(List().AutomaticPopup());
  ASSERT_NE(List().PopupMenu(), nullptr);
  ASSERT_FALSE(List().PopupMenu()->actions().isEmpty());
  EXPECT_EQ(List().PopupMenu()->actions().first()->text(), "Edit Character's Specialised Collections");

  // The equipment grid: 17 keys, the blank separator selected, not editable.
  const QStringList keys{"Head",   "Chest",  "Shoulder",   "Gloves",    "Leggings",       "Boots",
                         "Belt",   "Ring 1", "Ring 2",     "Amulet",    "Medal",          "Relic",
                         " ",      "Right Hand", "Left Hand", "Right Hand Alt", "Left Hand Alt"};
  ASSERT_EQ(Grid().RowCount(), keys.size());
  for (int row = 0; row < keys.size(); ++row) EXPECT_EQ(Grid().Key(row), keys[row]);
  EXPECT_EQ(Grid().currentRow(), 12);
  EXPECT_FALSE(Control("pnEquipment").isEnabled());
  EXPECT_EQ(Control("pnEquipment").height(), 335);
  EXPECT_EQ(Control("pnNotes").width(), 474);
  EXPECT_EQ(Grid().columnWidth(0), 150);
  EXPECT_EQ(NoteHeader(), "Notes");

  // Left buttons keep their place, the right ones their distance to the right edge.
  auto geometryAt = [&](int AClientWidth) {
    window.resize(AClientWidth, 600);
    QCoreApplication::processEvents();
    const int bar = Control("pnButtons").width();
    return std::vector<int>{Control("btnRefresh").x(),          Control("btnPath").x(),
                            bar - Control("btnNotes").x(),      bar - Control("btnLinks").x(),
                            bar - Control("btnCollections").x(), bar - Control("btnClose").x()};
  };
  const std::vector<int> expected{6, 90, 1410 - 847, 1410 - 1006, 1410 - 1165, 1410 - 1324};
  EXPECT_EQ(geometryAt(1410), expected);
  EXPECT_EQ(geometryAt(1000), expected);
  EXPECT_EQ(Control("btnCollections").width(), 153);
  EXPECT_EQ(Control<QPushButton>("btnPath").text(), "Character Save Path");
}

TEST_F(MainWindowTest, ClosingBeforeStartUpHasRunKeepsTheStoredSizes) {
  ChooseSaveDir();
  WriteSetting("NOTES", "Notes Width", "700");
  const QByteArray settings = ReadFileBytes(IniFile());
  CreateWindow();
  Window->show();
  Window->close();
  QTest::qWait(0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Window->FormShown());
  EXPECT_EQ(ReadFileBytes(IniFile()), settings);
}
