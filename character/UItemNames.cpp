#include "UItemNames.h"

#include "StringList.h"

#include <QFile>

namespace {

QString ReadItemNameResource() {
  QFile file(QStringLiteral(":/ITEM_NAMES"));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

}  // namespace

// Registers the embedded text once; calling the resource's initialiser keeps
// it in every program that links the character library.
static void InitItemNameResource() {
  static const bool initialised = [] {
    Q_INIT_RESOURCE(item_names);
    return true;
  }();
  (void)initialised;
}

QStringList EmbeddedItemNameLines() {
  InitItemNameResource();
  return SplitLines(ReadItemNameResource());
}

const QStringList& ItemNameLinesAddedInCode() {
  static const QStringList lines = {
      QStringLiteral("records/storyelements/rewards/q003_ring_slithring.dbr=Slith Primal Ring"),
      QStringLiteral("records/storyelements/rewards/q003b_ring_slithring.dbr=Slith Primal Ring"),
      QStringLiteral("records/storyelements/rewards/q003c_ring_slithring.dbr=Slith Primal Ring"),
      QStringLiteral("records/storyelements/rewards/q001_necklace.dbr=Sister's Amulet of Lifegiving"),
      QStringLiteral("records/storyelements/rewards/q001b_necklace.dbr=Sister's Amulet of Lifegiving"),
      QStringLiteral("records/storyelements/rewards/q001c_necklace.dbr=Sister's Amulet of Lifegiving"),
      QStringLiteral("records/endlessdungeon/scriptentities/portal_s01.dbr=Totally Normal Shield"),
      QStringLiteral("records/endlessdungeon/scriptentities/portal_s02.dbr=Totally Normal Shield"),
      QStringLiteral("records/endlessdungeon/scriptentities/portal_s03.dbr=Totally Normal Shield"),
      QStringLiteral("records/endlessdungeon/items/a001_ring.dbr=Leovinus' Ring"),
      QStringLiteral("records/creatures/npcs/npcgear/npc_torso002.dbr=Worn Clothing"),
      QStringLiteral("records/storyelements/signs/sinh.dbr=Lokarrs' Gaze"),
      QStringLiteral("records/storyelements/signs/sint.dbr=Lokarrs' Coat"),
      QStringLiteral("records/storyelements/signs/sins.dbr=Lokarrs' Mantle"),
      QStringLiteral("records/storyelements/signs/sinf.dbr=Lokarrs' Boots"),
      QStringLiteral("records/endlessdungeon/items/q001_torso.dbr=Miss Gazer Man"),
      QStringLiteral("records/endlessdungeon/items/z001_test.dbr=Mildly Amusing Box"),
      QStringLiteral("records/storyelements/questassets/q000_torso.dbr=Gazer Man"),
      // Added unchanged although it has no ".dbr" ending.
      QStringLiteral("records/storyelements/questitems/sq_amulet_harts_amulet=Hart's Amulet"),
      QStringLiteral("records/storyelementsgdx2/questassets/areag_n.dbr=Wilhelm's Wonderous Wargem"),
  };
  return lines;
}
