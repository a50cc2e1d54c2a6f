// The cache of extracted item names: used while the game files are unchanged,
// rebuilt when any of them changes, appears or goes, and never trusted when
// damaged; a failed extraction is not cached.
#include "ArzWriter.h"
#include "GameInstallation.h"
#include "ItemNameCache.h"
#include "ItemNameExtractor.h"
#include "TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ItemNameCache : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Game.isValid() && Notes.isValid());
    SampleGameInstallation().Write(Game.path());
    Expected = ExtractItemNames(Game.path()).Lines;
    ASSERT_FALSE(Expected.isEmpty());
  }

  TItemNameCacheResult Load() const { return LoadOrBuildItemNameCache(Game.path(), CacheFile()); }
  QString CacheFile() const { return Notes.filePath(QString::fromLatin1(ItemNameCacheFileName)); }
  QString GameFile(const QString& relativePath) const { return Game.filePath(relativePath); }

  // Loads twice: the first load must build, the second must use the cache.
  void ExpectBuiltThenCached(const QStringList& lines) const {
    const TItemNameCacheResult built = Load();
    EXPECT_EQ(built.Outcome, TItemNameCacheOutcome::Rebuilt);
    EXPECT_EQ(built.Lines, lines);
    const TItemNameCacheResult cached = Load();
    EXPECT_EQ(cached.Outcome, TItemNameCacheOutcome::FromCache);
    EXPECT_EQ(cached.Lines, lines);
  }

  QTemporaryDir Game;
  QTemporaryDir Notes;
  QStringList Expected;
};

TEST_F(ItemNameCache, IsBuiltOnceAndUsedWhileTheGameFilesAreUnchanged) {
  ExpectBuiltThenCached(Expected);
  EXPECT_TRUE(Load().Problems.isEmpty());
  EXPECT_TRUE(Load().CacheProblem.isEmpty());
}

TEST_F(ItemNameCache, AChangedDatabaseRebuildsIt) {
  ExpectBuiltThenCached(Expected);
  TGameInstallationWriter game = SampleGameInstallation();
  game.Database(0).AddRecord("records/items/gearrelic/d002_relic.dbr", "ItemRelic").String("description", "tagRelicD001");
  game.Write(Game.path());
  QStringList changed = Expected;
  changed << QStringLiteral("records/items/gearrelic/d002_relic.dbr=Ascension");
  changed.sort();
  ExpectBuiltThenCached(changed);
}

TEST_F(ItemNameCache, ANewModificationTimeAloneRebuildsIt) {
  ExpectBuiltThenCached(Expected);
  QFile archive(GameFile(QStringLiteral("resources/Text_EN.arc")));
  ASSERT_TRUE(archive.open(QIODevice::ReadWrite));
  ASSERT_TRUE(archive.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
  archive.close();
  ExpectBuiltThenCached(Expected);
}

TEST_F(ItemNameCache, AnExpansionThatAppearsOrGoesRebuildsIt) {
  ExpectBuiltThenCached(Expected);
  TGameInstallationWriter expansion;
  expansion.AddTagFile(3, QStringLiteral("tags_gdx3.txt"), "tagRelicD001=Ascension Reforged\r\n");
  expansion.Write(Game.path());
  QStringList changed = Expected;
  changed.replaceInStrings(QStringLiteral("=Ascension"), QStringLiteral("=Ascension Reforged"));
  ExpectBuiltThenCached(changed);

  ASSERT_TRUE(QDir(GameFile(QStringLiteral("gdx3"))).removeRecursively());
  ExpectBuiltThenCached(Expected);
}

TEST_F(ItemNameCache, IsNotUsedForAnotherGameFolder) {
  ExpectBuiltThenCached(Expected);
  QTemporaryDir otherGame;
  SampleGameInstallation().Write(otherGame.path());
  EXPECT_EQ(LoadOrBuildItemNameCache(otherGame.path(), CacheFile()).Outcome, TItemNameCacheOutcome::Rebuilt);
}

TEST_F(ItemNameCache, ADamagedCacheFileIsRebuilt) {
  struct TCacheDamage {
    const char* Name;
    std::function<QStringList(QStringList)> Damage;
  };
  const TCacheDamage damages[] = {
      {"LastLineLost", [](QStringList lines) { lines.removeLast(); return lines; }},
      {"LineAdded", [](QStringList lines) { return lines << QStringLiteral("records/items/x.dbr=Injected"); }},
      {"HeadEdited", [](QStringList lines) { lines[0] = QStringLiteral("Something else"); return lines; }},
      {"CountNotANumber", [](QStringList lines) {
         for (QString& line : lines) {
           if (line.startsWith(QStringLiteral("lines="))) line = QStringLiteral("lines=many");
         }
         return lines;
       }},
      {"Empty", [](QStringList) { return QStringList(); }},
  };
  for (const TCacheDamage& damage : damages) {
    SCOPED_TRACE(damage.Name);
    ASSERT_NE(Load().Outcome, TItemNameCacheOutcome::Failed);
    WriteTextFileLines(CacheFile(), damage.Damage(ReadTextFileLines(CacheFile())));
    ExpectBuiltThenCached(Expected);
  }
}

TEST_F(ItemNameCache, KeepsNamesOutsideWindows1252) {
  TGameInstallationWriter game = SampleGameInstallation();
  game.AddTagFile(2, QStringLiteral("tags_ru.txt"), "tagRelicD001=\xD0\x92\xD0\xBE\xD1\x81\xD1\x85\xD0\xBE\xD0\xB6\xD0\xB4\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5\r\n");
  game.Write(Game.path());
  QStringList expected = Expected;
  expected.replaceInStrings(QStringLiteral("=Ascension"), QStringLiteral("=\u0412\u043E\u0441\u0445\u043E\u0436\u0434\u0435\u043D\u0438\u0435"));
  ExpectBuiltThenCached(expected);
}

TEST_F(ItemNameCache, AFailedExtractionIsReportedWithWhatWasReadAndNotCached) {
  WriteFileBytesAtomic(GameFile(QStringLiteral("gdx1/database/GDX1.arz")), "damaged");
  for (int attempt = 0; attempt < 2; ++attempt) {
    const TItemNameCacheResult result = Load();
    EXPECT_EQ(result.Outcome, TItemNameCacheOutcome::Failed);
    ASSERT_EQ(result.Problems.size(), 1);
    EXPECT_TRUE(result.Problems[0].contains(QStringLiteral("GDX1.arz"))) << result.Problems[0].toStdString();
    EXPECT_TRUE(result.Lines.contains(QStringLiteral("records/items/gearrelic/d001_relic.dbr=Ascension")));
  }
  EXPECT_FALSE(QFile::exists(CacheFile()));
}

TEST_F(ItemNameCache, ACacheThatCannotBeWrittenStillGivesTheNames) {
  const QString unwritable = Notes.filePath(QStringLiteral("missing-folder/") + QString::fromLatin1(ItemNameCacheFileName));
  const TItemNameCacheResult result = LoadOrBuildItemNameCache(Game.path(), unwritable);
  EXPECT_EQ(result.Outcome, TItemNameCacheOutcome::Rebuilt);
  EXPECT_EQ(result.Lines, Expected);
  EXPECT_TRUE(result.CacheProblem.contains(QDir::toNativeSeparators(unwritable))) << result.CacheProblem.toStdString();
}

}  // namespace
