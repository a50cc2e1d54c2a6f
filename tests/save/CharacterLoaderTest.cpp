// The loader over writer-made saves: every format check with its message,
// truncation at every byte, the format versions and the decoded fields.
#include "SaveTestSupport.h"

#include "Errors.h"
#include "GdcWriter.h"
#include "UCharacter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace {

const QString FileName = QStringLiteral("/saves/main/_Test/player.gdc");

// A save with a bag of items, equipment in several slots and affixes.
TGdcSave SampleSave() {
  TGdcSave save;
  save.Name = QStringLiteral("Tester");
  save.Tag = "tagSkillClassName0309";
  save.Sex = 0;
  save.Level = 77;
  save.Hardcore = 1;
  save.Money = 123456;
  save.GreatestDifficulty = 2;
  save.TotalDevotion = 42;
  save.Texture = "creatures/pc/hero01.tex";
  save.InfoExtra = QByteArray("\x01\x02\x03", 3);
  TGdcBag bag;
  bag.Items.push_back({MakeItem("records/items/bag/a.dbr", "records/p.dbr"), 1, 2});
  bag.Items.push_back({MakeItem("records/items/bag/b.dbr"), 3, 4});
  save.Bags = {bag, TGdcBag()};
  save.Equipped[0] = MakeItem("records/items/gearhead/a01_head001.dbr",
                              "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                              "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
  save.Equipped[11] = MakeItem("records/items/relic.dbr", "records/relic/prefix.dbr");
  save.Equipped[15] = MakeItem("records/items/weapon2alt.dbr", {}, "records/alt/suffix.dbr");
  return save;
}

// The loader's error message, or nothing when the bytes load.
std::optional<QString> LoadError(const QByteArray& bytes) {
  try {
    TCharacter character(bytes, FileName);
    return std::nullopt;
  } catch (const EError& error) {
    return error.Message();
  }
}

TCharacter Load(const TGdcSave& save) { return TCharacter(WriteGdc(save), FileName); }

const QString EndOfFile = QStringLiteral("Read beyond end of file");

}  // namespace

TEST(CharacterLoader, EachFormatFaultFailsWithItsMessage) {
  struct Fault {
    const char* message;
    std::function<void(TGdcSave&)> inject;
  };
  const Fault faults[] = {
      {"Invalid player.gdc file", [](TGdcSave& s) { s.Magic = 0x58434446; }},
      {"Invalid header version 0", [](TGdcSave& s) { s.HeaderVersion = 0; }},
      {"Invalid header version 3", [](TGdcSave& s) { s.HeaderVersion = 3; }},
      {"Invalid header version 4294967295", [](TGdcSave& s) { s.HeaderVersion = 0xFFFFFFFF; }},
      {"Invalid header checksum", [](TGdcSave& s) { s.HeaderChecksum = 1; }},
      {"Invalid file version 5", [](TGdcSave& s) { s.FileVersion = 5; }},
      {"Invalid file version 9", [](TGdcSave& s) { s.FileVersion = 9; }},
      {"Invalid block ID", [](TGdcSave& s) { s.InfoFrame.Id = 2; }},
      {"Invalid info version", [](TGdcSave& s) { s.InfoVersion = 2; }},
      {"Invalid info version", [](TGdcSave& s) { s.InfoVersion = 6; }},
      // A wrong length is found before the trailer is read.
      {"Bad info block size", [](TGdcSave& s) { s.InfoFrame.LengthAdjust = 1; s.InfoFrame.Trailer = 1; }},
      {"Bad info block size", [](TGdcSave& s) { s.InfoFrame.LengthAdjust = -1; }},
      {"Bad info block crc", [](TGdcSave& s) { s.InfoFrame.Trailer = 1; }},
      {"Invalid block ID", [](TGdcSave& s) { s.StatsFrame.Id = 1; }},
      {"Invalid stats version", [](TGdcSave& s) { s.StatsVersion = 7; }},
      {"Bad stat block size", [](TGdcSave& s) { s.StatsFrame.LengthAdjust = 1; s.StatsFrame.Trailer = 1; }},
      {"Bad stat block size", [](TGdcSave& s) { s.StatsFrame.LengthAdjust = -1; }},
      {"Bad start block crc", [](TGdcSave& s) { s.StatsFrame.Trailer = 0x80000000u; }},
      {"Invalid block ID", [](TGdcSave& s) { s.InventoryFrame.Id = 4; }},
      {"Invalid inventory", [](TGdcSave& s) { s.InventoryVersion = 5; }},
      {"Invalid inventory", [](TGdcSave& s) { s.InventoryVersion = 10; }},
      {"Invalid block ID", [](TGdcSave& s) { s.Bags[1].Id = 1; }},
      {"Bad start block crc", [](TGdcSave& s) { s.Bags[0].Trailer = 1; }},
      {"Bad start block size",
       [](TGdcSave& s) { s.InventoryFrame.LengthAdjust = 1; s.InventoryFrame.Trailer = 1; }},
      {"Bad start block size", [](TGdcSave& s) { s.InventoryFrame.LengthAdjust = -1; }},
      {"Bad start block crc", [](TGdcSave& s) { s.InventoryFrame.Trailer = 1; }},
      // Class digits that are not a number: the text that failed to convert.
      {"'0x' is not a valid integer value", [](TGdcSave& s) { s.Tag = "tagSkillClassName0x"; }},
      {"'zz' is not a valid integer value", [](TGdcSave& s) { s.Tag = "tagSkillClassName01zz"; }},
      {"'1z' is not a valid integer value", [](TGdcSave& s) { s.Tag = "tagSkillClassName1z01"; }},
  };
  for (const Fault& fault : faults) {
    TGdcSave save = SampleSave();
    fault.inject(save);
    const QByteArray bytes = WriteGdc(save);
    SCOPED_TRACE(fault.message);
    TFatalReports reports;
    EXPECT_EQ(LoadError(bytes), QString::fromLatin1(fault.message));
    EXPECT_TRUE(reports.Messages().isEmpty()) << "a format fault is not an open failure";
  }
}

