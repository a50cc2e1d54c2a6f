#pragma once

// A character worker's own copy of the item name table and the naming of
// equipped items by it.

#include "UModels.h"

#include <QString>
#include <QStringList>

class TItemLookup {
public:
  TItemLookup() = default;
  // Copies the record paths, kept in CompareTextLocale order, and the display
  // names that belong to them (entry i of ANames names entry i of AItems; a
  // missing name counts as empty). AItems normally arrives sorted: each entry
  // is then compared once, with the last one kept, and the copy shares the
  // caller's lists. An entry out of order goes to its sorted place together
  // with its name; an entry equal to one kept (ignoring case) is left out.
  TItemLookup(const QStringList& AItems, const QStringList& ANames);
  // The copy of a whole item name table, which is already sorted.
  explicit TItemLookup(const TItemNames& ATable) : TItemLookup(ATable.RecordPaths(), ATable.DisplayNames()) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  const QStringList& Items() const { return FItems; }
  const QStringList& Names() const { return FNames; }

  // The display name of a record path: empty for the placeholder affixes of
  // unique items (a path containing "prefixunique" or "suffixunique", in
  // that letter case), the table's name for a path it holds (ignoring case),
  // otherwise the path itself.
  QString ItemDisplayName(const QString& APath) const;
  // The base name with the display names of the slot's prefix and suffix
  // around it, blank-separated and trimmed; empty for an empty base name.
  QString AffixedItemName(const TCharacterEquipment& AEquipment, int ASlot, const QString& ABaseName) const;
  // The text shown for one equipment slot. The relic never carries affixes
  // and its name is not trimmed.
  QString SlotText(const TCharacterEquipment& AEquipment, int ASlot) const;

private:
  void InsertSorted(const QString& AItem, const QString& AName);

  QStringList FItems;
  QStringList FNames;
};
