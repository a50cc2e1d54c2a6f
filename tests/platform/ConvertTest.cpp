#include "Convert.h"
#include "Errors.h"

#include <gtest/gtest.h>

TEST(Convert, ReadsIntegersInTheirAcceptedForms) {
  struct Case {
    const char* text;
    bool ok;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0", true, 0},          {"+17", true, 17},          {"-42", true, -42},
      {"$1F", true, 31},       {"x10", true, 16},          {"0X10", true, 16},
      {"0xFF000005", true, std::int32_t(0xFF000005u)},     {"$FFFFFFFF", true, -1},
      {"2147483647", true, 2147483647}, {"-2147483648", true, std::int32_t(-2147483647 - 1)},
      {"2147483648", false, 0}, {"$100000000", false, 0},  {"", false, 0},
      {"-", false, 0},         {"0x", false, 0},           {"12a", false, 0},
      {" 1", false, 0},        {"1 ", false, 0},           {"1.5", false, 0},
  };
  for (const Case& c : cases) {
    std::int32_t value = 123;
    EXPECT_EQ(TryStrToInt(QString::fromLatin1(c.text), value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

TEST(Convert, StrToIntNamesTheTextInItsError) {
  try {
    StrToInt(QStringLiteral("0x"));
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'0x' is not a valid integer value"));
  }
  EXPECT_EQ(StrToIntDef(QStringLiteral("abc"), 7), 7);
}