TEST(CharacterLoader, CountsLargerThanTheFileEndInAnErrorWithoutAllocating) {
  // The entries claimed beyond the real ones are read from whatever follows,
  // so the message depends on those bytes; the load must simply end.
  const std::function<void(TGdcSave&)> faults[] = {
      [](TGdcSave& s) { s.BagCount = 0x7FFFFFFF; },
      [](TGdcSave& s) { s.Bags = std::vector<TGdcBag>(50); s.BagCount = 0x7FFFFFFF; },
      [](TGdcSave& s) { s.Bags[0].ItemCount = 0x7FFFFFFF; },
  };
  for (std::size_t i = 0; i < std::size(faults); ++i) {
    SCOPED_TRACE(i);
    TGdcSave save = SampleSave();
    faults[i](save);
    EXPECT_TRUE(LoadError(WriteGdc(save)).has_value());
  }
}

TEST(CharacterLoader, TruncationAnywhereFailsWithTheEndOfFileError) {
  const QByteArray bytes = WriteGdc(SampleSave());
  ASSERT_FALSE(LoadError(bytes).has_value());
  for (qsizetype size = 4; size < bytes.size(); ++size) {
    const std::optional<QString> error = LoadError(bytes.left(size));
    ASSERT_EQ(error, EndOfFile) << "truncated to " << size << " of " << bytes.size() << " bytes";
  }
}

TEST(CharacterLoader, ExtraBytesAfterTheInventoryAreNotRead) {
  TGdcSave save = SampleSave();
  save.Trailing = QByteArray(1000, '\xAB');
  EXPECT_EQ(LoadError(WriteGdc(save)), std::nullopt);
}

TEST(CharacterLoader, ShortOrMissingFilesAreReportedAsOpenFailures) {
  const QByteArray bytes = WriteGdc(SampleSave());
  for (int size = 0; size < 4; ++size) {
    SCOPED_TRACE(size);
    TFatalReports reports;
    EXPECT_EQ(LoadError(bytes.left(size)), EndOfFile);
    EXPECT_EQ(reports.Messages(),
              QStringList{QStringLiteral("Unable to process CHAR file\r\n") + FileName +
                          QStringLiteral("\r\n\r\nRead beyond end of file")});
  }

  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("_Nobody/player.gdc"));
  TFatalReports reports;
  EXPECT_THROW(TCharacter character(missing), EFileError);
  ASSERT_EQ(reports.Messages().size(), 1);
  EXPECT_TRUE(reports.Messages()[0].startsWith(QStringLiteral("Unable to process CHAR file\r\n") + missing +
                                               QStringLiteral("\r\n\r\n")))
      << reports.Messages()[0].toStdString();
  EXPECT_GT(reports.Messages()[0].size(), QStringLiteral("Unable to process CHAR file\r\n\r\n\r\n").size() +
                                              missing.size())
      << "the system's reason follows";
}

