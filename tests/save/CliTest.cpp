// quillmark-cli's commands: output formats and exit statuses.
#include "SaveTestSupport.h"

#include "CliRun.h"
#include "DemoSaves.h"
#include "GdcWriter.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// A save directory with the demo characters plus, optionally, a broken one.
class CliSaveDir : public testing::Test {
protected:
  void SetUp() override { WriteDemoSaveFolder(FDir.path()); }
  QString Path() const { return FDir.path(); }
  QString AddSave(const QString& folder, const QByteArray& bytes) {
    const QString path = QDir(FDir.path()).filePath(QStringLiteral("main/%1/player.gdc").arg(folder));
    QDir().mkpath(QFileInfo(path).path());
    WriteFileBytesAtomic(path, bytes);
    return path;
  }
  QTemporaryDir FDir;
};

}  // namespace

TEST_F(CliSaveDir, ListJsonHasOneObjectPerCharacterWithNumbersAsNumbers) {
  const TCliRun run = RunCli({"list", Path(), "--format", "json"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  const QStringList lines = Lines(run.out);
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(DemoSaves().size()));
  const QJsonObject amara = Json(lines[0]);
  EXPECT_EQ(amara.keys().size(), 11);  // the ten row fields and "equipment"
  EXPECT_EQ(amara["name"].toString(), QStringLiteral("Amara"));
  EXPECT_EQ(amara["title"].toString(), QStringLiteral("Warlord"));
  EXPECT_TRUE(amara["level"].isDouble());
  EXPECT_EQ(amara["level"].toInt(), 100);
  EXPECT_EQ(amara["iron"].toInt(), 2450118);
  EXPECT_EQ(amara["devotions"].toInt(), 55);
  EXPECT_EQ(amara["difficulty"].toString(), QStringLiteral("Ultimate"));
  EXPECT_EQ(amara["hardcore"].toString(), QStringLiteral("N"));
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("{\"name\":\"Amara\",\"title\"")));
}

TEST_F(CliSaveDir, ListTableAndCsvShowTheColumns) {
  const TCliRun table = RunCli({"list", Path()});
  EXPECT_EQ(table.status, 0);
  const QStringList rows = Lines(table.out);
  ASSERT_EQ(rows.size(), static_cast<qsizetype>(DemoSaves().size()) + 1);
  EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Name ")));
  for (const char* column : {"Title", "Level", "Sex", "Class 1", "Class 2", "Iron", "Devotions", "Difficulty",
                             "Hardcore"}) {
    EXPECT_TRUE(rows[0].contains(QLatin1String(column))) << column;
  }
  // Columns line up: the title column starts at the same place in every row.
  const qsizetype titleAt = rows[0].indexOf(QStringLiteral("Title"));
  EXPECT_EQ(rows[1].indexOf(QStringLiteral("Warlord")), titleAt);

  AddSave(QStringLiteral("_Quoted"), [] {
    TGdcSave save;
    save.Name = QStringLiteral("Smith, \"Jr\"");
    return WriteGdc(save);
  }());
  const TCliRun csv = RunCli({"list", Path(), "--format=csv"});
  EXPECT_EQ(csv.status, 0);
  EXPECT_TRUE(csv.out.startsWith(QStringLiteral("Name,Title,Level,Sex,Class 1,Class 2,Iron,Devotions,Difficulty,Hardcore\r\n")));
  EXPECT_TRUE(csv.out.contains(QStringLiteral("\r\n\"Smith, \"\"Jr\"\"\",Blademaster,50,Male,")));
}

