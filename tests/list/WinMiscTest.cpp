#include "Errors.h"
#include "QZ_WinMisc.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr long double kUnread = -777.0L;

}  // namespace

// This executable also runs under LC_ALL=de_DE.UTF-8; make sure that run
// really has a comma-decimal C locale, so the other tests prove something.
TEST(FixedLocale, CommaLocaleRunIsReallyComma) {
  const char* all = std::getenv("LC_ALL");
  if (all == nullptr || std::strncmp(all, "de_DE", 5) != 0) GTEST_SKIP() << "not the locale run";
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

TEST(FixedLocale, ReadsNumbersWithThePointOnly) {
  struct Case {
    const char* text;
    long double value;  // kUnread: the default comes back
  };
  const Case cases[] = {
      {"12.5", 12.5L},      {" 12.5 ", 12.5L},  {"1e3", 1000.0L}, {"-0.5", -0.5L},
      {"+7", 7.0L},         {"5.", 5.0L},       {".5", 0.5L},     {"1E-2", 0.01L},
      {"1e+2", 100.0L},     {"007", 7.0L},      {"0", 0.0L},      {"1e-5000", 0.0L},
      {"1e400", 1e400L},
      {"1,234", kUnread},   {"12,5", kUnread},  {"12.5kg", kUnread}, {"", kUnread},
      {" ", kUnread},       {"-", kUnread},     {"+", kUnread},   {".", kUnread},
      {"e3", kUnread},      {"1e", kUnread},    {"1e+", kUnread}, {"1.2.3", kUnread},
      {"\t1", kUnread},     {"1 2", kUnread},   {"inf", kUnread}, {"nan", kUnread},
      {"0x10", kUnread},    {"$5", kUnread},    {"--1", kUnread}, {"1e5000", kUnread},
      {"\xd9\xa1", kUnread},  // ARABIC-INDIC DIGIT ONE
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SA_Locale::StrToFloatDef(QString::fromUtf8(c.text), kUnread), c.value) << c.text;
  }
}

TEST(FixedLocale, StrToFloatNamesTheTextItCannotRead) {
  EXPECT_EQ(SA_Locale::StrToFloat(QStringLiteral("2.25")), 2.25L);
  try {
    SA_Locale::StrToFloat(QStringLiteral("12,5"));
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("'12,5' is not a valid floating point value"));
  }
}

