// The item name table: built-in lines, merged lines, order and splitting.
#include "GatherTestSupport.h"

#include "TextCompare.h"
#include "UItemNames.h"
#include "UModels.h"

#include <gtest/gtest.h>

namespace {

void ExpectStrictlyAscending(const QStringList& lines) {
  for (qsizetype i = 1; i < lines.size(); ++i) {
    EXPECT_LT(CompareTextLocale(lines[i - 1], lines[i]), 0) << lines[i - 1].toStdString() << " / "
                                                            << lines[i].toStdString();
  }
}

}  // namespace

TEST(ItemNames, BuiltInTableHoldsEveryEmbeddedAndAddedLineInLocaleOrder) {
  const TItemNames items;
  const QStringList embedded = EmbeddedItemNameLines();
  const QStringList added = ItemNameLinesAddedInCode();
  ASSERT_EQ(added.size(), 20);
  ASSERT_GE(embedded.size(), 7);
  EXPECT_EQ(items.Count(), embedded.size() + added.size());
  ExpectStrictlyAscending(items.Names());
  for (const QString& line : embedded + added) EXPECT_TRUE(items.Names().contains(line)) << line.toStdString();
}

TEST(ItemNames, LinesSplitIntoParallelRecordPathsAndDisplayNames) {
  const TItemNames items;
  ASSERT_EQ(items.RecordPaths().size(), items.Count());
  ASSERT_EQ(items.DisplayNames().size(), items.Count());
  auto nameOf = [&](const QString& path) {
    const qsizetype at = items.RecordPaths().indexOf(path);
    EXPECT_GE(at, 0) << path.toStdString();
    return at < 0 ? QStringLiteral("<missing>") : items.DisplayNames()[at];
  };
  EXPECT_EQ(nameOf(QStringLiteral("records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr")),
            QStringLiteral("of Corrosion"));
  EXPECT_EQ(nameOf(QStringLiteral("records/items/crafting/blueprints/other/craft_endlessdungeon_keystone_01.dbr")),
            QString());
  EXPECT_EQ(nameOf(QStringLiteral("records/items/crafting/blueprints/weapon/craft_weapon_spellfire wand.dbr")),
            QStringLiteral("Blueprint: Spellfire Wand"));
  EXPECT_EQ(nameOf(QStringLiteral("records/storyelements/questitems/sq_amulet_harts_amulet")),
            QStringLiteral("Hart's Amulet"));
  for (int i = 0; i < items.Count(); ++i) {
    EXPECT_EQ(items.RecordPaths()[i] + QLatin1Char('=') + items.DisplayNames()[i], items.Names()[i]);
  }
}

TEST(ItemNames, ExtraLinesWinOverBuiltInLinesOfTheSameRecordPath) {
  const TItemNames items({
      QStringLiteral("Records/Items/GearHead/A01_HEAD001.DBR=Iron Cap"),  // replaces "Leather Helm"
      QStringLiteral("records/items/gearhead/zz_new.dbr=New Hood"),
      QStringLiteral("records/items/gearhead/zz_new.DBR=New Hood"),  // equal to the line before
      QStringLiteral("no record path"),
      QStringLiteral("=Nameless"),
      QString(),
  });
  const TItemNames builtIn;
  EXPECT_EQ(items.Count(), builtIn.Count() + 1);
  EXPECT_TRUE(items.Names().contains(QStringLiteral("Records/Items/GearHead/A01_HEAD001.DBR=Iron Cap")));
  EXPECT_FALSE(items.Names().contains(QStringLiteral("records/items/gearhead/a01_head001.dbr=Leather Helm")));
  EXPECT_TRUE(items.Names().contains(QStringLiteral("records/items/gearhead/zz_new.dbr=New Hood")));
  EXPECT_FALSE(items.Names().contains(QStringLiteral("records/items/gearhead/zz_new.DBR=New Hood")));
  EXPECT_FALSE(items.RecordPaths().contains(QString()));
  ExpectStrictlyAscending(items.Names());
}

TEST(ItemNames, ShuffledExtraLinesComeOutInLocaleOrder) {
  QStringList extra;
  for (int i = 4999; i >= 0; --i) {
    extra.append(QStringLiteral("records/items/gear%1/item_%2.dbr=Name %2").arg(i % 7).arg(i));
  }
  const TItemNames items(extra);
  EXPECT_EQ(items.Count(), TItemNames().Count() + 5000);
  ExpectStrictlyAscending(items.Names());
}