TEST(CharacterLoader, RefusesFilesTooLargeForASaveWithoutReadingThem) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("player.gdc"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.write(WriteGdc(SampleSave())) > 0);
  ASSERT_TRUE(file.resize(65 * 1024 * 1024));  // sparse
  file.close();
  TFatalReports reports;
  try {
    TCharacter character(path);
    FAIL() << "loaded";
  } catch (const EError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("File too large for a character save (over 64 MB)"));
  }
  EXPECT_TRUE(reports.Messages().isEmpty());
}

TEST(CharacterLoader, LoadsTheRecordsFromAFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("player.gdc"));
  WriteGdcFile(path, SampleSave());
  const TCharacter character(path);
  const TCharacterHeader& header = character.Header();
  EXPECT_EQ(header.Name, QStringLiteral("Tester"));
  EXPECT_EQ(header.Tag, QStringLiteral("tagSkillClassName0309"));
  EXPECT_EQ(header.Class1, QStringLiteral("Occulist"));
  EXPECT_EQ(header.Class2, QStringLiteral("Oathkeeper"));
  EXPECT_EQ(header.DualName, QStringLiteral("Sentinel"));
  EXPECT_EQ(header.Level, 77u);
  EXPECT_EQ(header.Sex, QStringLiteral("Female"));
  EXPECT_EQ(header.Hardcore, QChar(u'Y'));
  EXPECT_EQ(character.Information().Money, 123456u);
  EXPECT_EQ(character.Information().GreatestDifficulty, 2);
  EXPECT_EQ(character.Information().Texture, QStringLiteral("creatures/pc/hero01.tex"));
  EXPECT_EQ(character.Stats().TotalDevotion, 42u);
  EXPECT_EQ(character.Stats().Health, 300.0f);

  const TCharacterEquipment& equipment = character.Equipment();
  EXPECT_EQ(equipment.Head, QStringLiteral("records/items/gearhead/a01_head001.dbr"));
  EXPECT_EQ(equipment.Prefix[0], QStringLiteral("records/items/lootaffixes/prefix/aa002a_exp_01.dbr"));
  EXPECT_EQ(equipment.Suffix[0], QStringLiteral("records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr"));
  EXPECT_EQ(equipment.Relic, QStringLiteral("records/items/relic.dbr"));
  EXPECT_EQ(equipment.Prefix[11], QStringLiteral("records/relic/prefix.dbr"));
  EXPECT_EQ(equipment.Weapon2Alt, QStringLiteral("records/items/weapon2alt.dbr"));
  EXPECT_EQ(equipment.Suffix[15], QStringLiteral("records/alt/suffix.dbr"));
  for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14}) {
    EXPECT_TRUE(equipment.Slot(slot).isEmpty()) << slot;
  }
}

TEST(CharacterLoader, EveryFormatVersionLoadsTheSameEquipment) {
  struct Versions {
    std::uint32_t header, file, info, inventory;
  };
  const Versions all[] = {{1, 6, 3, 4}, {2, 7, 4, 4}, {2, 8, 5, 4}, {1, 8, 5, 11}, {2, 8, 4, 11}};
  for (const Versions& v : all) {
    SCOPED_TRACE(testing::Message() << v.header << "/" << v.file << "/" << v.info << "/" << v.inventory);
    TGdcSave save = SampleSave();
    save.HeaderVersion = v.header;
    save.FileVersion = v.file;
    save.InfoVersion = v.info;
    save.InventoryVersion = v.inventory;
    for (int slot = 0; slot < 16; ++slot) {
      const QByteArray n = QByteArray::number(slot);
      save.Equipped[static_cast<std::size_t>(slot)] = MakeItem("base" + n, "prefix" + n, "suffix" + n);
      save.Equipped[static_cast<std::size_t>(slot)].Values = {1, 2, 3, 4, 5, 6, 7, 8};
    }
    const TCharacter character = Load(save);
    EXPECT_EQ(character.Versions().Header, v.header);
    EXPECT_EQ(character.Versions().File, v.file);
    EXPECT_EQ(character.Versions().Info, v.info);
    EXPECT_EQ(character.Versions().Inventory, v.inventory);
    EXPECT_EQ(character.Header().Name, QStringLiteral("Tester"));
    EXPECT_EQ(character.Header().Hardcore, QChar(u'Y'));
    for (int slot = 0; slot < 16; ++slot) {
      const auto i = static_cast<std::size_t>(slot);
      EXPECT_EQ(character.Equipment().Slot(slot), QStringLiteral("base%1").arg(slot));
      EXPECT_EQ(character.Equipment().Prefix[i], QStringLiteral("prefix%1").arg(slot));
      EXPECT_EQ(character.Equipment().Suffix[i], QStringLiteral("suffix%1").arg(slot));
    }
  }
}