TEST_F(CliSaveDir, ListSkipsCharactersThatFailAndExitsNonZero) {
  TGdcSave broken;
  broken.HeaderChecksum = 1;
  const QString brokenPath = AddSave(QStringLiteral("_Broken"), WriteGdc(broken));
  const QString shortPath = AddSave(QStringLiteral("_Short"), QByteArray("ab"));
  const TCliRun run = RunCli({"list", Path(), "--format", "json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.out).size(), static_cast<qsizetype>(DemoSaves().size()));
  EXPECT_TRUE(run.err.contains(brokenPath + QStringLiteral(": Invalid header checksum")));
  EXPECT_TRUE(run.err.contains(QStringLiteral("Unable to process CHAR file\r\n") + shortPath +
                               QStringLiteral("\r\n\r\nRead beyond end of file")));
}

TEST_F(CliSaveDir, InspectReportsEachFileAndCarriesOnAfterErrors) {
  TGdcSave save;
  save.Equipped[0] = MakeItem("records/items/gearhead/a01_head001.dbr", "records/p.dbr", "records/s.dbr");
  save.InventoryVersion = 11;
  const QString good = AddSave(QStringLiteral("_Good"), WriteGdc(save));
  save.FileVersion = 9;
  const QString bad = AddSave(QStringLiteral("_Bad"), WriteGdc(save));
  const QString missing = QDir(Path()).filePath(QStringLiteral("main/_None/player.gdc"));

  const TCliRun run = RunCli({"inspect", good, bad, missing});
  EXPECT_EQ(run.status, 1);
  const QStringList lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3);

  const QJsonObject first = Json(lines[0]);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("{\"file\":")));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("\"hardcore\":\"N\",\"headerVersion\":2,")));
  EXPECT_EQ(first["file"].toString(), good);
  EXPECT_EQ(first["name"].toString(), QStringLiteral("Writer"));
  EXPECT_EQ(first["inventoryVersion"].toInt(), 11);
  EXPECT_EQ(first["headerVersion"].toInt(), 2);
  const QJsonObject equipment = first["equipment"].toObject();
  EXPECT_EQ(equipment.size(), 16);
  EXPECT_EQ(equipment["Head"].toObject()["base"].toString(), QStringLiteral("records/items/gearhead/a01_head001.dbr"));
  EXPECT_EQ(equipment["Head"].toObject()["prefix"].toString(), QStringLiteral("records/p.dbr"));
  EXPECT_EQ(equipment["Head"].toObject()["suffix"].toString(), QStringLiteral("records/s.dbr"));
  EXPECT_EQ(equipment["Weapon2Alt"].toObject()["base"].toString(), QString());

  EXPECT_EQ(Json(lines[1]), (QJsonObject{{"file", bad}, {"error", "Invalid file version 9"}}));
  EXPECT_EQ(Json(lines[2])["file"].toString(), missing);
  EXPECT_FALSE(Json(lines[2])["error"].toString().isEmpty());
  EXPECT_TRUE(run.err.startsWith(QStringLiteral("Unable to process CHAR file\r\n") + missing));

  EXPECT_EQ(RunCli({"inspect", good}).status, 0);
}

TEST(Cli, UsageErrorsExitWithTwo) {
  const QStringList cases[] = {{}, {"frobnicate"}, {"inspect"}, {"list"}, {"list", "a", "b"},
                               {"list", "a", "--format", "xml"}, {"list", "a", "--format"}};
  for (const QStringList& args : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const TCliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("usage:")));
  }
  QTemporaryDir empty;
  const TCliRun noMain = RunCli({"list", empty.path()});
  EXPECT_EQ(noMain.status, 1);
  EXPECT_TRUE(noMain.out.isEmpty());
}

TEST(Cli, JsonTextsAreEscaped) {
  QTemporaryDir dir;
  TGdcSave save;
  save.Name = QStringLiteral("a\"b\\c\td") + QChar(0x01) + QChar(0xD800) + QStringLiteral("é");
  const QString path = dir.filePath(QStringLiteral("player.gdc"));
  WriteGdcFile(path, save);
  const TCliRun run = RunCli({"inspect", path});
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.contains(QStringLiteral("\"name\":\"a\\\"b\\\\c\\td\\u0001\\ud800é\"")));
  EXPECT_FALSE(Json(Lines(run.out)[0]).isEmpty());
}
