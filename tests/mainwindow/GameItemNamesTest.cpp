// Item names from the player's game installation: found in the Steam
// libraries of the home folder or chosen by hand, cached in the Notes folder,
// and a game that cannot be read, which leaves the built-in names in place.
#include "MainWindowFixture.h"

#include "GameInstallation.h"
#include "UModels.h"

namespace {

const QString BuiltInNamesText = QStringLiteral("Updated to GD Version 1.1.9.0");
const QString GameNamesText = QStringLiteral("Item names from the game at ");
const QString SteamGame = QStringLiteral(".local/share/Steam/steamapps/common/Grim Dawn");
const QString ProtonSave =
    QStringLiteral("steamapps/compatdata/219990/pfx/drive_c/users/steamuser/Documents/My Games/Grim Dawn/save");

class GameItemNamesTest : public MainWindowTest {
protected:
  // A character wearing items the built-in table names otherwise or not at all.
  void WriteArmedCharacter(const QString& ASaveDir) const {
    TGdcSave save = Character("Wren");
    save.Equipped[esHead] = MakeItem("records/items/gearhead/a01_head001.dbr",
                                     "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                                     "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
    save.Equipped[esWeapon1] = MakeItem("records/items/gearweapons/swords1h/a01_sword001.dbr");
    save.Equipped[esRelic] = MakeItem("records/items/gearrelic/d001_relic.dbr");
    QDir().mkpath(ASaveDir + "/main/_Wren");
    WriteGdcFile(ASaveDir + "/main/_Wren/player.gdc", save);
  }
  QString HomePath(const QString& ARelative) const { return FHome.FilePath(ARelative); }
  // Writes the writer's small installation; returns the folder as the window names it.
  QString WriteGame(const QString& AFolder) const {
    SampleGameInstallation().Write(AFolder);
    return QDir::toNativeSeparators(QFileInfo(AFolder).canonicalFilePath());
  }
  QString CacheFile() const { return NotesPath() + "GameItemNames.txt"; }

  QStringList WrenEquipment() {
    ClickRow("Wren");
    return {Equipment("Head"), Equipment("Right Hand"), Equipment("Relic")};
  }
  void Restart() {
    Window->close();
    Window.reset();
    Start();
  }
};

const QStringList NamedByTheGame{"Enlightening Leather Hood of Corrosion", "Rusted Steel Sword", "Ascension"};
const QStringList NamedByTheBuiltInTable{"Enlightening Leather Helm of Corrosion",
                                         "records/items/gearweapons/swords1h/a01_sword001.dbr",
                                         "records/items/gearrelic/d001_relic.dbr"};

}  // namespace

TEST_F(GameItemNamesTest, GameInTheSteamLibraryNamesTheEquipment) {
  const QString game = WriteGame(HomePath(SteamGame));
  WriteArmedCharacter(FSaves.path());
  ChooseSaveDir();
  TFMain& window = Start();

  EXPECT_TRUE(Dialogs.Shown.empty());
  EXPECT_EQ(WrenEquipment(), NamedByTheGame) << "base items with quality and style, affixes, relics";
  EXPECT_TRUE(window.UsesGameItemNames());
  EXPECT_EQ(window.GameFolder(), game);
  EXPECT_EQ(window.StatusPanelText(TFMain::spGameVersion), GameNamesText + game);
  const auto& panel = Control<QLabel>("StatusPanel2");
  EXPECT_GE(panel.width(), panel.sizeHint().width()) << "the whole folder shows";
  EXPECT_TRUE(QFileInfo::exists(CacheFile()));
  EXPECT_EQ(Setting("PATHS", "GD Install Path"), "<absent>") << "a folder found is not stored";

  Click("btnRefresh");
  EXPECT_EQ(WrenEquipment(), NamedByTheGame);
}

TEST_F(GameItemNamesTest, TheCacheServesTheNextStartUntilADatabaseChanges) {
  const QString game = WriteGame(HomePath(SteamGame));
  WriteArmedCharacter(FSaves.path());
  ChooseSaveDir();
  Start();
  ASSERT_EQ(WrenEquipment(), NamedByTheGame);

  // A name changed in the cache shows that the next start reads the cache.
  QString cache = ReadTextFile(CacheFile());
  ASSERT_TRUE(cache.contains("=Rusted Steel Sword\r\n"));
  WriteTextFile(CacheFile(), cache.replace("=Rusted Steel Sword\r\n", "=Cached Steel Sword\r\n"));
  Restart();
  EXPECT_EQ(WrenEquipment()[1], "Cached Steel Sword");

  TGameInstallationWriter changed = SampleGameInstallation();
  changed.Database(0).AddRecord("records/items/gearrelic/d002_relic.dbr", "ItemRelic").String("description", "tagRelicD001");
  changed.Write(game);
  Restart();
  EXPECT_EQ(WrenEquipment(), NamedByTheGame) << "rebuilt from the changed game";
  EXPECT_TRUE(ReadTextFile(CacheFile()).contains("records/items/gearrelic/d002_relic.dbr=Ascension\r\n"));
  EXPECT_TRUE(Dialogs.Shown.empty());
}

TEST_F(GameItemNamesTest, DamagedDatabaseKeepsTheBuiltInNamesAndIsReportedOnce) {
  const QString game = WriteGame(HomePath(SteamGame));
  const QString database = HomePath(SteamGame + "/database/database.arz");
  WriteFileBytesAtomic(database, ReadFileBytes(database).left(40));
  WriteArmedCharacter(FSaves.path());
  ChooseSaveDir();
  TFMain& window = Start();

  ASSERT_EQ(Dialogs.Shown.size(), 1u);
  EXPECT_EQ(Dialogs.Shown[0].Icon, QMessageBox::Warning);
  EXPECT_TRUE(Dialogs.Shown[0].Text.startsWith("The item names could not be read from the game at " + game + ":\r\n"))
      << Dialogs.Shown[0].Text.toStdString();
  EXPECT_TRUE(Dialogs.Shown[0].Text.contains("database.arz"));
  EXPECT_TRUE(Dialogs.Shown[0].Text.endsWith("\r\n\r\nThe built-in item names are used."));

  EXPECT_EQ(WrenEquipment(), NamedByTheBuiltInTable);
  EXPECT_FALSE(window.UsesGameItemNames());
  EXPECT_EQ(window.StatusPanelText(TFMain::spGameVersion), BuiltInNamesText);
  EXPECT_FALSE(QFileInfo::exists(CacheFile())) << "a failed reading is not cached";

  // The program goes on: refreshing and another save folder bring no second report.
  Click("btnRefresh");
  QTemporaryDir other;
  WriteArmedCharacter(other.path());
  Dialogs.Folders = {other.path()};
  Click("btnPath");
  EXPECT_EQ(WrenEquipment(), NamedByTheBuiltInTable);
  EXPECT_EQ(Dialogs.Shown.size(), 2u) << "the warning and the picker";
  EXPECT_FALSE(window.Ended());
  EXPECT_TRUE(Fatal.Messages().isEmpty());
  EXPECT_TRUE(GeneralErrors.Messages.isEmpty());
}

TEST_F(GameItemNamesTest, GameFolderChosenByHandIsStoredAndNamesTheList) {
  WriteArmedCharacter(FSaves.path());
  ChooseSaveDir();
  TFMain& window = Start();
  ASSERT_EQ(WrenEquipment(), NamedByTheBuiltInTable);
  EXPECT_EQ(window.StatusPanelText(TFMain::spGameVersion), BuiltInNamesText);

  Dialogs.Folders = {QString()};
  Click("btnGameFolder");
  EXPECT_EQ(Setting("PATHS", "GD Install Path"), "<absent>") << "cancelled";

  // Outside any Steam library: only the stored choice can find it.
  const QString game = WriteGame(HomePath("Games/GD"));
  Dialogs.Folders = {game};
  Click("btnGameFolder");
  ASSERT_EQ(Dialogs.Shown.size(), 2u);
  EXPECT_EQ(Dialogs.Shown[1].Title, "Select the GRIM DAWN Game Folder");
  EXPECT_TRUE(Dialogs.Shown[1].DirectoriesOnly);
  EXPECT_EQ(Setting("PATHS", "GD Install Path"), game);
  EXPECT_EQ(List().ItemIndex(), RowOf("Wren")) << "the selection stays";
  EXPECT_EQ(Equipment("Head"), NamedByTheGame[0]) << "the panel shows the new names at once";
  EXPECT_EQ(WrenEquipment(), NamedByTheGame);
  EXPECT_EQ(window.StatusPanelText(TFMain::spGameVersion), GameNamesText + game);

  Restart();
  EXPECT_EQ(WrenEquipment(), NamedByTheGame);
  EXPECT_EQ(Window->GameFolder(), game);
}

TEST_F(GameItemNamesTest, FirstStartSuggestsTheProtonSaveFolderAndFindsTheGameBesideIt) {
  // A Steam library the home folder's Steam does not list, holding the game
  // and its Proton prefix with the saves.
  const QString library = FSaves.filePath("SteamLibrary");
  const QString saves = library + "/" + ProtonSave;
  WriteArmedCharacter(saves);
  const QString game = WriteGame(library + "/steamapps/common/Grim Dawn");
  // The home folder's own Steam has a prefix with saves too; the picker starts there.
  const QString suggested = HomePath(".local/share/Steam/" + ProtonSave);
  QDir().mkpath(suggested);

  Dialogs.Folders = {saves};
  TFMain& window = Start();
  ASSERT_EQ(Dialogs.Shown.size(), 2u);
  EXPECT_EQ(Dialogs.Shown[0].Icon, QMessageBox::Warning);
  EXPECT_EQ(Dialogs.Shown[1].Directory, QFileInfo(suggested).canonicalFilePath());

  EXPECT_EQ(window.GameFolder(), game);
  EXPECT_EQ(WrenEquipment(), NamedByTheGame);
}
