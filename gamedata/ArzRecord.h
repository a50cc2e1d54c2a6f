#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

enum class TArzFieldType : std::uint16_t { Integer = 0, Float = 1, String = 2, Boolean = 3 };

// One field of a record: a key (string index) and Count values of one type.
struct TArzField {
  TArzFieldType Type = TArzFieldType::Integer;
  std::uint16_t Count = 0;
  std::uint32_t Key = 0;          // string index of the field's name
  std::uint32_t ValueOffset = 0;  // where its values start in the record's data
};

// A record's decompressed data as typed fields. Filled by
// TArzDatabase::ReadRecord, which has checked every field's extent and every
// string index, so the accessors only need a value index below Count.
class TArzRecord {
public:
  int FieldCount() const { return int(FFields.size()); }
  const TArzField& Field(int index) const { return FFields.at(std::size_t(index)); }

  std::int32_t Integer(const TArzField& field, int value) const;
  float Float(const TArzField& field, int value) const;
  bool Boolean(const TArzField& field, int value) const;
  // A string index (look the text up with TArzDatabase::String).
  std::uint32_t StringIndex(const TArzField& field, int value) const;

private:
  friend class TArzDatabase;
  std::uint32_t Raw(const TArzField& field, int value) const;

  QByteArray FData;
  std::vector<TArzField> FFields;
};
