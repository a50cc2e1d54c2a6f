#include "QZ_PrintDateFormat.h"

#include <gtest/gtest.h>

TEST(PrintDateFormat, WritesLetterCodes) {
  const QDateTime morning(QDate(2024, 3, 5), QTime(7, 9, 4, 45));
  const QDateTime evening(QDate(2024, 11, 25), QTime(19, 30));
  const QLocale english(QLocale::English, QLocale::UnitedKingdom);
  struct {
    const char* Pattern;
    QDateTime When;
    const char* Text;
  } const cases[] = {
      {"dd/mm/yyyy hh:NN", morning, "05/03/2024 07:09"},
      {"d/m/yy h:n:s", morning, "5/3/24 7:9:4"},
      {"hh:mm", morning, "07:09"},  // m right after an hour is the minute
      {"mm hh", morning, "03 07"},
      {"yyyy-mm-dd ss.zzz", morning, "2024-03-05 04.045"},
      {"'dd' \"mm\" dd", morning, "dd mm 05"},
      {"h:nn am/pm", evening, "7:30 pm"},
      {"h AM/PM", morning, "7 AM"},
      {"h a/p", evening, "7 p"},
      {"ddd dddd mmm mmmm", evening, "Mon Monday Nov November"},
      {"yyyy!", evening, "2024!"},
  };
  for (const auto& c : cases) {
    QString text;
    EXPECT_TRUE(FormatDateTimePattern(c.Pattern, c.When, english, text)) << c.Pattern;
    EXPECT_EQ(text, c.Text) << c.Pattern;
  }
}

TEST(PrintDateFormat, UsesTheLocaleSeparators) {
  QString text;
  ASSERT_TRUE(FormatDateTimePattern("dd/mm/yyyy", QDateTime(QDate(2024, 3, 5), QTime(0, 0)),
                                    QLocale(QLocale::German, QLocale::Germany), text));
  EXPECT_EQ(text, "05.03.2024");
}

TEST(PrintDateFormat, RejectsEmptyPatternsAndOpenQuotes) {
  for (const char* pattern : {"", "dd 'open", "\"open"}) {
    QString text = "kept";
    EXPECT_FALSE(FormatDateTimePattern(pattern, QDateTime::currentDateTime(), QLocale::c(), text)) << pattern;
    EXPECT_EQ(text, "kept");
  }
}