TEST(CharacterLoader, InfoVersionDecidesWhichFieldsAreRead) {
  struct Case {
    std::uint32_t version;
    std::uint32_t lootMode, tribute;
    std::uint8_t survival;
  };
  const Case cases[] = {{3, 7, 0, 0}, {4, 7, 9, 2}, {5, 0, 9, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    TGdcSave save = SampleSave();
    save.InfoVersion = c.version;
    save.LootMode = 7;
    save.CurrentTribute = 9;
    save.GreatestSurvivalDifficulty = 2;
    const TCharacterInfo info = Load(save).Information();
    EXPECT_EQ(info.LootMode, c.lootMode);
    EXPECT_EQ(info.CurrentTribute, c.tribute);
    EXPECT_EQ(info.GreatestSurvivalDifficulty, c.survival);
    EXPECT_EQ(info.Money, 123456u);
  }
}

TEST(CharacterLoader, EmptyInventoriesAndBagsLoad) {
  const std::function<void(TGdcSave&)> variants[] = {
      [](TGdcSave& s) { s.HasItems = 0; },
      [](TGdcSave& s) { s.Bags.clear(); },
      [](TGdcSave& s) { s.Bags = {TGdcBag()}; },
      // Counts are signed: a negative one reads no entries.
      [](TGdcSave& s) { s.Bags.clear(); s.BagCount = 0xFFFFFFFFu; },
      [](TGdcSave& s) { s.Bags = {TGdcBag()}; s.Bags[0].ItemCount = 0x80000000u; },
  };
  for (std::size_t i = 0; i < std::size(variants); ++i) {
    SCOPED_TRACE(i);
    TGdcSave save = SampleSave();
    variants[i](save);
    const TCharacter character = Load(save);
    EXPECT_EQ(character.Header().Name, QStringLiteral("Tester"));
    if (save.HasItems == 0) {
      for (int slot = 0; slot < 16; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        EXPECT_TRUE(character.Equipment().Slot(slot).isEmpty());
        EXPECT_TRUE(character.Equipment().Prefix[s].isEmpty());
        EXPECT_TRUE(character.Equipment().Suffix[s].isEmpty());
      }
    }
  }
}

TEST(CharacterLoader, CodesOutsideTheTablesGiveSafeTexts) {
  struct Case {
    std::uint8_t sex, hardcore;
    const char* expectedSex;
    char16_t expectedHardcore;
  };
  const Case cases[] = {{0, 0, "Female", u'N'}, {1, 1, "Male", u'Y'}, {2, 2, "", u'Y'}, {255, 255, "", u'Y'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.sex));
    TGdcSave save = SampleSave();
    save.Sex = c.sex;
    save.Hardcore = c.hardcore;
    save.IsInMainQuest = c.hardcore;
    const TCharacter character = Load(save);
    EXPECT_EQ(character.Header().Sex, QString::fromLatin1(c.expectedSex));
    EXPECT_EQ(character.Header().Hardcore, QChar(c.expectedHardcore));
    EXPECT_EQ(character.Information().IsInMainQuest, QChar(c.expectedHardcore));
  }
}

TEST(CharacterLoader, NamesKeepEveryUtf16CodeUnit) {
  TGdcSave save = SampleSave();
  save.Name = QString::fromUtf8("Ærwyn \xF0\x9F\x90\x89 þ") + QChar(0xD800);  // a lone surrogate too
  EXPECT_EQ(Load(save).Header().Name, save.Name);
}
