#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

class TArzDatabase;
class TArzRecord;
class TTagTable;

// The tags that name one record. NameTag comes from itemNameTag, else
// lootRandomizerName (affixes), else description (relics, components,
// blueprints, quest items); quality and style only go with an itemNameTag.
struct TItemNameTags {
  QByteArray NameTag;
  QByteArray QualityTag;
  QByteArray StyleTag;
  bool FromItemNameTag = false;

  bool IsEmpty() const { return NameTag.isEmpty(); }
  bool operator==(const TItemNameTags&) const = default;
};

// True for a record that can name an item, judged by path and class alone so
// that other records are never decompressed: everything under
// "records/items/", and records of an item class anywhere else (quest
// rewards, gear of non-player characters).
bool CanNameItem(QByteArrayView path, QByteArrayView className);

// Reads the name tags of the records of one database. The field names are
// looked up in its string table once, so reading a record compares numbers.
class TItemNameFieldReader {
public:
  explicit TItemNameFieldReader(const TArzDatabase& database);
  TItemNameTags Read(const TArzRecord& record) const;

private:
  enum TRole : std::uint8_t { rNone, rItemName, rLootRandomizerName, rDescription, rQuality, rStyle, rRoleCount };

  const TArzDatabase& FDatabase;
  std::vector<std::uint8_t> FRoleOfString;
};

// The display name the tags give: for an itemNameTag the texts of the
// quality, style and name tags joined by blanks, each one that has a text;
// otherwise the name tag's text alone. Empty when the name tag has no text.
QString DisplayNameOf(const TItemNameTags& tags, const TTagTable& texts);
