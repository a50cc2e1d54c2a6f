// Item display names from a writer-made installation: the naming rule, the
// override order of the layers, and what a damaged or incomplete
// installation gives.
#include "ArzWriter.h"
#include "GameFiles.h"
#include "GameInstallation.h"
#include "ItemNameExtractor.h"
#include "TextFile.h"
#include "GameDataTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList SampleLines = {
    "records/items/gearhands/a01_hands001.dbr=Steel Gloves",
    "records/items/gearhead/a01_head001.dbr=Leather Hood",
    "records/items/gearhead/x01_head001.dbr=Hood of Ash",
    "records/items/gearrelic/d001_relic.dbr=Ascension",
    "records/items/geartorso/c01_torso001.dbr=Mantle of the Weeping Eye",
    "records/items/gearweapons/swords1h/a01_sword001.dbr=Rusted Steel Sword",
    "records/items/lootaffixes/prefix/aa002a_exp_01.dbr=Enlightening",
    "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr=of Corrosion",
    "records/items/materia/compa_aethercrystal.dbr=Aether Crystal",
    "records/storyelements/rewards/q003_ring_slithring.dbr=Slith Primal Ring",
};

QStringList Without(QStringList lines, const QStringList& removed) {
  for (const QString& line : removed) lines.removeAll(line);
  return lines;
}

class ItemNameExtraction : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Game.isValid()); }
  QString GameFile(const char* relativePath) const { return Game.path() + QLatin1Char('/') + QLatin1String(relativePath); }

  QTemporaryDir Game;
};

TEST_F(ItemNameExtraction, NamesBaseItemsAffixesAndDescribedItemsWithExpansionsOverriding) {
  SampleGameInstallation().Write(Game.path());
  const TItemNameExtraction names = ExtractItemNames(Game.path());
  EXPECT_FALSE(names.Failed()) << names.Problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(names.Lines, SampleLines);
}

TEST_F(ItemNameExtraction, ALaterRecordReplacesTheWholeEarlierOne) {
  TGameInstallationWriter game = SampleGameInstallation();
  // The relic's replacement has no name field; the ring's is no item any more.
  game.Database(2).AddRecord("records/items/gearrelic/d001_relic.dbr", "ItemRelic").Integer("levelRequirement", 50);
  game.Database(3).AddRecord("records/storyelements/rewards/q003_ring_slithring.dbr", "Proxy");
  game.Write(Game.path());
  EXPECT_EQ(ExtractItemNames(Game.path()).Lines,
            Without(SampleLines, {"records/items/gearrelic/d001_relic.dbr=Ascension",
                                  "records/storyelements/rewards/q003_ring_slithring.dbr=Slith Primal Ring"}));
}

TEST_F(ItemNameExtraction, FindsGameFilesWhateverTheCaseOfTheirNames) {
  SampleGameInstallation().Write(Game.path());
  QDir folder(Game.path());
  ASSERT_TRUE(folder.rename(QStringLiteral("database/database.arz"), QStringLiteral("database/DATABASE.ARZ")));
  ASSERT_TRUE(folder.rename(QStringLiteral("database"), QStringLiteral("Database")));
  ASSERT_TRUE(folder.rename(QStringLiteral("resources"), QStringLiteral("Resources")));
  EXPECT_EQ(LocateGameFile(Game.path(), QStringLiteral("database/database.arz")), Game.path() + QStringLiteral("/Database/DATABASE.ARZ"));
  EXPECT_EQ(LocateGameFile(Game.path(), QStringLiteral("gdx3/database/GDX3.arz")), QString());
  EXPECT_EQ(ExtractItemNames(Game.path()).Lines, SampleLines);
}

struct TDamageCase {
  const char* Name;
  // Damages the written installation (the folder path is given).
  std::function<void(const QString& game)> Damage;
  const char* ProblemFragment;
  QStringList MissingLines;
  QStringList ChangedLines;  // lines that take the place of missing ones
};

class DamagedInstallation : public ::testing::TestWithParam<TDamageCase> {};

void Overwrite(const QString& fileName, const QByteArray& bytes) { WriteFileBytesAtomic(fileName, bytes); }

void FlipByte(const QString& fileName, qsizetype fromEnd) {
  QByteArray bytes = ReadFileBytes(fileName);
  bytes[bytes.size() - fromEnd] = char(bytes[bytes.size() - fromEnd] ^ 0x5A);
  Overwrite(fileName, bytes);
}

