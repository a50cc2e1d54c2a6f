// The database reader on databases made by our writer: typed fields, string
// tables in several blocks, data stored out of table order, and every kind of
// damage to the tables, the records and the checksums.
#include "ArzDatabase.h"
#include "ArzWriter.h"
#include "GameDataTestSupport.h"

#include <QtEndian>

#include <utility>

#include <gtest/gtest.h>

namespace {

const QString DatabaseName = QStringLiteral("test/database.arz");

TArzWriter ThreeRecords() {
  TArzWriter writer;
  writer.AddRecord("records/items/gearhead/a01_head001.dbr", "ArmorProtective_Head")
      .String("itemNameTag", "tagHelmA01")
      .Integer("levelRequirement", -7)
      .Float("defensiveProtection", 12.5f)
      .Boolean("hidePrefixName", true)
      .Strings("itemSkillName", {"records/skills/a.dbr", "records/skills/b.dbr", ""});
  writer.AddRecord("records/creatures/bios/summon.dbr", "");
  writer.AddRecord("records/items/gearrelic/d001_relic.dbr", "ItemRelic").String("description", "tagRelicD001");
  return writer;
}

TEST(ArzDatabase, ReadsRecordsWithTypedFieldsFromBlocksAndOutOfOrderData) {
  TArzWriter writer = ThreeRecords();
  writer.SetStringBlocks(3);
  writer.SetReverseDataOrder(true);
  const TArzDatabase database = TArzDatabase::FromBytes(writer.Build(), DatabaseName);

  EXPECT_TRUE(database.ChecksumProblem().isEmpty()) << database.ChecksumProblem().toStdString();
  ASSERT_EQ(database.RecordCount(), 3);
  EXPECT_EQ(database.RecordPath(1), "records/creatures/bios/summon.dbr");
  EXPECT_EQ(database.RecordClass(1), "");
  EXPECT_EQ(database.RecordClass(2), "ItemRelic");
  EXPECT_EQ(database.ReadRecord(1).FieldCount(), 0);

  const TArzRecord helm = database.ReadRecord(0);
  ASSERT_EQ(helm.FieldCount(), 5);
  const TArzField* level = database.FindField(helm, "levelRequirement");
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->Type, TArzFieldType::Integer);
  EXPECT_EQ(helm.Integer(*level, 0), -7);
  EXPECT_FLOAT_EQ(helm.Float(*database.FindField(helm, "defensiveProtection"), 0), 12.5f);
  EXPECT_TRUE(helm.Boolean(*database.FindField(helm, "hidePrefixName"), 0));
  const TArzField* skills = database.FindField(helm, "itemSkillName");
  ASSERT_NE(skills, nullptr);
  ASSERT_EQ(skills->Count, 3);
  EXPECT_EQ(database.String(helm.StringIndex(*skills, 1)), "records/skills/b.dbr");
  EXPECT_EQ(database.String(helm.StringIndex(*skills, 2)), "");
  EXPECT_EQ(database.FindField(helm, "description"), nullptr);
  EXPECT_THROW(helm.Integer(*level, 1), EListError);

  const TArzRecord relic = database.ReadRecord(database.IndexOfRecord("records/items/gearrelic/d001_relic.dbr"));
  EXPECT_EQ(database.String(relic.StringIndex(*database.FindField(relic, "description"), 0)), "tagRelicD001");
}

TEST(ArzDatabase, ReadsAnEmptyDatabase) {
  TArzWriter writer;
  const TArzDatabase database = TArzDatabase::FromBytes(writer.Build(), DatabaseName);
  EXPECT_EQ(database.RecordCount(), 0);
  EXPECT_TRUE(database.ChecksumProblem().isEmpty());
}

TEST(ArzDatabase, DamageOutsideTheTablesIsReportedByTheChecksumsAndRecordsStayReadable) {
  TArzWriter writer = ThreeRecords();
  TArzLayout layout;
  QByteArray bytes = writer.Build(&layout);
  // A letter of a path in the string table: the file still parses.
  const qsizetype letter = bytes.indexOf("summon.dbr", layout.StringTableOffset);
  ASSERT_GT(letter, 0);
  bytes[letter] = 'S';
  const TArzDatabase database = TArzDatabase::FromBytes(bytes, DatabaseName);
  EXPECT_EQ(database.ChecksumProblem(),
            QStringLiteral("the checksum of the whole file, the string table does not match"));
  EXPECT_EQ(database.ReadRecord(0).FieldCount(), 5);
}

struct TArzFault {
  const char* Name;
  // Builds the database (records may carry faulty data) and damages its bytes.
  std::function<QByteArray()> Make;
  const char* Message;
};

// A valid database of three records, with its layout, damaged by `damage`;
// the footer is rewritten so that only the structural damage remains.
QByteArray Damaged(const std::function<void(QByteArray&, const TArzLayout&)>& damage) {
  TArzWriter writer = ThreeRecords();
  writer.SetStringBlocks(2);
  TArzLayout layout;
  QByteArray bytes = writer.Build(&layout);
  damage(bytes, layout);
  if (bytes.size() >= 40) RewriteArzFooter(bytes);
  return bytes;
}

