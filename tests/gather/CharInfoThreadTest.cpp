// The character worker: its exchange file, and what it does when it fails.
#include "GatherTestSupport.h"

#include "UCharInfoThread.h"
#include "UModels.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

// Runs one worker to its end on its own thread.
void RunWorker(TCharInfoThread& worker) {
  worker.Start();
  ASSERT_TRUE(worker.wait(60000));
}

// A worker over the built-in item table.
class CharInfoWorker : public testing::Test {
protected:
  TCharInfoThread* NewWorker(const QString& ACharFile) {
    FWorkers.push_back(std::make_unique<TCharInfoThread>(ACharFile, FFolders.NotesPath(), FTable.RecordPaths(),
                                                         FTable.DisplayNames()));
    return FWorkers.back().get();
  }
  QString NotesFile(const QString& AFileName) const { return FFolders.NotesPath() + AFileName; }

  TGatherFolders FFolders;
  TItemNames FTable;
  std::vector<std::unique_ptr<TCharInfoThread>> FWorkers;
};

}  // namespace

TEST_F(CharInfoWorker, WritesTheRowAndTheSlotsInExchangeOrder) {
  TGdcSave save;
  save.Name = QStringLiteral("Rowan");
  save.Tag = "tagSkillClassName0109";
  save.Sex = 0;
  save.Level = 77;
  save.Hardcore = 1;
  save.Money = 123456;
  save.TotalDevotion = 42;
  save.GreatestDifficulty = 1;
  const char* const slotPaths[] = {"head", "amulet", "chest", "legs", "feet", "hands", "ring1", "ring2",
                                   "belt", "shoulder", "medal", "relic", "weapon1", "weapon2", "weapon1alt",
                                   "weapon2alt"};
  for (int slot = 0; slot < EquipmentSlotCount; ++slot) {
    save.Equipped[static_cast<std::size_t>(slot)] = MakeItem(QByteArray("records/") + slotPaths[slot]);
  }
  save.Equipped[esWeapon1] = MakeItem("records/items/gearweapons/caster/a08_dagger001.dbr",
                                      "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                                      "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
  TCharInfoThread* worker = NewWorker(FFolders.AddSave(QStringLiteral("_Rowan"), save));
  RunWorker(*worker);
  EXPECT_FALSE(worker->Failed()) << worker->Error().toStdString();

  const QByteArray bytes = ReadFileBytes(NotesFile(QStringLiteral("Rowan.inf")));
  EXPECT_EQ(bytes.count("\r\n"), 17);
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(ReadTextFileLines(NotesFile(QStringLiteral("Rowan.inf"))),
            (QStringList{QStringLiteral("Rowan\u00FEWarlord\u00FE77\u00FEFemale\u00FESoldier\u00FEOathkeeper"
                                        "\u00FE123456\u00FE42\u00FEElite\u00FEY"),
                         "records/head", "records/chest", "records/shoulder", "records/hands", "records/legs",
                         "records/feet", "records/belt", "records/ring1", "records/ring2", "records/amulet",
                         "records/medal", "records/relic", "Enlightening Ritual Blade of Corrosion",
                         "records/weapon2", "records/weapon1alt", "records/weapon2alt"}));
  // "þ" is one byte in the 8-bit code page: no byte-order mark, no UTF-8.
  EXPECT_TRUE(bytes.startsWith("Rowan\xFEWarlord\xFE"));
}

TEST_F(CharInfoWorker, SingleClassAndUnknownDifficultyLeaveTheirFieldsEmpty) {
  TGdcSave save = NamedSave(QStringLiteral("Solo"));
  save.Tag = "tagSkillClassName05";
  save.GreatestDifficulty = 3;
  RunWorker(*NewWorker(FFolders.AddSave(QStringLiteral("_Solo"), save)));
  const QStringList lines = ReadTextFileLines(NotesFile(QStringLiteral("Solo.inf")));
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[0], QStringLiteral("Solo\u00FEArcanist\u00FE50\u00FEMale\u00FEArcanist\u00FE\u00FE0\u00FE0\u00FE\u00FEN"));
  for (qsizetype i = 1; i < lines.size(); ++i) EXPECT_TRUE(lines[i].isEmpty()) << i;
}

TEST_F(CharInfoWorker, ALoadErrorWritesNothingAndLeavesTheNotesFolderAlone) {
  TGdcSave broken = NamedSave(QStringLiteral("Broken"));
  broken.HeaderChecksum = 1;
  WriteFileBytesAtomic(NotesFile(QStringLiteral("Broken.inf")), "left from before\r\n");
  TCharInfoThread* worker = NewWorker(FFolders.AddSave(QStringLiteral("_Broken"), broken));
  RunWorker(*worker);
  EXPECT_TRUE(worker->Failed());
  EXPECT_EQ(worker->Error(), QStringLiteral("Invalid header checksum"));
  EXPECT_EQ(FFolders.NotesEntries(), QStringList{QStringLiteral("Broken.inf")});
  EXPECT_EQ(ReadFileBytes(NotesFile(QStringLiteral("Broken.inf"))), QByteArray("left from before\r\n"));
}

TEST_F(CharInfoWorker, AnUnopenableSaveIsReportedAsFatalFromTheWorker) {
  const TFatalReports reports;
  const QString path = FFolders.AddSaveBytes(QStringLiteral("_Short"), QByteArray("ab"));
  TCharInfoThread* worker = NewWorker(path);
  RunWorker(*worker);
  EXPECT_TRUE(worker->Failed());
  ASSERT_EQ(reports.Messages().size(), 1);
  EXPECT_TRUE(reports.Messages()[0].startsWith(QStringLiteral("Unable to process CHAR file\r\n") + path +
                                               QStringLiteral("\r\n\r\n")));
  EXPECT_TRUE(FFolders.NotesEntries().isEmpty());
}

TEST_F(CharInfoWorker, ANameFromTheSaveNeverLeadsOutOfTheNotesFolder) {
  const QString names[] = {"../escape", "..", ".", "", "a/b", "..\\up", "/abs"};
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QString folder = QStringLiteral("_%1").arg(qHash(name));
    TCharInfoThread* worker = NewWorker(FFolders.AddSave(folder, NamedSave(name)));
    RunWorker(*worker);
    EXPECT_FALSE(worker->Failed()) << worker->Error().toStdString();
    const QStringList entries = FFolders.NotesEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].endsWith(QStringLiteral(".inf")));
    EXPECT_EQ(ReadTextFileLines(NotesFile(entries[0])).value(0).section(QChar(0xFE), 0, 0), name);
    QFile::remove(NotesFile(entries[0]));
  }
  EXPECT_EQ(QDir(FFolders.Root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"Notes", "save"}));
}

TEST_F(CharInfoWorker, LineBreaksInTextsFromTheSaveKeepTheFileAt17Lines) {
  TGdcSave save = NamedSave(QStringLiteral("Two\r\nLines"));
  save.Equipped[esHead] = MakeItem("records/odd\npath.dbr");
  RunWorker(*NewWorker(FFolders.AddSave(QStringLiteral("_Odd"), save)));
  const QStringList entries = FFolders.NotesEntries();
  ASSERT_EQ(entries.size(), 1);
  const QStringList lines = ReadTextFileLines(NotesFile(entries[0]));
  ASSERT_EQ(lines.size(), 17);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Two  Lines\u00FE")));
  EXPECT_EQ(lines[1], QStringLiteral("records/odd path.dbr"));
}
