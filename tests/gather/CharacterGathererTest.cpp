// The refresh pipeline end to end on save folders made by the save writer.
#include "GatherTestSupport.h"

#include "Errors.h"
#include "UCharInfoThread.h"
#include "UCharacterGatherer.h"
#include "UModels.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTimer>

#include <sys/stat.h>

namespace {

QString RowName(const TGatheredCharacter& ACharacter) { return ACharacter.Row.section(QChar(0xFE), 0, 0); }

QStringList RowNames(const TGatherResult& AResult) {
  QStringList names;
  for (const TGatheredCharacter& character : AResult.Characters) names.append(RowName(character));
  return names;
}

class Gatherer : public testing::Test {
protected:
  TGatherResult Gather() {
    TGatherResult result = GatherCharacters(FFolders.MainPath(), FFolders.NotesPath(), FTable);
    FreeFinishedWorkers();
    return result;
  }
  void AddExchangeFile(const QString& AFileName, const QStringList& ALines) {
    WriteTextFileLines(FFolders.NotesPath() + AFileName, ALines);
  }

  TGatherFolders FFolders;
  TItemNames FTable;
};

// Every file below a folder with its bytes and permissions.
QMap<QString, QByteArray> Snapshot(const QString& AFolder) {
  QMap<QString, QByteArray> files;
  QDirIterator it(AFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QFileInfo info(path);
    QByteArray content = QByteArray::number(static_cast<int>(info.permissions()));
    if (info.isFile()) content += ReadFileBytes(path);
    files.insert(QDir(AFolder).relativeFilePath(path), content);
  }
  return files;
}

void MakeReadOnly(const QString& AFolder, bool AReadOnly) {
  QDirIterator it(AFolder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  QStringList paths{AFolder};
  while (it.hasNext()) paths.append(it.next());
  for (const QString& path : paths) {
    const bool folder = QFileInfo(path).isDir();
    const mode_t mode = AReadOnly ? (folder ? 0555 : 0444) : (folder ? 0755 : 0644);
    chmod(QFile::encodeName(path).constData(), mode);
  }
}

}  // namespace

TEST_F(Gatherer, OnlyCharacterFoldersGiveRowsAndTheNotesFolderIsLeftEmpty) {
  FFolders.AddSave(QStringLiteral("_Beta"), NamedSave(QStringLiteral("Beta")));
  FFolders.AddSave(QStringLiteral("_Alpha"), NamedSave(QStringLiteral("Alpha")));
  FFolders.AddSave(QStringLiteral("Gamma"), NamedSave(QStringLiteral("Gamma")));    // no "_"
  FFolders.AddSave(QStringLiteral(".Hidden"), NamedSave(QStringLiteral("Hidden")));  // hidden
  QDir(FFolders.MainPath()).mkpath(QStringLiteral("_Empty"));                        // no player.gdc
  WriteFileBytesAtomic(FFolders.MainPath() + QStringLiteral("/_x"), WriteGdc(NamedSave(QStringLiteral("X"))));
  QDir(FFolders.MainPath()).mkpath(QStringLiteral("_Folder/player.gdc"));  // player.gdc is a folder

  const TGatherResult result = Gather();
  EXPECT_EQ(RowNames(result), (QStringList{"Alpha", "Beta"}));
  EXPECT_TRUE(result.Failures.empty());
  EXPECT_TRUE(FFolders.NotesEntries().isEmpty());
}

TEST_F(Gatherer, ExchangeLinesFillTheirEquipmentFields) {
  TGdcSave save = NamedSave(QStringLiteral("Kit"));
  const QByteArray paths[] = {"head", "amulet", "chest", "legs", "feet", "hands", "ring1", "ring2",
                              "belt", "shoulder", "medal", "relic", "weapon1", "weapon2", "weapon1alt", "weapon2alt"};
  for (std::size_t slot = 0; slot < save.Equipped.size(); ++slot) save.Equipped[slot] = MakeItem("r/" + paths[slot]);
  save.Equipped[esHead] = MakeItem("records/items/gearhead/a01_head001.dbr");
  FFolders.AddSave(QStringLiteral("_Kit"), save);

  const TGatherResult result = Gather();
  ASSERT_EQ(result.Characters.size(), 1u);
  const TEquipment& e = *result.Characters[0].Equipment;
  const QString fields[] = {e.Head,  e.Amulet, e.Chest,    e.Legs,  e.Feet,    e.Hands,   e.Ring1,      e.Ring2,
                            e.Belt,  e.Shoulder, e.Medal,  e.Relic, e.Weapon1, e.Weapon2, e.Weapon1Alt, e.Weapon2Alt};
  EXPECT_EQ(fields[0], QStringLiteral("Leather Helm"));
  for (std::size_t slot = 1; slot < std::size(fields); ++slot) {
    EXPECT_EQ(fields[slot], QString::fromLatin1("r/" + paths[slot])) << slot;
  }
}

TEST_F(Gatherer, TwoFoldersOfOneCharacterNameGiveOneRow) {
  FFolders.AddSave(QStringLiteral("_Twin1"), NamedSave(QStringLiteral("Twin")));
  FFolders.AddSave(QStringLiteral("_Twin2"), NamedSave(QStringLiteral("Twin")));
  const TGatherResult result = Gather();
  EXPECT_EQ(RowNames(result), QStringList{"Twin"});
  EXPECT_TRUE(result.Failures.empty());
  EXPECT_TRUE(FFolders.NotesEntries().isEmpty());
}

TEST_F(Gatherer, LeftOverExchangeFilesAreCollectedAndOddOnesOnlyDeleted) {
  FFolders.AddSave(QStringLiteral("_Fresh"), NamedSave(QStringLiteral("Fresh")));
  QStringList stale{QStringLiteral("Stale\u00FEWarlord\u00FE1\u00FEMale\u00FE\u00FE\u00FE0\u00FE0\u00FENormal\u00FEN")};
  for (int i = 1; i < 17; ++i) stale.append(QStringLiteral("item %1").arg(i));
  AddExchangeFile(QStringLiteral("Stale.inf"), stale);
  AddExchangeFile(QStringLiteral("Short.inf"), stale.mid(0, 16));
  AddExchangeFile(QStringLiteral("Empty.inf"), {});
  AddExchangeFile(QStringLiteral("note.txt"), {QStringLiteral("a note")});
  // Well-formed but far larger than any exchange file: not read into memory.
  QStringList huge = stale;
  huge[0].replace(QStringLiteral("Stale"), QStringLiteral("Huge"));
  huge[16] = QString(5 << 20, QLatin1Char('x'));
  AddExchangeFile(QStringLiteral("Huge.inf"), huge);

  const TGatherResult result = Gather();
  EXPECT_EQ(RowNames(result), (QStringList{"Fresh", "Stale"}));
  EXPECT_EQ(result.Characters[1].Row, stale[0]);
  EXPECT_EQ(result.Characters[1].Equipment->Head, QStringLiteral("item 1"));
  EXPECT_EQ(result.Characters[1].Equipment->Weapon2Alt, QStringLiteral("item 16"));
  EXPECT_EQ(FFolders.NotesEntries(), QStringList{"note.txt"});
}

TEST_F(Gatherer, FailedCharactersGetNoRowAndAreListedWithTheirReason) {
  const TFatalReports reports;
  FFolders.AddSave(QStringLiteral("_Good"), NamedSave(QStringLiteral("Good")));
  TGdcSave badVersion = NamedSave(QStringLiteral("Bad"));
  badVersion.FileVersion = 9;
  const QString bad = FFolders.AddSave(QStringLiteral("_Bad"), badVersion);
  const QString tooShort = FFolders.AddSaveBytes(QStringLiteral("_Short"), QByteArray("ab"));

  const TGatherResult result = Gather();
  EXPECT_EQ(RowNames(result), QStringList{"Good"});
  ASSERT_EQ(result.Failures.size(), 2u);
  EXPECT_EQ(result.Failures[0].CharFile, bad);
  EXPECT_EQ(result.Failures[0].Message, QStringLiteral("Invalid file version 9"));
  EXPECT_EQ(result.Failures[1].CharFile, tooShort);
  EXPECT_EQ(reports.Messages().size(), 1);
}

TEST_F(Gatherer, AReadOnlySaveDirectoryStaysByteForByteTheSame) {
  TGdcSave save = NamedSave(QStringLiteral("Still"));
  save.Equipped[esHead] = MakeItem("records/items/gearhead/a01_head001.dbr");
  FFolders.AddSave(QStringLiteral("_Still"), save);
  FFolders.AddSave(QStringLiteral("_Other"), NamedSave(QStringLiteral("Other")));
  const QString saveDir = QFileInfo(FFolders.MainPath()).path();
  MakeReadOnly(saveDir, true);
  const QMap<QString, QByteArray> before = Snapshot(saveDir);

  const TGatherResult result = Gather();
  const QMap<QString, QByteArray> after = Snapshot(saveDir);
  MakeReadOnly(saveDir, false);
  EXPECT_EQ(result.Characters.size(), 2u);
  EXPECT_EQ(after, before);
}

TEST_F(Gatherer, NamesFromSavesWriteNothingOutsideTheNotesFolder) {
  FFolders.AddSave(QStringLiteral("_Up"), NamedSave(QStringLiteral("../x")));
  FFolders.AddSave(QStringLiteral("_Slash"), NamedSave(QStringLiteral("a/b")));
  const TGatherResult result = Gather();
  EXPECT_EQ(RowNames(result), (QStringList{"../x", "a/b"}));
  EXPECT_EQ(QDir(FFolders.Root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"Notes", "save"}));
  EXPECT_EQ(QDir(FFolders.MainPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"_Slash", "_Up"}));
  EXPECT_TRUE(FFolders.NotesEntries().isEmpty());
}

