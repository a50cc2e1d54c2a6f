// Saves written by the game load and give what expected.json lists.
#include "SaveTestSupport.h"

#include "Errors.h"
#include "UCharacter.h"
#include "UCharacterRows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString RealSavesFolder() { return QStringLiteral(QUILLMARK_SHARED_DIR "/fixtures/real-saves"); }

}  // namespace

TEST(RealSaves, EveryFileLoadsAndMatchesTheExpectedRowAndEquipment) {
  QFile expectedFile(QDir(RealSavesFolder()).filePath(QStringLiteral("expected.json")));
  if (!expectedFile.open(QIODevice::ReadOnly)) {
    GTEST_SKIP() << "no real saves at " << RealSavesFolder().toStdString();
  }
  const QJsonArray entries = QJsonDocument::fromJson(expectedFile.readAll()).array();
  ASSERT_FALSE(entries.isEmpty());
  const QStringList files = QDir(RealSavesFolder()).entryList({QStringLiteral("*.gdc")}, QDir::Files);
  EXPECT_EQ(files.size(), entries.size()) << "every save has an entry";

  TFatalReports reports;
  for (const QJsonValue& value : entries) {
    const QJsonObject expected = value.toObject();
    const QString file = expected[QStringLiteral("file")].toString();
    SCOPED_TRACE(file.toStdString());
    const QString path = QDir(RealSavesFolder()).filePath(file);
    if (expected.contains(QStringLiteral("error"))) {
      try {
        TCharacter character(path);
        ADD_FAILURE() << "loaded";
      } catch (const EError& error) {
        EXPECT_EQ(error.Message(), expected[QStringLiteral("error")].toString());
      }
      continue;
    }
    std::optional<TCharacter> character;
    try {
      character.emplace(path);
    } catch (const EError& error) {
      ADD_FAILURE() << error.Message().toStdString();
      continue;
    }
    const TCharacterRow row = MakeCharacterRow(*character);
    auto text = [&](const char* key) { return expected[QLatin1String(key)].toString(); };
    auto number = [&](const char* key) {
      return static_cast<std::uint32_t>(expected[QLatin1String(key)].toDouble());
    };
    EXPECT_EQ(row.Name, text("Name"));
    EXPECT_EQ(row.Title, text("Title"));
    EXPECT_EQ(row.Level, number("Level"));
    EXPECT_EQ(row.Sex, text("Sex"));
    EXPECT_EQ(row.Class1, text("Class1"));
    EXPECT_EQ(row.Class2, text("Class2"));
    EXPECT_EQ(row.Iron, number("Iron"));
    EXPECT_EQ(row.Devotions, number("Devotions"));
    EXPECT_EQ(row.Difficulty, text("Difficulty"));
    EXPECT_EQ(row.Hardcore, text("Hardcore"));
    EXPECT_EQ(character->Versions().Header, number("HeaderVersion"));
    EXPECT_EQ(character->Versions().File, number("FileVersion"));
    EXPECT_EQ(character->Versions().Info, number("InfoVersion"));
    EXPECT_EQ(character->Versions().Inventory, number("InventoryVersion"));

    const QJsonObject equipment = expected[QStringLiteral("Equipment")].toObject();
    EXPECT_EQ(equipment.size(), EquipmentSlotCount);
    for (int slot = 0; slot < EquipmentSlotCount; ++slot) {
      const auto i = static_cast<std::size_t>(slot);
      const QJsonArray paths = equipment[EquipmentSlotNames[i]].toArray();
      SCOPED_TRACE(EquipmentSlotNames[i].data());
      ASSERT_EQ(paths.size(), 3);
      EXPECT_EQ(character->Equipment().Slot(slot), paths[0].toString());
      EXPECT_EQ(character->Equipment().Prefix[i], paths[1].toString());
      EXPECT_EQ(character->Equipment().Suffix[i], paths[2].toString());
    }
  }
  EXPECT_TRUE(reports.Messages().isEmpty());
}
