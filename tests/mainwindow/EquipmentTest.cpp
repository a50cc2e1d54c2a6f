// The character list filled by the workers and the equipment panel of the
// selected character, on written saves and on saves written by the game.
#include "MainWindowFixture.h"

#include "UModels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

namespace path {
const QByteArray LeatherHelm = "records/items/gearhead/a01_head001.dbr";
const QByteArray RitualBlade = "records/items/gearweapons/caster/a08_dagger001.dbr";
const QByteArray Enlightening = "records/items/lootaffixes/prefix/aa002a_exp_01.dbr";
const QByteArray OfCorrosion = "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr";
const QByteArray SlithRing = "records/storyelements/rewards/q003_ring_slithring.dbr";
const QByteArray WornClothing = "records/creatures/npcs/npcgear/npc_torso002.dbr";
const QByteArray NormalShield = "records/endlessdungeon/scriptentities/portal_s01.dbr";
const QByteArray UnknownGloves = "records/items/gearhands/not_in_the_table.dbr";
const QByteArray UnknownRelic = "records/items/gearrelic/not_in_the_table.dbr";
}  // namespace path

QString SlotKey(const QString& AField) {
  static const QHash<QString, QString> keys{
      {"Head", "Head"},         {"Chest", "Chest"},          {"Shoulder", "Shoulder"},
      {"Hands", "Gloves"},      {"Legs", "Leggings"},        {"Feet", "Boots"},
      {"Belt", "Belt"},         {"Ring1", "Ring 1"},         {"Ring2", "Ring 2"},
      {"Amulet", "Amulet"},     {"Medal", "Medal"},          {"Relic", "Relic"},
      {"Weapon1", "Right Hand"}, {"Weapon2", "Left Hand"},   {"Weapon1Alt", "Right Hand Alt"},
      {"Weapon2Alt", "Left Hand Alt"}};
  return keys.value(AField);
}

}  // namespace

TEST_F(MainWindowTest, SelectedCharactersEquipmentFillsTheGridByKey) {
  TGdcSave armed = Character("Armed");
  armed.Equipped[esHead] = MakeItem(path::LeatherHelm);
  armed.Equipped[esChest] = MakeItem(path::WornClothing);
  armed.Equipped[esHands] = MakeItem(path::UnknownGloves);
  armed.Equipped[esRing2] = MakeItem(path::SlithRing);
  armed.Equipped[esRelic] = MakeItem(path::UnknownRelic, path::Enlightening);
  armed.Equipped[esWeapon1] = MakeItem(path::RitualBlade, path::Enlightening, path::OfCorrosion);
  armed.Equipped[esWeapon2Alt] = MakeItem(path::NormalShield);
  WriteCharacter(armed);
  TGdcSave bare = Character("Bare");
  bare.Equipped[esHead] = MakeItem(path::LeatherHelm);
  WriteCharacter(bare);
  ChooseSaveDir();
  Start();

  ClickRow("Armed");
  const QStringList expected{"Leather Helm", "Worn Clothing", "", QString::fromLatin1(path::UnknownGloves),
                             "", "", "", "", "Slith Primal Ring", "", "", QString::fromLatin1(path::UnknownRelic),
                             "", "Enlightening Ritual Blade of Corrosion", "", "", "Totally Normal Shield"};
  QStringList shown;
  for (int row = 0; row < Grid().RowCount(); ++row) shown << Grid().Value(row);
  EXPECT_EQ(shown, expected) << "Head, Chest, Shoulder, Gloves, ... the separator row stays empty";

  ClickRow("Bare");
  EXPECT_EQ(Equipment("Head"), "Leather Helm");
  EXPECT_EQ(Equipment("Right Hand"), "") << "a value of the previous character does not linger";
  EXPECT_EQ(Grid().Value(12), "");
}

