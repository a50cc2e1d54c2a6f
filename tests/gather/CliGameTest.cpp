// quillmark-cli with the item names of a game installation: --game for list
// and inspect, the names command, and game files that cannot be read.
#include "GatherTestSupport.h"

#include "CliRun.h"
#include "GameInstallation.h"
#include "ItemNameExtractor.h"
#include "UModels.h"

#include <gtest/gtest.h>

#include <QJsonObject>

namespace {

// One character wearing items the built-in table names otherwise or not at
// all, and the writer's small game installation beside it.
class CliGame : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FGame.isValid());
    SampleGameInstallation().Write(FGame.path());
    TGdcSave save = NamedSave(QStringLiteral("Wren"));
    save.Equipped[esHead] = MakeItem("records/items/gearhead/a01_head001.dbr",
                                     "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                                     "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
    save.Equipped[esWeapon1] = MakeItem("records/items/gearweapons/swords1h/a01_sword001.dbr");
    save.Equipped[esRelic] = MakeItem("records/items/gearrelic/d001_relic.dbr");
    FSaveFile = FFolders.AddSave(QStringLiteral("_Wren"), save);
  }
  QString SaveDir() const { return QFileInfo(FFolders.MainPath()).path(); }
  QString GameDir() const { return FGame.path(); }

  TGatherFolders FFolders;
  QTemporaryDir FGame;
  QString FSaveFile;
};

}  // namespace

TEST_F(CliGame, ListAndInspectNameTheItemsAsTheGameDoes) {
  const TCliRun list = RunCli({"list", SaveDir(), "--game", GameDir(), "--format", "json"});
  ASSERT_EQ(list.status, 0) << list.err.toStdString();
  ASSERT_EQ(Lines(list.out).size(), 1);
  const QJsonObject equipment = Json(Lines(list.out)[0])["equipment"].toObject();
  EXPECT_EQ(equipment["Head"].toString(), "Enlightening Leather Hood of Corrosion") << "the expansion's name";
  EXPECT_EQ(equipment["Right Hand"].toString(), "Rusted Steel Sword") << "quality and style words";
  EXPECT_EQ(equipment["Relic"].toString(), "Ascension") << "named by its description";

  const TCliRun inspect = RunCli({"inspect", "--game=" + GameDir(), FSaveFile});
  ASSERT_EQ(inspect.status, 0) << inspect.err.toStdString();
  const QJsonObject inspected = Json(Lines(inspect.out)[0])["equipment"].toObject();
  EXPECT_EQ(inspected["Head"].toObject()["text"].toString(), "Enlightening Leather Hood of Corrosion");
  EXPECT_EQ(inspected["Weapon1"].toObject()["text"].toString(), "Rusted Steel Sword");
}

TEST_F(CliGame, AnItemNamesFileWinsOverTheGame) {
  const QString names = FFolders.Root() + QStringLiteral("/names.txt");
  // "Visor" sorts after the game's "Leather Hood", so the table's order alone
  // would not let it win.
  WriteTextFileLines(names, {"Records/Items/GearHead/A01_Head001.dbr=Visor"});
  for (const QStringList& order : {QStringList{"--game", GameDir(), "--item-names", names},
                                   QStringList{"--item-names", names, "--game", GameDir()}}) {
    const TCliRun run = RunCli(QStringList{"list", SaveDir(), "--format", "json"} + order);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QJsonObject equipment = Json(Lines(run.out).value(0))["equipment"].toObject();
    EXPECT_EQ(equipment["Head"].toString(), "Enlightening Visor of Corrosion");
    EXPECT_EQ(equipment["Right Hand"].toString(), "Rusted Steel Sword");
  }
}

TEST_F(CliGame, NamesPrintsTheExtractedLines) {
  const TCliRun run = RunCli({"names", "--game", GameDir()});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(Lines(run.out), ExtractItemNames(GameDir()).Lines);
  EXPECT_TRUE(Lines(run.out).contains("records/items/gearweapons/swords1h/a01_sword001.dbr=Rusted Steel Sword"));
  EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(CliGame, UnreadableGameFilesAreAnErrorNotAListing) {
  // The base database cut off after its header.
  const QString database = GameDir() + QStringLiteral("/database/database.arz");
  WriteFileBytesAtomic(database, ReadFileBytes(database).left(40));
  const QTemporaryDir noGame;
  for (const QString& game : {GameDir(), noGame.path()}) {
    SCOPED_TRACE(game.toStdString());
    for (const QStringList& args : {QStringList{"names", "--game", game}, QStringList{"list", SaveDir(), "--game", game},
                                    QStringList{"inspect", "--game", game, FSaveFile}}) {
      const TCliRun run = RunCli(args);
      EXPECT_EQ(run.status, 1) << args.join(' ').toStdString();
      EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
      EXPECT_TRUE(run.err.startsWith("quillmark-cli: ")) << run.err.toStdString();
    }
  }
  EXPECT_TRUE(RunCli({"names", "--game", GameDir()}).err.contains("database.arz"));
}

TEST(CliGameUsage, GameFolderMustBeGiven) {
  const QStringList cases[] = {{"names"}, {"names", "--game"}, {"names", "--game="}, {"names", "somewhere"},
                               {"list", "a", "--game"}, {"inspect", "--game"}, {"inspect", "x.gdc", "--game="}};
  for (const QStringList& args : cases) {
    const TCliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("usage:")));
  }
}