TEST_P(DamagedInstallation, KeepsWhatCouldBeReadAndFailsNamingTheFile) {
  QTemporaryDir game;
  SampleGameInstallation().Write(game.path());
  GetParam().Damage(game.path());
  const TItemNameExtraction names = ExtractItemNames(game.path());
  ASSERT_TRUE(names.Failed());
  const QString problems = names.Problems.join(QLatin1Char('\n'));
  EXPECT_TRUE(problems.contains(QString::fromUtf8(GetParam().ProblemFragment))) << problems.toStdString();
  QStringList expected = Without(SampleLines, GetParam().MissingLines) + GetParam().ChangedLines;
  expected.sort();
  EXPECT_EQ(names.Lines, expected);
}

const TDamageCase DamageCases[] = {
    {"ExpansionDatabaseNotADatabase",
     [](const QString& g) { Overwrite(g + "/gdx1/database/GDX1.arz", "this is no database at all"); },
     "GDX1.arz: too short to be a game database",
     {"records/items/gearhead/a01_head001.dbr=Leather Hood", "records/items/gearhead/x01_head001.dbr=Hood of Ash"},
     {"records/items/gearhead/a01_head001.dbr=Leather Helm"}},
    {"BaseDatabaseFooterDamaged",
     [](const QString& g) { FlipByte(g + "/database/database.arz", 3); },
     "database.arz: the checksum of the record table does not match",
     {},
     {}},
    {"ExpansionTagArchiveDamaged",
     // A byte of the stored tag file, just before the part table.
     [](const QString& g) { FlipByte(g + "/gdx1/resources/Text_EN.arc", 44 + 20 + 12 + 1); },
     "gdx1/resources/Text_EN.arc: ",
     {"records/items/gearhead/a01_head001.dbr=Leather Hood", "records/items/gearhead/x01_head001.dbr=Hood of Ash",
      "records/items/gearhands/a01_hands001.dbr=Steel Gloves",
      "records/items/gearweapons/swords1h/a01_sword001.dbr=Rusted Steel Sword"},
     {"records/items/gearhands/a01_hands001.dbr=Iron Gloves",
      "records/items/gearweapons/swords1h/a01_sword001.dbr=Rusted Iron Sword"}},
};

INSTANTIATE_TEST_SUITE_P(Damaged, DamagedInstallation, ::testing::ValuesIn(DamageCases), TCaseName());

TEST_F(ItemNameExtraction, ADamagedRecordLosesOnlyItsOwnName) {
  TGameInstallationWriter game = SampleGameInstallation();
  game.Database(0).AddRecord("records/items/gearhead/broken.dbr", "ArmorProtective_Head").RawStored(QByteArray(30, '\xFF'), 90);
  game.Database(0).AddRecord("records/items/gearhead/broken2.dbr", "ArmorProtective_Head").RawStored(QByteArray(30, '\xFF'), 90);
  game.Write(Game.path());
  const TItemNameExtraction names = ExtractItemNames(Game.path());
  ASSERT_EQ(names.Problems.size(), 1);
  EXPECT_TRUE(names.Problems[0].contains(QStringLiteral("\"records/items/gearhead/broken.dbr\" does not decompress (and 1 more damaged records)")))
      << names.Problems[0].toStdString();
  EXPECT_EQ(names.Lines, SampleLines);
}

TEST_F(ItemNameExtraction, AFolderWithoutDatabaseOrWithoutTagTextsFails) {
  const TItemNameExtraction empty = ExtractItemNames(Game.path());
  ASSERT_TRUE(empty.Failed());
  EXPECT_EQ(empty.Problems, QStringList{"No game database found in " + QDir::toNativeSeparators(Game.path())});

  TGameInstallationWriter game;
  game.Database(0).AddRecord("records/items/gearhead/a01_head001.dbr", "ArmorProtective_Head").String("itemNameTag", "tagHelm");
  game.Write(Game.path());
  const TItemNameExtraction noTexts = ExtractItemNames(Game.path());
  ASSERT_TRUE(noTexts.Failed());
  EXPECT_TRUE(noTexts.Problems[0].startsWith(QStringLiteral("No English tag texts found"))) << noTexts.Problems[0].toStdString();
  EXPECT_TRUE(noTexts.Lines.isEmpty());
}

TEST_F(ItemNameExtraction, PathsThatWouldBreakTheLineFormatAreLeftOut) {
  TGameInstallationWriter game;
  game.AddTagFile(0, QStringLiteral("tags.txt"), "tagHelm=Helm\r\n");
  game.Database(0).AddRecord("records/items/a=b.dbr", "ArmorProtective_Head").String("itemNameTag", "tagHelm");
  game.Database(0).AddRecord("records/items/a\nb.dbr", "ArmorProtective_Head").String("itemNameTag", "tagHelm");
  game.Database(0).AddRecord("records/items/ok.dbr", "ArmorProtective_Head").String("itemNameTag", "tagHelm");
  game.Write(Game.path());
  EXPECT_EQ(ExtractItemNames(Game.path()).Lines, QStringList{"records/items/ok.dbr=Helm"});
}

}  // namespace