TEST_F(Gatherer, NoCharactersAndNoMainFolderGiveAnEmptyList) {
  EXPECT_TRUE(Gather().Characters.empty());
  QDir(FFolders.MainPath()).removeRecursively();
  const TGatherResult result = Gather();
  EXPECT_TRUE(result.Characters.empty());
  EXPECT_TRUE(result.Failures.empty());
}

TEST_F(Gatherer, WithoutANotesFolderEveryWorkerFails) {
  FFolders.AddSave(QStringLiteral("_One"), NamedSave(QStringLiteral("One")));
  QDir(FFolders.NotesPath()).removeRecursively();
  const TGatherResult result = Gather();
  EXPECT_TRUE(result.Characters.empty());
  ASSERT_EQ(result.Failures.size(), 1u);
  EXPECT_FALSE(result.Failures[0].Message.isEmpty());
}

TEST_F(Gatherer, ASecondGatheringCannotStartDuringTheWait) {
  FFolders.AddSave(QStringLiteral("_One"), NamedSave(QStringLiteral("One")));
  bool asked = false;
  QString refusal;
  QTimer::singleShot(0, [&] {
    asked = true;
    EXPECT_TRUE(IsGatheringCharacters());
    try {
      GatherCharacters(FFolders.MainPath(), FFolders.NotesPath(), FTable);
    } catch (const EError& error) {
      refusal = error.Message();
    }
  });
  const TGatherResult result = Gather();
  EXPECT_TRUE(asked);
  EXPECT_FALSE(refusal.isEmpty());
  EXPECT_EQ(result.Characters.size(), 1u);
  EXPECT_FALSE(IsGatheringCharacters());
  EXPECT_EQ(Gather().Characters.size(), 1u);
}

TEST_F(Gatherer, AWorkerThatCannotStartCountsAsFailedAndTheWaitEnds) {
  const TItemLookup lookup(FTable.RecordPaths(), FTable.DisplayNames());
  const QString good = FFolders.AddSave(QStringLiteral("_Good"), NamedSave(QStringLiteral("Good")));
  const QString refused = FFolders.AddSave(QStringLiteral("_Refused"), NamedSave(QStringLiteral("Refused")));
  auto* unstartable = new TCharInfoThread(refused, FFolders.NotesPath(), lookup);
  unstartable->setStackSize(1);  // below any system's minimum: the thread cannot be created
  const std::vector<TGatherFailure> failures =
      RunCharacterWorkers({new TCharInfoThread(good, FFolders.NotesPath(), lookup), unstartable});
  FreeFinishedWorkers();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].CharFile, refused);
  EXPECT_EQ(FFolders.NotesEntries(), QStringList{"Good.inf"});
}
