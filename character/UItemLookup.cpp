#include "UItemLookup.h"

#include "TextCompare.h"

namespace {

// The first position whose entry is not below the text.
qsizetype LowerBound(const QStringList& items, const QString& text) {
  qsizetype low = 0;
  qsizetype high = items.size();
  while (low < high) {
    const qsizetype middle = low + (high - low) / 2;
    if (CompareTextLocale(items[middle], text) < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

bool NamesNoItem(const QString& path) {
  return path.contains(QLatin1String("prefixunique")) || path.contains(QLatin1String("suffixunique"));
}

}  // namespace

TItemLookup::TItemLookup(const QStringList& AItems, const QStringList& ANames) {
  const qsizetype count = AItems.size();
  QStringList names = ANames;
  if (names.size() != count) names.resize(count);

  qsizetype inOrder = 1;
  while (inOrder < count && CompareTextLocale(AItems[inOrder - 1], AItems[inOrder]) < 0) ++inOrder;
  if (inOrder >= count) {
    FItems = AItems;
    FNames = names;
    return;
  }
  FItems = AItems.first(inOrder);
  FNames = names.first(inOrder);
  for (qsizetype i = inOrder; i < count; ++i) {
    if (CompareTextLocale(FItems.last(), AItems[i]) < 0) {
      FItems.append(AItems[i]);
      FNames.append(names[i]);
    } else {
      InsertSorted(AItems[i], names[i]);
    }
  }
}

void TItemLookup::InsertSorted(const QString& AItem, const QString& AName) {
  const qsizetype at = LowerBound(FItems, AItem);
  if (at < FItems.size() && CompareTextLocale(FItems[at], AItem) == 0) return;
  FItems.insert(at, AItem);
  FNames.insert(at, AName);
}

QString TItemLookup::ItemDisplayName(const QString& APath) const {
  if (NamesNoItem(APath)) return QString();
  if (APath.isEmpty()) return APath;
  const qsizetype at = LowerBound(FItems, APath);
  if (at < FItems.size() && CompareTextLocale(FItems[at], APath) == 0) return FNames[at];
  return APath;
}

QString TItemLookup::AffixedItemName(const TCharacterEquipment& AEquipment, int ASlot,
                                     const QString& ABaseName) const {
  if (ABaseName.isEmpty()) return QString();
  const auto slot = static_cast<std::size_t>(ASlot);
  return TrimControl(ItemDisplayName(AEquipment.Prefix.at(slot)) + QLatin1Char(' ') + ABaseName +
                     QLatin1Char(' ') + ItemDisplayName(AEquipment.Suffix.at(slot)));
}

QString TItemLookup::SlotText(const TCharacterEquipment& AEquipment, int ASlot) const {
  const QString baseName = ItemDisplayName(AEquipment.Slot(ASlot));
  if (ASlot == esRelic) return baseName;
  return AffixedItemName(AEquipment, ASlot, baseName);
}