TEST_F(MainWindowTest, ExchangeFileLeftFromAnEarlierRunBecomesARowAndIsDeleted) {
  ChooseSaveDir();
  QDir().mkpath(NotesPath());
  QStringList lines{QStringList{"Ghost", "Witch Hunter", "7", "Female", "Occultist", "Nightblade", "12", "3",
                                "Normal", "N"}
                        .join(kThorn)};
  for (int line = 1; line <= 16; ++line) lines << QStringLiteral("item %1").arg(line);
  WriteTextFileLines(NotesPath() + "Ghost.inf", lines);
  Start();

  ASSERT_EQ(Names(), QStringList{"Ghost"});
  EXPECT_FALSE(QFileInfo::exists(NotesPath() + "Ghost.inf"));
  ClickRow(0);
  EXPECT_EQ(Equipment("Head"), "item 1");
  EXPECT_EQ(Equipment("Gloves"), "item 4");
  EXPECT_EQ(Equipment("Amulet"), "item 10");
  EXPECT_EQ(Equipment("Left Hand Alt"), "item 16");
}

TEST_F(MainWindowTest, TwoFoldersWithOneCharacterNameGiveOneRowAndOneNote) {
  WriteCharacter(Character("Twin", 10), "Twin1");
  WriteCharacter(Character("Twin", 20), "Twin2");
  ChooseSaveDir();
  Start();
  ASSERT_EQ(Names(), QStringList{"Twin"});
  ClickRow(0);
  TypeNote("shared");
  Window->close();
  EXPECT_EQ(NoteFiles(), QStringList{"Twin.txt"});
}

TEST_F(MainWindowTest, SavesWrittenByTheGameFillTheListAndTheEquipment) {
  const QString fixtures = QStringLiteral(QUILLMARK_SHARED_DIR "/fixtures/real-saves");
  QFile expectedFile(fixtures + "/expected.json");
  if (!expectedFile.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no real saves at " << fixtures.toStdString();
  const QJsonArray entries = QJsonDocument::fromJson(expectedFile.readAll()).array();
  QHash<QString, QJsonObject> expectedByName;
  for (const QJsonValue& value : entries) {
    const QJsonObject entry = value.toObject();
    if (entry.contains("error")) continue;
    const QString folder = SaveDir() + "main/_" + QFileInfo(entry["file"].toString()).completeBaseName();
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy(fixtures + "/" + entry["file"].toString(), folder + "/player.gdc"));
    expectedByName.insert(entry["Name"].toString(), entry);
  }
  ChooseSaveDir();
  Start();
  // A worn item the built-in table names shows its name, any other its record path.
  const TItemNames table;
  QHash<QString, QString> knownNames;
  for (int i = 0; i < table.Count(); ++i) knownNames.insert(table.RecordPaths()[i].toLower(), table.DisplayNames()[i]);

  ASSERT_EQ(List().RowCount(), expectedByName.size());
  EXPECT_EQ(Window->StatusPanelText(TFMain::spCharacterCount), QString::number(expectedByName.size()) + " Characters");
  const char* const fields[] = {"Name", "Title", "Level", "Sex", "Class1", "Class2",
                                "Iron", "Devotions", "Difficulty", "Hardcore"};
  for (int row = 0; row < List().RowCount(); ++row) {
    const QString name = List().GetField(row, 0);
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(expectedByName.contains(name));
    const QJsonObject expected = expectedByName[name];
    for (int field = 0; field < 10; ++field) {
      const QJsonValue value = expected[QLatin1String(fields[field])];
      EXPECT_EQ(List().GetField(row, field), value.isDouble() ? QString::number(value.toInteger()) : value.toString())
          << fields[field];
    }
    ClickRow(row);
    const QJsonObject equipment = expected["Equipment"].toObject();
    for (auto slot = equipment.begin(); slot != equipment.end(); ++slot) {
      const QString base = slot.value().toArray().at(0).toString();
      const QString shown = Equipment(SlotKey(slot.key()));
      if (base.isEmpty()) {
        EXPECT_EQ(shown, "") << slot.key().toStdString();
      } else {
        const QString item = knownNames.value(base.toLower(), base);
        EXPECT_TRUE(shown.contains(item)) << slot.key().toStdString() << ": " << shown.toStdString();
      }
    }
  }
}
