// quillmark-cli through the character workers: equipment texts and merged
// item names.
#include "GatherTestSupport.h"

#include "CliRun.h"
#include "DemoSaves.h"
#include "UModels.h"

#include <gtest/gtest.h>

#include <QJsonObject>

namespace {

const QByteArray HelmPath = "records/items/gearhead/a01_head001.dbr";

// A save directory with one character wearing a helm with both affixes.
class CliGather : public testing::Test {
protected:
  void SetUp() override {
    TGdcSave save = NamedSave(QStringLiteral("Wren"));
    save.Equipped[esHead] = MakeItem(HelmPath, "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                                     "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
    save.Equipped[esRelic] = MakeItem("records/endlessdungeon/items/z001_test.dbr");
    save.Equipped[esWeapon2Alt] = MakeItem("records/custom/offhand.dbr");
    FSaveFile = FFolders.AddSave(QStringLiteral("_Wren"), save);
  }
  QString SaveDir() const { return QFileInfo(FFolders.MainPath()).path(); }
  QString NamesFile(const QStringList& ALines) const {
    const QString path = FFolders.Root() + QStringLiteral("/names.txt");
    WriteTextFileLines(path, ALines);
    return path;
  }

  TGatherFolders FFolders;
  QString FSaveFile;
};

}  // namespace

TEST_F(CliGather, ListJsonCarriesTheEquipmentUnderTheGridKeys) {
  const TCliRun run = RunCli({"list", SaveDir(), "--format", "json"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].contains(
      QStringLiteral("\"hardcore\":\"N\",\"equipment\":{\"Head\":\"Enlightening Leather Helm of Corrosion\","
                     "\"Chest\":\"\",\"Shoulder\":\"\",\"Gloves\":\"\",\"Leggings\":\"\",\"Boots\":\"\",\"Belt\":\"\","
                     "\"Ring 1\":\"\",\"Ring 2\":\"\",\"Amulet\":\"\",\"Medal\":\"\",\"Relic\":\"Mildly Amusing Box\","
                     "\"Right Hand\":\"\",\"Left Hand\":\"\",\"Right Hand Alt\":\"\","
                     "\"Left Hand Alt\":\"records/custom/offhand.dbr\"}}")))
      << lines[0].toStdString();
  EXPECT_EQ(Json(lines[0])["name"].toString(), QStringLiteral("Wren"));
}

TEST_F(CliGather, ItemNamesFileWinsOverBuiltInNamesForListAndInspect) {
  const QString names = NamesFile({"Records/Items/GearHead/A01_HEAD001.DBR=Iron Cap",
                                   "records/custom/offhand.dbr=Buckler"});
  const TCliRun list = RunCli({"list", SaveDir(), "--item-names", names, "--format=json"});
  ASSERT_EQ(list.status, 0) << list.err.toStdString();
  const QJsonObject equipment = Json(Lines(list.out).value(0))["equipment"].toObject();
  EXPECT_EQ(equipment["Head"].toString(), QStringLiteral("Enlightening Iron Cap of Corrosion"));
  EXPECT_EQ(equipment["Left Hand Alt"].toString(), QStringLiteral("Buckler"));

  const TCliRun inspect = RunCli({"inspect", "--item-names=" + names, FSaveFile});
  ASSERT_EQ(inspect.status, 0) << inspect.err.toStdString();
  const QJsonObject inspected = Json(Lines(inspect.out).value(0))["equipment"].toObject();
  EXPECT_EQ(inspected["Head"].toObject()["base"].toString(), QString::fromLatin1(HelmPath));
  EXPECT_EQ(inspected["Head"].toObject()["text"].toString(), QStringLiteral("Enlightening Iron Cap of Corrosion"));
  EXPECT_EQ(inspected["Relic"].toObject()["text"].toString(), QStringLiteral("Mildly Amusing Box"));
  EXPECT_EQ(inspected["Amulet"].toObject()["text"].toString(), QString());

  const TCliRun plain = RunCli({"inspect", FSaveFile});
  EXPECT_FALSE(Json(Lines(plain.out).value(0))["equipment"].toObject()["Head"].toObject().contains("text"));
}

TEST_F(CliGather, AnUnreadableItemNamesFileOrAMissingValueStopsTheCommand) {
  const QString missing = FFolders.Root() + QStringLiteral("/none.txt");
  for (const QStringList& args : {QStringList{"list", SaveDir(), "--item-names", missing},
                                  QStringList{"inspect", "--item-names", missing, FSaveFile}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const TCliRun run = RunCli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("none.txt")));
  }
  EXPECT_EQ(RunCli({"list", SaveDir(), "--item-names"}).status, 2);
  EXPECT_EQ(RunCli({"inspect", FSaveFile, "--item-names"}).status, 2);
}

TEST(CliGatherFolders, ListsTheDemoFolderAndTheRealSavesThroughTheWorkers) {
  const TCliRun demo = RunCli({"list", QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save")});
  EXPECT_EQ(demo.status, 0) << demo.err.toStdString();
  EXPECT_EQ(Lines(demo.out).size(), static_cast<qsizetype>(DemoSaves().size()) + 1);

  const QDir real(QStringLiteral(QUILLMARK_SHARED_DIR "/fixtures/real-saves"));
  const QStringList files = real.entryList({QStringLiteral("*.gdc")}, QDir::Files);
  if (files.isEmpty()) GTEST_SKIP() << "no real saves in the shared fixtures";
  TGatherFolders folders;
  for (const QString& file : files) {
    folders.AddSaveBytes(QStringLiteral("_") + QFileInfo(file).completeBaseName(), ReadFileBytes(real.filePath(file)));
  }
  const TCliRun run = RunCli({"list", QFileInfo(folders.MainPath()).path(), "--format", "json"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = Lines(run.out);
  EXPECT_EQ(lines.size(), files.size());
  for (const QString& line : lines) {
    const QJsonObject object = Json(line);
    EXPECT_FALSE(object["name"].toString().isEmpty()) << line.toStdString();
    EXPECT_EQ(object["equipment"].toObject().size(), 16);
  }
}
