// Class tag digits to class and title names, and the safe table lookups.
#include "SaveTestSupport.h"

#include "Errors.h"
#include "UModels.h"

#include <gtest/gtest.h>

namespace {

TCharacterHeader Resolve(const QString& tag) {
  TCharacterHeader header;
  header.Tag = tag;
  ResolveClassNames(header);
  return header;
}

const QString Prefix = QStringLiteral("tagSkillClassName");  // 17 characters, ignored

}  // namespace

TEST(ClassNames, ClassDigitsGiveClassesAndTitle) {
  struct Case {
    const char* digits;
    const char* class1;
    const char* class2;
    const char* dualName;
  };
  const Case cases[] = {
      {"", "", "", "CLASSLESS"},
      {"04", "Nightblade", "", "Nightblade"},
      {"09", "Oathkeeper", "", "Oathkeeper"},
      {"0204", "Demolitionist", "Nightblade", "Saboteur"},
      {"0109", "Soldier", "Oathkeeper", "Warlord"},
      {"0809", "Necromancer", "Oathkeeper", "Oppressor"},
      {"0607", "Shaman", "Inquisitor", "Vindicator"},
      // Second number not above the first: no title.
      {"0402", "Nightblade", "Demolitionist", ""},
      {"0303", "Occulist", "Occulist", ""},
      // Numbers outside 1-9 and a first class of 9 name nothing, safely.
      {"00", "", "", ""},
      {"10", "", "", ""},
      {"99", "", "", ""},
      {"0910", "Oathkeeper", "", ""},
      {"0901", "Oathkeeper", "Soldier", ""},
      {"0010", "", "", ""},
      {"-1", "", "", ""},
      // Other lengths leave all three empty.
      {"1", "", "", ""},
      {"123", "", "", ""},
      {"01020", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    const TCharacterHeader header = Resolve(Prefix + QString::fromLatin1(c.digits));
    EXPECT_EQ(header.Class1, QString::fromLatin1(c.class1));
    EXPECT_EQ(header.Class2, QString::fromLatin1(c.class2));
    EXPECT_EQ(header.DualName, QString::fromLatin1(c.dualName));
  }
  // Tags of 17 characters or fewer have no class digits.
  EXPECT_EQ(Resolve(QStringLiteral("short")).DualName, QStringLiteral("CLASSLESS"));
  EXPECT_EQ(Resolve(QString()).DualName, QStringLiteral("CLASSLESS"));
}

TEST(ClassNames, DigitsThatAreNotANumberRaiseTheConversionError) {
  const std::pair<const char*, const char*> cases[] = {
      {"0x", "'0x' is not a valid integer value"},
      {"ab", "'ab' is not a valid integer value"},
      {"ab04", "'ab' is not a valid integer value"},
      {"04ab", "'ab' is not a valid integer value"},
  };
  for (const auto& [digits, message] : cases) {
    SCOPED_TRACE(digits);
    try {
      Resolve(Prefix + QString::fromLatin1(digits));
      ADD_FAILURE() << "no error";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), QString::fromLatin1(message));
    }
  }
}

TEST(ClassNames, EveryNamedPairIsAboveTheDiagonal) {
  int named = 0;
  for (int a = 1; a <= 8; ++a) {
    for (int b = 1; b <= 9; ++b) {
      const bool hasName = !DualClassName(a, b).isEmpty();
      EXPECT_EQ(hasName, b > a) << a << "," << b;
      named += hasName ? 1 : 0;
    }
  }
  EXPECT_EQ(named, 36);
  EXPECT_EQ(DualClassName(3, 4), QStringLiteral("Witch Hunter"));
  EXPECT_EQ(DualClassName(1, 8), QStringLiteral("Death Knight"));
}

TEST(ClassNames, LookupsOutsideTheTablesAreSafe) {
  EXPECT_EQ(SexName(1), QStringLiteral("Male"));
  EXPECT_EQ(SexName(2), QString());
  EXPECT_EQ(FlagChar(0), QChar(u'N'));
  EXPECT_EQ(FlagChar(200), QChar(u'Y'));
  EXPECT_EQ(DifficultyName(2), QStringLiteral("Ultimate"));
  EXPECT_EQ(DifficultyName(3), QString());
  EXPECT_EQ(ClassName(0), QString());
  EXPECT_EQ(ClassName(10), QString());
  EXPECT_EQ(ClassName(std::numeric_limits<std::int32_t>::min()), QString());
  EXPECT_EQ(DualClassName(9, 9), QString());
  EXPECT_EQ(DualClassName(std::numeric_limits<std::int32_t>::min(), 2), QString());
}
