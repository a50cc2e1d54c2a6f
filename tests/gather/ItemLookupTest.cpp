// How a worker names equipped items, and its sorted copy of the table.
#include "GatherTestSupport.h"

#include "UItemLookup.h"
#include "UModels.h"

#include <gtest/gtest.h>

namespace {

const QString Helm = QStringLiteral("records/items/gearhead/a01_head001.dbr");
const QString Enlightening = QStringLiteral("records/items/lootaffixes/prefix/aa002a_exp_01.dbr");
const QString OfCorrosion = QStringLiteral("records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
const QString Keystone = QStringLiteral("records/items/crafting/blueprints/other/craft_endlessdungeon_keystone_01.dbr");
const QString AmusingBox = QStringLiteral("records/endlessdungeon/items/z001_test.dbr");

struct TNamingCase {
  const char* Title;
  TEquipmentSlot Slot;
  QString Base;
  QString Prefix;
  QString Suffix;
  QString Expected;
};

}  // namespace

TEST(ItemLookup, NamesEachSlotByTheTable) {
  const TItemNames table;
  const TItemLookup lookup(table.RecordPaths(), table.DisplayNames());
  const TNamingCase cases[] = {
      {"plain item", esHead, Helm, {}, {}, "Leather Helm"},
      {"prefix and suffix", esHead, Helm, Enlightening, OfCorrosion, "Enlightening Leather Helm of Corrosion"},
      {"prefix only", esChest, Helm, Enlightening, {}, "Enlightening Leather Helm"},
      {"suffix only", esWeapon2Alt, Helm, {}, OfCorrosion, "Leather Helm of Corrosion"},
      {"letter case ignored", esHead, "Records/Items/GearHead/A01_HEAD001.DBR", "RECORDS/items/lootaffixes/prefix/AA002A_exp_01.dbr",
       {}, "Enlightening Leather Helm"},
      {"unknown paths shown as they are", esHead, "records/x/hat.dbr", "records/x/p.dbr", "records/x/s.dbr",
       "records/x/p.dbr records/x/hat.dbr records/x/s.dbr"},
      {"unique prefix vanishes", esHead, Helm, "records/items/lootaffixes/prefixunique/u01.dbr", OfCorrosion,
       "Leather Helm of Corrosion"},
      {"unique suffix vanishes", esRing1, Helm, Enlightening, "records/items/lootaffixes/suffixunique/u01.dbr",
       "Enlightening Leather Helm"},
      {"unique test is case-sensitive", esHead, Helm, "records/items/lootaffixes/PrefixUnique/u01.dbr", {},
       "records/items/lootaffixes/PrefixUnique/u01.dbr Leather Helm"},
      {"unique base is empty, affixes too", esHead, "records/items/prefixunique/base.dbr", Enlightening, OfCorrosion, ""},
      {"empty slot ignores affixes", esHead, {}, Enlightening, OfCorrosion, ""},
      {"empty display name ignores affixes", esHead, Keystone, Enlightening, OfCorrosion, ""},
      {"affix text trimmed of controls", esHead, "\tcap", {}, {}, "cap"},
      {"relic never carries affixes", esRelic, AmusingBox, Enlightening, OfCorrosion, "Mildly Amusing Box"},
      {"relic is not trimmed", esRelic, " records/x/relic.dbr\t", {}, {}, " records/x/relic.dbr\t"},
  };
  for (const TNamingCase& c : cases) {
    SCOPED_TRACE(c.Title);
    TCharacterEquipment equipment;
    equipment.Slot(c.Slot) = c.Base;
    equipment.Prefix[static_cast<std::size_t>(c.Slot)] = c.Prefix;
    equipment.Suffix[static_cast<std::size_t>(c.Slot)] = c.Suffix;
    EXPECT_EQ(lookup.SlotText(equipment, c.Slot), c.Expected);
  }
}

TEST(ItemLookup, AffixesOfOtherSlotsAreNotUsed) {
  const TItemNames table;
  const TItemLookup lookup(table.RecordPaths(), table.DisplayNames());
  TCharacterEquipment equipment;
  equipment.Head = Helm;
  equipment.Prefix[esAmulet] = Enlightening;
  equipment.Suffix[esChest] = OfCorrosion;
  EXPECT_EQ(lookup.SlotText(equipment, esHead), QStringLiteral("Leather Helm"));
}

TEST(ItemLookup, SortedInputIsSharedNotCopied) {
  const TItemNames table;
  const TItemLookup lookup(table.RecordPaths(), table.DisplayNames());
  EXPECT_EQ(lookup.Count(), table.Count());
  EXPECT_TRUE(lookup.Items().isSharedWith(table.RecordPaths()));
  EXPECT_TRUE(lookup.Names().isSharedWith(table.DisplayNames()));
}

TEST(ItemLookup, EntriesOutOfOrderKeepTheirOwnNames) {
  const TItemLookup lookup({"b", "d", "a", "c", "B", "e"}, {"name b", "name d", "name a", "name c", "other b", "name e"});
  EXPECT_EQ(lookup.Items(), (QStringList{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("a")), QStringLiteral("name a"));
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("b")), QStringLiteral("name b"));  // the later "B" is left out
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("C")), QStringLiteral("name c"));
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("e")), QStringLiteral("name e"));
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("f")), QStringLiteral("f"));
}

TEST(ItemLookup, MissingNamesReadAsEmpty) {
  const TItemLookup lookup({"a", "b"}, {"name a"});
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("a")), QStringLiteral("name a"));
  EXPECT_EQ(lookup.ItemDisplayName(QStringLiteral("b")), QString());
}
