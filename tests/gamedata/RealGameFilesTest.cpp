// The readers against real game files from the shared fixtures: every fact
// that expected.json lists must come out exactly.
#include "ArcArchive.h"
#include "ArzDatabase.h"
#include "ItemNameRule.h"
#include "TagTable.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QString FixtureFolder() { return QStringLiteral(QUILLMARK_SHARED_DIR "/fixtures/game-files"); }

QString Fixture(const QString& name) { return FixtureFolder() + QLatin1Char('/') + name; }

class RealGameFiles : public ::testing::Test {
protected:
  void SetUp() override {
    QFile file(Fixture(QStringLiteral("expected.json")));
    if (!QDir(FixtureFolder()).exists() || !file.open(QIODevice::ReadOnly)) {
      GTEST_SKIP() << "Real game files absent: " << FixtureFolder().toStdString();
    }
    Expected = QJsonDocument::fromJson(file.readAll()).object();
    ASSERT_FALSE(Expected.isEmpty()) << "expected.json does not parse";
  }

  // The tag texts the expected display names are resolved against.
  TTagTable LeagueTagTexts() const {
    TTagTable texts;
    QStringList problems;
    texts.AddArchive(TArcArchive::Open(Fixture(QStringLiteral("base_Text_EN.arc"))), problems);
    texts.AddArchive(TArcArchive::Open(Fixture(QStringLiteral("text_en.arc"))), problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    return texts;
  }

  QJsonObject Expected;
};

TEST_F(RealGameFiles, ArchivesListEveryLiveFileWithItsSizeAndChecksumAndExtractIt) {
  const QJsonObject archives = Expected[QStringLiteral("arc")].toObject();
  ASSERT_FALSE(archives.isEmpty());
  for (auto it = archives.begin(); it != archives.end(); ++it) {
    SCOPED_TRACE(it.key().toStdString());
    const TArcArchive archive = TArcArchive::Open(Fixture(it.key()));
    const QJsonArray files = it.value().toObject()[QStringLiteral("files")].toArray();
    ASSERT_EQ(archive.Files().size(), std::size_t(files.size()));
    for (qsizetype i = 0; i < files.size(); ++i) {
      const QJsonObject expected = files[i].toObject();
      const TArcEntry& entry = archive.Files()[std::size_t(i)];
      EXPECT_EQ(entry.Name, expected[QStringLiteral("name")].toString());
      EXPECT_EQ(entry.Size, std::uint32_t(expected[QStringLiteral("size")].toDouble()));
      EXPECT_EQ(entry.Adler32, std::uint32_t(expected[QStringLiteral("adler32")].toDouble()));
      // Extract checks the joined parts against the size and checksum.
      EXPECT_EQ(archive.Extract(int(i)).size(), qsizetype(entry.Size));
    }
  }
}

TEST_F(RealGameFiles, TagArchivesGiveTheirTagCountAndTexts) {
  const QJsonObject tags = Expected[QStringLiteral("tags")].toObject();
  ASSERT_FALSE(tags.isEmpty());
  for (auto it = tags.begin(); it != tags.end(); ++it) {
    SCOPED_TRACE(it.key().toStdString());
    TTagTable texts;
    QStringList problems;
    texts.AddArchive(TArcArchive::Open(Fixture(it.key())), problems);
    EXPECT_TRUE(problems.isEmpty());
    const QJsonObject expected = it.value().toObject();
    EXPECT_EQ(texts.Count(), expected[QStringLiteral("count")].toInt());
    const QJsonObject sample = expected[QStringLiteral("sample")].toObject();
    for (auto tag = sample.begin(); tag != sample.end(); ++tag) {
      EXPECT_EQ(texts.Text(tag.key().toUtf8()), tag.value().toString()) << tag.key().toStdString();
    }
  }
}

TEST_F(RealGameFiles, DatabaseGivesItsCountsRecordsFieldsAndDisplayNames) {
  const QJsonObject databases = Expected[QStringLiteral("arz")].toObject();
  ASSERT_FALSE(databases.isEmpty());
  const TTagTable texts = LeagueTagTexts();
  for (auto it = databases.begin(); it != databases.end(); ++it) {
    SCOPED_TRACE(it.key().toStdString());
    const TArzDatabase database = TArzDatabase::Open(Fixture(it.key()));
    const QJsonObject expected = it.value().toObject();
    EXPECT_TRUE(database.ChecksumProblem().isEmpty()) << database.ChecksumProblem().toStdString();
    EXPECT_EQ(database.RecordCount(), expected[QStringLiteral("records")].toInt());
    EXPECT_EQ(database.StringCount(), expected[QStringLiteral("strings")].toInt());

    const TItemNameFieldReader reader(database);
    for (const QJsonValue& value : expected[QStringLiteral("sample")].toArray()) {
      const QJsonObject sample = value.toObject();
      const QByteArray path = sample[QStringLiteral("path")].toString().toUtf8();
      SCOPED_TRACE(path.toStdString());
      const int index = database.IndexOfRecord(path);
      ASSERT_GE(index, 0);
      EXPECT_EQ(database.RecordClass(index), sample[QStringLiteral("class")].toString().toUtf8());
      const TArzRecord record = database.ReadRecord(index);
      EXPECT_EQ(record.FieldCount(), sample[QStringLiteral("fields")].toInt());
      for (const char* key : {"itemNameTag", "lootRandomizerName", "description"}) {
        const TArzField* field = database.FindField(record, key);
        const QJsonValue tag = sample[QLatin1String(key)];
        if (tag.isUndefined()) continue;
        ASSERT_NE(field, nullptr) << key;
        EXPECT_EQ(database.String(record.StringIndex(*field, 0)), tag.toString().toUtf8()) << key;
      }
      EXPECT_EQ(DisplayNameOf(reader.Read(record), texts), sample[QStringLiteral("displayName")].toString());
    }

    int named = 0;
    for (int i = 0; i < database.RecordCount(); ++i) {
      if (!DisplayNameOf(reader.Read(database.ReadRecord(i)), texts).isEmpty()) ++named;
    }
    EXPECT_EQ(named, expected[QStringLiteral("named_records")].toInt());
  }
}

}  // namespace
