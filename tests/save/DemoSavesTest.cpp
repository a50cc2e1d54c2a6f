// The committed demo save folder is what the writer makes, and it shows the
// variety it is there for.
#include "SaveTestSupport.h"

#include "DemoSaves.h"
#include "TextFile.h"
#include "UCharacter.h"
#include "UCharacterRows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

namespace {

QString DemoFolder() { return QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save"); }

}  // namespace

TEST(DemoSaves, CommittedFilesMatchTheWriter) {
  const std::vector<TGdcSave> saves = DemoSaves();
  ASSERT_GE(saves.size(), 6u);
  ASSERT_LE(saves.size(), 10u);
  EXPECT_EQ(FindCharacterFiles(MainFolder(DemoFolder())).size(), static_cast<qsizetype>(saves.size()));
  for (const TGdcSave& save : saves) {
    const QString file = DemoSaveFile(DemoFolder(), save);
    SCOPED_TRACE(file.toStdString());
    EXPECT_EQ(ReadFileBytes(file), WriteGdc(save)) << "regenerate with make-demo-saves examples/save";
  }
}

TEST(DemoSaves, CoverClassesModesAndDifficulties) {
  QSet<QString> titles, difficulties, hardcore;
  bool classless = false, singleClass = false, extendedInventory = false;
  for (const QString& file : FindCharacterFiles(MainFolder(DemoFolder()))) {
    const TCharacter character(file);
    const TCharacterRow row = MakeCharacterRow(character);
    titles.insert(row.Title);
    difficulties.insert(row.Difficulty);
    hardcore.insert(row.Hardcore);
    classless |= row.Title == QStringLiteral("CLASSLESS");
    singleClass |= !row.Class1.isEmpty() && row.Class2.isEmpty();
    extendedInventory |= character.Versions().Inventory == 11;
    EXPECT_FALSE(row.Title.isEmpty()) << file.toStdString();
  }
  EXPECT_TRUE(classless);
  EXPECT_TRUE(singleClass);
  EXPECT_TRUE(extendedInventory);
  EXPECT_EQ(difficulties, (QSet<QString>{"Normal", "Elite", "Ultimate"}));
  EXPECT_EQ(hardcore, (QSet<QString>{"N", "Y"}));
  EXPECT_GE(titles.size(), 6);
}