TEST(FixedLocale, WritesNumbersByPattern) {
  struct Case {
    const char* mask;
    long double value;
    const char* text;
  };
  const long double inf = std::numeric_limits<long double>::infinity();
  const Case cases[] = {
      {"0", 1234.6L, "1235"},
      {"0,", 1234567.0L, "1,234,567"},
      {",0.00", 1234.5L, "1,234.50"},
      {",0.00", 0.0L, "0.00"},
      {"000000000000000.00000000", 12.5L, "000000000000012.50000000"},
      {"000000000000000.00000000", -3.0L, "-000000000000003.00000000"},
      {"000000000000000.00000000", 1e15L, "1000000000000000.00000000"},
      // exact halves round away from zero
      {"0", 0.5L, "1"},
      {"0", 2.5L, "3"},
      {"0", -2.5L, "-3"},
      {"0.00", 0.125L, "0.13"},
      // the digit after the last place decides on the exact binary value
      {"0.00", static_cast<long double>(1.005), "1.00"},  // 1.00499999999999989...
      {"0", 0.49999999999999999L, "0"},
      {"0.00", 9.999L, "10.00"},
      {"0", 999.5L, "1000"},
      {"0", -0.4L, "0"},  // no sign on a zero
      {"0,", -1234567.0L, "-1,234,567"},
      {"#,##0.00", -1234567.891L, "-1,234,567.89"},
      {",000000", 123.0L, "000,123"},
      {"000", 7.0L, "007"},
      {"0", 1e20L, "100000000000000000000"},
      {"#", 0.0L, ""},
      {"0.##", 1.5L, "1.5"},
      {"0.##", 2.0L, "2"},
      {"0.0#", 2.0L, "2.0"},
      {"$0", 5.0L, "$5"},
      {"0 kg", 5.0L, "5 kg"},
      {"\"No. \"0", 3.0L, "No. 3"},
      {"0.0.0", 1.25L, "1.25"},  // a second point is no point
      {"0", inf, "INF"},
      {"0", -inf, "-INF"},
      {"0", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
      {"", 1234.5L, "1234.5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SA_Locale::FormatFloat(QString::fromUtf8(c.mask), c.value),
              QString::fromUtf8(c.text))
        << c.mask << " " << double(c.value);
  }
}

TEST(FixedLocale, WritesTheWholeExtendedRangeExactly) {
  // The largest extended value has 4933 integer digits; the smallest
  // subnormal needs thousands of decimals to reach its first digit.
  const QString huge = SA_Locale::FormatFloat(QStringLiteral("0,"), std::numeric_limits<long double>::max());
  EXPECT_EQ(huge.count(QLatin1Char(',')), 1644);
  EXPECT_TRUE(huge.startsWith(QStringLiteral("1,189,731,495,357,231,765")));
  EXPECT_EQ(SA_Locale::FormatFloat(QStringLiteral("0.00"), std::numeric_limits<long double>::denorm_min()),
            QStringLiteral("0.00"));
}

TEST(FixedLocale, FloatToStrUsesTheShortestGeneralForm) {
  struct Case {
    long double value;
    const char* text;
  };
  const Case cases[] = {{1234.5L, "1234.5"}, {0.0L, "0"},      {-2.0L, "-2"},
                        {0.1L, "0.1"},       {1e20L, "1E20"}, {1.5e-7L, "1.5E-7"}};
  for (const Case& c : cases) {
    EXPECT_EQ(SA_Locale::FloatToStr(c.value), QString::fromLatin1(c.text)) << c.text;
  }
}

TEST(FixedLocale, WritesDateTimesCountedFrom30December1899) {
  struct Case {
    const char* format;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {"dd/mm/yyyy hh:nn", 45000.5, "15/03/2023 12:00"},
      {"dd/mm/yyyy", 1.0, "31/12/1899"},
      {"dd/mm/yyyy hh:nn", 0.0, "30/12/1899 00:00"},
      {"dd/mm/yyyy", 60.0, "28/02/1900"},  // 1900 is no leap year
      {"dd/mm/yyyy", 61.0, "01/03/1900"},
      {"d/m/yy h:n", 45000.25, "15/3/23 6:0"},
      {"DD/MM/YYYY HH:NN", 45000.5, "15/03/2023 12:00"},
      {"yyyy-mm-dd hh:nn:ss", 45000.0 + 1.0 / 86400.0, "2023-03-15 00:00:01"},
      {"dd/mm/yyyy hh:nn:ss", 0.999999999, "31/12/1899 00:00:00"},  // rounds to midnight
      {"dd/mm/yyyy hh:nn", -1.25, "29/12/1899 06:00"},
      {"'Day' d", 45000.0, "Day 15"},
      {"dd/mm/yyyy", -693593.0, "01/01/0001"},
      {"dd/mm/yyyy hh:nn", 2958465.5, "31/12/9999 12:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SA_Locale::FormatDateTime(QString::fromLatin1(c.format), c.value),
              QString::fromLatin1(c.text))
        << c.format << " " << c.value;
  }
}

TEST(FixedLocale, RefusesDatesOutsideTheYears1To9999) {
  const double values[] = {2958466.0, -693594.0, 1e300, std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  for (const double value : values) {
    EXPECT_THROW(SA_Locale::FormatDateTime(QStringLiteral("dd/mm/yyyy"), value), EConvertError)
        << value;
  }
}

TEST(FixedLocale, ReadsAndWritesShortDates) {
  EXPECT_EQ(SA_Locale::StrToDate(QStringLiteral("15/03/2023")), 45000.0);
  EXPECT_EQ(SA_Locale::StrToDate(QStringLiteral(" 1/1/00 ")), 36526.0);
  EXPECT_EQ(SA_Locale::DateToStr(45000.75), QStringLiteral("15/03/2023"));
  const char* bad[] = {"31/02/2023", "15-03-2023", "", "1/13/2023", "a/b/c", "1/1/1/1", "0/1/2000"};
  for (const char* text : bad) {
    EXPECT_THROW(SA_Locale::StrToDate(QString::fromLatin1(text)), EConvertError) << text;
  }
}

TEST(FixedLocale, IsAStaticClass) {
  const TFormatSettings settings = SA_Locale::GetSouthAfricanFormats();
  EXPECT_EQ(settings.DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(settings.ThousandSeparator, QLatin1Char(','));
  EXPECT_EQ(settings.DateSeparator, QLatin1Char('/'));
  EXPECT_EQ(settings.TimeSeparator, QLatin1Char(':'));
  EXPECT_EQ(settings.ShortDateFormat, QStringLiteral("dd/MM/yyyy"));
  EXPECT_EQ(settings.ShortTimeFormat, QStringLiteral("HH:mm"));
  try {
    SA_Locale instance;
    FAIL() << "an instance was made";
  } catch (const EStaticClassError& e) {
    EXPECT_EQ(e.Message(),
              QStringLiteral("SA_Locale.Create - Cannot create an instance, class contains static "
                             "functions only. Usage Example : sValue := SA_Locale.StrToFloat(AValue)"));
  }
}