// A database whose only record has these decompressed bytes.
QByteArray WithRecordData(const std::function<QByteArray(TArzWriter&)>& data) {
  TArzWriter writer;
  writer.AddRecord("records/items/bad.dbr", "ItemRelic").RawData(data(writer));
  return writer.Build();
}

QByteArray Field(std::uint16_t type, std::uint16_t count, std::uint32_t key, std::initializer_list<std::uint32_t> values) {
  QByteArray bytes(8 + 4 * qsizetype(values.size()), '\0');
  qToLittleEndian(type, bytes.data());
  qToLittleEndian(count, bytes.data() + 2);
  qToLittleEndian(key, bytes.data() + 4);
  qsizetype at = 8;
  for (std::uint32_t v : values) qToLittleEndian(v, bytes.data() + std::exchange(at, at + 4));
  return bytes;
}

const TArzFault ArzFaults[] = {
    {"TooShort", [] { return Damaged([](QByteArray& b, const TArzLayout&) { b.truncate(30); }); }, "too short to be a game database"},
    {"UnknownHeader", [] { return Damaged([](QByteArray& b, const TArzLayout&) { PatchU32(b, 0, 0x00040002); }); }, "not a game database of a known version (header 2, 4)"},
    {"RecordTableOutside", [] { return Damaged([](QByteArray& b, const TArzLayout&) { PatchU32(b, 4, 0xFFFFFF00); }); }, "its record table"},
    {"RecordTableInHeader", [] { return Damaged([](QByteArray& b, const TArzLayout&) { PatchU32(b, 4, 8); }); }, "its record table"},
    {"StringTableOutside", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, 20, l.StringTableSize + 17); }); }, "its string table"},
    {"TablesOverlap", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, 16, l.RecordTableOffset); PatchU32(b, 20, 8); }); }, "overlap"},
    {"HugeRecordCount", [] { return Damaged([](QByteArray& b, const TArzLayout&) { PatchU32(b, 12, 0xFFFFFFFF); }); }, "cannot hold the 4294967295 records"},
    {"RecordTableLeftover", [] { return Damaged([](QByteArray& b, const TArzLayout&) { PatchU32(b, 12, 2); }); }, "bytes after its last record"},
    {"HugeStringBlock", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.StringTableOffset, 0x40000000); }); }, "cannot fit in it"},
    {"StringPastTheTable", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.StringTableOffset + 4, 0x7FFFFFFF); }); }, "the string table is cut short"},
    {"PathIndexOutside", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.RecordEntryOffsets[0], 9999); }); }, "names record 0 by string 9999"},
    {"ClassPastTheTable", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.RecordEntryOffsets[2] + 4, 0x10000); }); }, "the record table is cut short"},
    {"DataOutside", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.RecordEntryOffsets[1] + 8, l.RecordTableOffset); }); }, "lies outside the record data"},
    {"HugeRecordSize", [] { return Damaged([](QByteArray& b, const TArzLayout& l) { PatchU32(b, l.RecordEntryOffsets[1] + 16, 0x7FFFFFFF); }); }, "claims 2147483647 bytes"},
    {"RecordDoesNotDecompress", [] { TArzWriter w; w.AddRecord("records/items/bad.dbr", "ItemRelic").RawStored(QByteArray(40, '\xFF'), 100); return w.Build(); }, "\"records/items/bad.dbr\" does not decompress"},
    {"RecordShorterThanClaimed", [] { TArzWriter w; w.AddRecord("records/items/bad.dbr", "ItemRelic").RawStored(CompressLz4Block(QByteArray(64, 'a')), 80); return w.Build(); }, "does not decompress"},
    {"FieldOfUnknownType", [] { return WithRecordData([](TArzWriter& w) { return Field(7, 1, w.Intern("key"), {0}); }); }, "unknown type 7"},
    {"FieldKeyOutside", [] { return WithRecordData([](TArzWriter&) { return Field(0, 1, 5000, {0}); }); }, "names a field by string 5000"},
    {"FieldValuesOverrun", [] { return WithRecordData([](TArzWriter& w) { return Field(0, 60000, w.Intern("key"), {1, 2}); }); }, "ends inside a field's values"},
    {"FieldHeaderCut", [] { return WithRecordData([](TArzWriter& w) { return Field(0, 1, w.Intern("key"), {1}) + "\x01\x00\x01"; }); }, "ends inside a field header"},
    {"StringValueOutside", [] { return WithRecordData([](TArzWriter& w) { return Field(2, 2, w.Intern("description"), {0, 777}); }); }, "refers to a string beyond the string table"},
};

class ArzDatabaseFault : public ::testing::TestWithParam<TArzFault> {};

TEST_P(ArzDatabaseFault, IsAClearErrorNamingTheFile) {
  const QByteArray bytes = GetParam().Make();
  ExpectGameDataError(
      [&] {
        const TArzDatabase database = TArzDatabase::FromBytes(bytes, DatabaseName);
        for (int i = 0; i < database.RecordCount(); ++i) database.ReadRecord(i);
      },
      DatabaseName, QString::fromUtf8(GetParam().Message));
}

INSTANTIATE_TEST_SUITE_P(Damaged, ArzDatabaseFault, ::testing::ValuesIn(ArzFaults), TCaseName());

}  // namespace
