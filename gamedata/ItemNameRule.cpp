#include "ItemNameRule.h"

#include "ArzDatabase.h"
#include "TagTable.h"

#include <array>

namespace {

bool StartsWithIgnoringCase(QByteArrayView text, QByteArrayView prefix) {
  return text.size() >= prefix.size() && qstrnicmp(text.data(), prefix.data(), prefix.size()) == 0;
}

}  // namespace

bool CanNameItem(QByteArrayView path, QByteArrayView className) {
  if (StartsWithIgnoringCase(path, "records/items/")) return true;
  static constexpr std::array<const char*, 6> ItemClassPrefixes = {"Armor", "Weapon", "Item", "OneShot_", "QuestItem", "LootRandomizer"};
  for (const char* prefix : ItemClassPrefixes) {
    if (StartsWithIgnoringCase(className, prefix)) return true;
  }
  return false;
}

TItemNameFieldReader::TItemNameFieldReader(const TArzDatabase& database)
    : FDatabase(database), FRoleOfString(std::size_t(database.StringCount()), rNone) {
  static constexpr std::array<QByteArrayView, rRoleCount> Keys = {
      "", "itemNameTag", "lootRandomizerName", "description", "itemQualityTag", "itemStyleTag"};
  for (int i = 0; i < database.StringCount(); ++i) {
    const QByteArrayView text = database.String(std::uint32_t(i));
    for (std::uint8_t role = rItemName; role < rRoleCount; ++role) {
      if (text == Keys[role]) FRoleOfString[std::size_t(i)] = role;
    }
  }
}

TItemNameTags TItemNameFieldReader::Read(const TArzRecord& record) const {
  std::array<QByteArrayView, rRoleCount> found{};
  for (int i = 0; i < record.FieldCount(); ++i) {
    const TArzField& field = record.Field(i);
    const std::uint8_t role = FRoleOfString[field.Key];
    if (role == rNone || field.Type != TArzFieldType::String || field.Count == 0 || !found[role].isEmpty()) continue;
    found[role] = FDatabase.String(record.StringIndex(field, 0));
  }
  TItemNameTags tags;
  if (!found[rItemName].isEmpty()) {
    tags.NameTag = found[rItemName].toByteArray();
    tags.QualityTag = found[rQuality].toByteArray();
    tags.StyleTag = found[rStyle].toByteArray();
    tags.FromItemNameTag = true;
  } else if (!found[rLootRandomizerName].isEmpty()) {
    tags.NameTag = found[rLootRandomizerName].toByteArray();
  } else {
    tags.NameTag = found[rDescription].toByteArray();
  }
  return tags;
}

QString DisplayNameOf(const TItemNameTags& tags, const TTagTable& texts) {
  if (tags.IsEmpty()) return QString();
  const QString name = texts.Text(tags.NameTag);
  if (name.isEmpty() || !tags.FromItemNameTag) return name;
  QString result;
  for (const QByteArray& tag : {tags.QualityTag, tags.StyleTag}) {
    if (tag.isEmpty()) continue;
    const QString word = texts.Text(tag);
    if (!word.isEmpty()) result += word + QLatin1Char(' ');
  }
  return result + name;
}
