// The archive reader on archives made by our writer: files split into parts,
// compressed and raw parts, leftover entries, and every kind of damage.
#include "ArcArchive.h"
#include "ArcWriter.h"
#include "GameDataTestSupport.h"
#include "ArzWriter.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString ArchiveName = QStringLiteral("test/Text_EN.arc");

QByteArray Repeated(const QByteArray& text, int times) {
  QByteArray result;
  for (int i = 0; i < times; ++i) result += text + QByteArray::number(i % 97) + "\r\n";
  return result;
}

QByteArray Noise(int size) {
  QByteArray bytes(size, Qt::Uninitialized);
  QRandomGenerator random(7);
  for (char& c : bytes) c = char(random.bounded(256));
  return bytes;
}

TEST(ArcArchive, ReadsBackFilesInPartsCompressedOrRawAndSkipsLeftovers) {
  const QByteArray text = Repeated("tagItem=Leather Helm ", 3000);
  const QByteArray noise = Noise(5000);  // LZ4 cannot shrink it: stored raw
  const QByteArray rawText = Repeated("tagRaw=Stored as it is ", 200);
  TArcWriter writer;
  writer.SetGapAfterParts(5);
  writer.AddFile(QStringLiteral("tags_items.txt"), text, 4096);
  writer.AddLeftover();
  writer.AddFile(QStringLiteral("noise.bin"), noise);
  writer.AddFile(QStringLiteral("empty.txt"), QByteArray());
  writer.AddFile(QStringLiteral("raw.txt"), rawText, 1000, TArcWriter::TStorage::Raw);

  const TArcArchive archive = TArcArchive::FromBytes(writer.Build(), ArchiveName);

  const QByteArray expected[] = {text, noise, QByteArray(), rawText};
  const char* names[] = {"tags_items.txt", "noise.bin", "empty.txt", "raw.txt"};
  ASSERT_EQ(archive.Files().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(archive.Files()[i].Name, QLatin1String(names[i]));
    EXPECT_EQ(archive.Extract(int(i)), expected[i]) << names[i];
  }
  EXPECT_GT(archive.Files()[0].PartCount, 1u);
  EXPECT_EQ(archive.IndexOf(QStringLiteral("RAW.TXT")), 3);
  EXPECT_EQ(archive.IndexOf(QStringLiteral("missing.txt")), -1);
}

TEST(ArcArchive, ReadsAnArchiveWithoutFiles) {
  EXPECT_TRUE(TArcArchive::FromBytes(TArcWriter().Build(), ArchiveName).Files().empty());
}

TEST(ArcArchive, RefusesToExtractAFileLargerThanAnyTagText) {
  TArcWriter writer;
  writer.AddFile(QStringLiteral("huge.tex"), QByteArray(qsizetype(TArcArchive::MaxExtractSize) + 1, '\0'), 1 << 20);
  const TArcArchive archive = TArcArchive::FromBytes(writer.Build(), ArchiveName);
  ExpectGameDataError([&] { archive.Extract(0); }, ArchiveName, QStringLiteral("\"huge.tex\" is too large to read"));
}

// Offsets of the fields of a table-of-contents entry.
enum TTocField : std::uint32_t { tocType = 0, tocSize = 12, tocAdler = 16, tocPartCount = 28, tocFirstPart = 32,
                                 tocNameLength = 36, tocNameOffset = 40 };

struct TArcFault {
  const char* Name;
  std::function<void(QByteArray& bytes, const TArcLayout& layout)> Damage;
  const char* Message;
};

class ArcArchiveFault : public ::testing::TestWithParam<TArcFault> {};

TEST_P(ArcArchiveFault, IsAClearErrorNamingTheFile) {
  TArcWriter writer;
  writer.AddFile(QStringLiteral("tags_a.txt"), Repeated("tagA=Alpha ", 400), 1500);
  writer.AddFile(QStringLiteral("tags_b.txt"), Repeated("tagB=Beta ", 300));
  TArcLayout layout;
  QByteArray bytes = writer.Build(&layout);
  GetParam().Damage(bytes, layout);
  ExpectGameDataError(
      [&] {
        const TArcArchive archive = TArcArchive::FromBytes(bytes, ArchiveName);
        for (int i = 0; i < int(archive.Files().size()); ++i) archive.Extract(i);
      },
      ArchiveName, QString::fromUtf8(GetParam().Message));
}

// The second file's entry, one part after the first file's parts.
std::uint32_t SecondEntry(const TArcLayout& layout) { return layout.TocOffset + 44; }
std::uint32_t LastPart(const TArcLayout& layout) { return layout.PartTableOffset + 12 * std::uint32_t(layout.PartOffsets.size() - 1); }

const TArcFault ArcFaults[] = {
    {"TooShort", [](QByteArray& b, const TArcLayout&) { b.truncate(20); }, "too short to be an archive"},
    {"NoSignature", [](QByteArray& b, const TArcLayout&) { b[0] = 'X'; }, "no ARC signature"},
    {"OtherVersion", [](QByteArray& b, const TArcLayout&) { PatchU32(b, 4, 2); }, "unsupported archive version 2"},
    {"PartTableSizeWrong", [](QByteArray& b, const TArcLayout&) { PatchU32(b, 16, 13); }, "does not fit its"},
    {"TablesPastTheEnd", [](QByteArray& b, const TArcLayout&) { b.chop(10); }, "lie outside the file"},
    {"HugeFileCount", [](QByteArray& b, const TArcLayout&) { PatchU32(b, 8, 0xFFFFFFFF); }, "lie outside the file"},
    {"HugePartCount", [](QByteArray& b, const TArcLayout&) { PatchU32(b, 12, 0x15555555); PatchU32(b, 16, 0xFFFFFFFC); }, "lie outside the file"},
    {"TablesInsideTheHeader", [](QByteArray& b, const TArcLayout&) { PatchU32(b, 24, 4); }, "start inside the header"},
    {"PartOutsideTheFile", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, l.PartTableOffset, 0xFFFFFF00); }, "part 0 (bytes"},
    {"PartStoresMoreThanItHolds", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, l.PartTableOffset + 8, 3); }, "part 0 stores"},
    {"PartClaimsImpossibleExpansion", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, LastPart(l) + 8, 0xFFFFFFF0); }, "bytes from a"},
    {"EntryPartsBeyondTheTable", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, SecondEntry(l) + tocFirstPart, 0xFFFFFFFF); }, "refers to parts beyond"},
    {"EntryNameOutsideTheNames", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, SecondEntry(l) + tocNameOffset, 0x7FFFFFFF); }, "name outside the name table"},
    {"EntrySizeNotItsParts", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, SecondEntry(l) + tocSize, 12); }, "add up to"},
    {"PartDoesNotDecompress", [](QByteArray& b, const TArcLayout& l) { std::fill(b.begin() + l.PartOffsets.back(), b.begin() + l.PartTableOffset, '\xFF'); }, "does not decompress"},
    {"ChecksumDiffers", [](QByteArray& b, const TArcLayout& l) { PatchU32(b, SecondEntry(l) + tocAdler, 12345); }, "does not match its checksum"},
};

INSTANTIATE_TEST_SUITE_P(Damaged, ArcArchiveFault, ::testing::ValuesIn(ArcFaults), TCaseName());

TEST(ArcArchive, UnreadableFileIsAClearError) {
  const QString missing = QStringLiteral("/nonexistent/folder/Text_EN.arc");
  ExpectGameDataError([&] { TArcArchive::Open(missing); }, missing, QStringLiteral("cannot be read"));
}

}  // namespace
