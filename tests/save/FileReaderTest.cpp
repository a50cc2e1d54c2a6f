// The descrambling reader's primitive reads, its key handling and its
// end-of-file behaviour, against values scrambled by the writer's encoder.
#include "SaveTestSupport.h"

#include "Errors.h"
#include "GdcEncoder.h"
#include "UFileReader.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>

namespace {

constexpr std::uint32_t Seed = 0xA1B2C3D4u;

TGdcEncoder Encoder(std::uint32_t constant = TCharacterFile::GameKeyConstant) {
  TGdcEncoder encoder(Seed, constant);
  encoder.WriteInt(TCharacterFile::Magic);
  return encoder;
}

// A reader over the encoder's bytes, positioned after the magic.
std::unique_ptr<TCharacterFile> ReaderAfterMagic(const TGdcEncoder& encoder) {
  auto reader = std::make_unique<TCharacterFile>(encoder.Bytes());
  EXPECT_EQ(reader->ReadInt(true), TCharacterFile::Magic);
  return reader;
}

void ExpectEndOfFile(const std::function<void()>& read) {
  try {
    read();
    ADD_FAILURE() << "no error raised";
  } catch (const EReadError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Read beyond end of file"));
  }
}

}  // namespace

TEST(FileReader, PrimitivesDecodeWhatWasWrittenAndCountTheirBytes) {
  TGdcEncoder encoder = Encoder();
  encoder.WriteInt(0xFFFFFFFFu);
  encoder.WriteFloat(-12.5f);
  encoder.WriteByte(0xE9);
  encoder.WriteWord(0xBEEF);
  encoder.WriteWideString(QString::fromUtf8("A\xC3\xA9\xF0\x9F\x90\x89"));  // A, é, a surrogate pair
  encoder.WriteAnsiString(QByteArray("caf\xE9", 4));
  encoder.WriteAnsiString(QByteArray());
  encoder.WriteWideString(QString());

  auto reader = ReaderAfterMagic(encoder);
  EXPECT_EQ(reader->Position(), 8u);
  EXPECT_EQ(reader->ReadInt(true), 4294967295u);
  EXPECT_EQ(reader->ReadFloat(), -12.5f);
  EXPECT_EQ(reader->ReadByte(), 0xE9);
  EXPECT_EQ(reader->ReadWord(), 0xBEEF);
  EXPECT_EQ(reader->Position(), 8u + 4 + 4 + 1 + 2);
  const QString wide = reader->ReadWideString();
  EXPECT_EQ(wide, QString::fromUtf8("A\xC3\xA9\xF0\x9F\x90\x89"));
  EXPECT_EQ(wide.size(), 4);
  // 8-bit strings map each byte to the character of the same code.
  EXPECT_EQ(reader->ReadAnsiString(), QString(QChar(u'c')) + u'a' + u'f' + QChar(0xE9));
  const std::uint32_t beforeEmpty = reader->Position();
  EXPECT_EQ(reader->ReadAnsiString(), QString());
  EXPECT_EQ(reader->ReadWideString(), QString());
  EXPECT_EQ(reader->Position(), beforeEmpty + 8);
  EXPECT_EQ(reader->Position(), static_cast<std::uint32_t>(encoder.Position()));
}

TEST(FileReader, WideStringTakesTheLowByteFirst) {
  TGdcEncoder encoder = Encoder();
  encoder.WriteInt(1);
  encoder.WriteByte(0x41);
  encoder.WriteByte(0x00);
  auto reader = ReaderAfterMagic(encoder);
  EXPECT_EQ(reader->ReadWideString(), QStringLiteral("A"));
}

TEST(FileReader, AHeldKeyDecodesTheNextValueWithTheSameKey) {
  TGdcEncoder encoder = Encoder();
  encoder.WriteInt(0x11111111u, false);
  encoder.WriteInt(0x22222222u);
  {
    auto reader = ReaderAfterMagic(encoder);
    const std::uint32_t key = reader->Key();
    EXPECT_EQ(reader->ReadInt(false), 0x11111111u);
    EXPECT_EQ(reader->Key(), key);
    EXPECT_EQ(reader->ReadInt(true), 0x22222222u);
    EXPECT_NE(reader->Key(), key);
  }
  {
    // Advancing the key over the held value puts the next read out of step.
    auto reader = ReaderAfterMagic(encoder);
    EXPECT_EQ(reader->ReadInt(true), 0x11111111u);
    EXPECT_NE(reader->ReadInt(true), 0x22222222u);
  }
}

TEST(FileReader, ChoosesTheKeyConstantThatDecodesTheMagic) {
  struct Case {
    const char* what;
    std::uint32_t writtenWith;
    std::uint32_t magic;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"game constant", TCharacterFile::GameKeyConstant, TCharacterFile::Magic, TCharacterFile::GameKeyConstant},
      {"legacy constant", TCharacterFile::LegacyKeyConstant, TCharacterFile::Magic,
       TCharacterFile::LegacyKeyConstant},
      {"neither decodes", TCharacterFile::GameKeyConstant, 0x12345678u, TCharacterFile::LegacyKeyConstant},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TGdcEncoder encoder(Seed, c.writtenWith);
    encoder.WriteInt(c.magic);
    TCharacterFile reader(encoder.Bytes());
    EXPECT_EQ(reader.KeyConstant(), c.expected);
  }
  // Too short to hold the magic: the legacy constant.
  TGdcEncoder encoder = Encoder();
  TCharacterFile shortReader(encoder.Bytes().left(7));
  EXPECT_EQ(shortReader.KeyConstant(), TCharacterFile::LegacyKeyConstant);
}

TEST(FileReader, ShortFilesFailWithTheEndOfFileError) {
  const QByteArray bytes = Encoder().Bytes();
  for (int size = 0; size < 4; ++size) {
    SCOPED_TRACE(size);
    ExpectEndOfFile([&] { TCharacterFile reader(bytes.left(size)); });
  }
  // Exactly the seed: opens, and the first read fails.
  TCharacterFile reader(bytes.left(4));
  EXPECT_EQ(reader.Position(), 4u);
  ExpectEndOfFile([&] { reader.ReadByte(); });
  // Every width demands all its bytes.
  TCharacterFile partial(bytes.left(7));
  ExpectEndOfFile([&] { partial.ReadInt(true); });
  ExpectEndOfFile([&] { partial.ReadFloat(); });
  partial.ReadWord();
  ExpectEndOfFile([&] { partial.ReadWord(); });
}

TEST(FileReader, StringLengthsBeyondTheFileFailBeforeAllocating) {
  for (const std::uint32_t length : {5u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(length);
    TGdcEncoder encoder = Encoder();
    encoder.WriteInt(length);
    encoder.WriteByte('x');
    encoder.WriteByte('y');
    {
      auto reader = ReaderAfterMagic(encoder);
      ExpectEndOfFile([&] { reader->ReadAnsiString(); });
    }
    {
      auto reader = ReaderAfterMagic(encoder);
      ExpectEndOfFile([&] { reader->ReadWideString(); });
    }
  }
}
