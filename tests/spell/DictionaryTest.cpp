#include "QZ_Dictionary.h"

#include "Errors.h"
#include "ScopedDataFolder.h"
#include "TextCompare.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::EndsWith;
using ::testing::MatchesRegex;
using ::testing::Not;

namespace {

std::vector<std::string> ToStd(const QStringList& list) {
  std::vector<std::string> out;
  for (const QString& s : list) out.push_back(s.toStdString());
  return out;
}

class DictionaryTest : public ::testing::Test {
protected:
  // The suggestions for a word known to be misspelt.
  std::vector<std::string> Suggest(const QString& word) {
    TStringList suggestions;
    EXPECT_FALSE(Dict().SpellCheck(word, &suggestions)) << word.toStdString();
    return ToStd(suggestions.ToStringList());
  }
  TDictionary& Dict() {
    if (!FDict) FDict = std::make_unique<TDictionary>();
    return *FDict;
  }
  void WriteCustomFile(const QByteArray& bytes) {
    QFile file(FData.CustomFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray CustomFileBytes() const { return ReadFileBytes(FData.CustomFile()); }

  ScopedDataFolder FData;
  std::unique_ptr<TDictionary> FDict;
};

// The shipped word list: its format is what the bisection relies on.
TEST(WordListData, ShippedListIsAscendingLowerCaseWordsWithCrLf) {
  const QByteArray bytes = ReadFileBytes(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/english-words.dict"));
  QList<QByteArray> lines = bytes.split('\n');
  ASSERT_TRUE(lines.takeLast().isEmpty()) << "no line break after the last word";
  QByteArray previous;
  for (const QByteArray& raw : lines) {
    ASSERT_TRUE(raw.endsWith('\r')) << raw.constData();
    const QByteArray word = raw.chopped(1);
    ASSERT_GE(word.size(), 2) << word.constData();
    ASSERT_LE(word.size(), 20) << word.constData();
    for (char c : word) ASSERT_TRUE(c >= 'a' && c <= 'z') << word.constData();
    ASSERT_LT(previous, word) << "not strictly ascending at " << word.constData();
    previous = word;
  }

  ScopedDataFolder data;
  TDictionary dictionary;
  EXPECT_EQ(dictionary.DictionaryCount(), lines.size());
  EXPECT_EQ(dictionary.CustomCount(), 0);
  EXPECT_EQ(TDictionary::Version(), QStringLiteral("1.0.1"));
}

TEST_F(DictionaryTest, SpellCheckOfOneWord) {
  struct Case {
    const char* word;
    bool known;
  } const cases[] = {
      {"", true},          {"x", true},       {"Q", true},           {"7", true},
      {"apple", true},     {"APPLE", true},   {" \tApple\r\n", true}, {"zygotes", true},
      {"aardvark", true},  {"xqzt", false},   {"appl", false},       {"apples!", false},
      {"don't", false},  // the apostrophe is part of the word looked up
  };
  for (const Case& c : cases) EXPECT_EQ(Dict().SpellCheck(QString::fromUtf8(c.word)), c.known) << c.word;
}

TEST_F(DictionaryTest, ContractionsAreJudgedByThePartBeforeTheApostrophe) {
  struct Case {
    const char* word;
    bool known;
    const char* suffix;      // every suggestion ends with it
    const char* suggestion;  // one expected suggestion
  } const cases[] = {
      {"don't", true, "", ""},
      {"Don't", true, "", ""},
      {"'tis", true, "", ""},  // nothing before the apostrophe
      {"yuo'l", false, "'ll", "you'll"},
      {"thay'v", false, "'ve", "they've"},
      {"thay'R", false, "'re", "they're"},
      {"jonh's", false, "'s", "john's"},
      {"dosen'T", false, "'T", "dozen'T"},  // other endings keep their case
      {"aple'", false, "'", "apple'"},      // an apostrophe at the end alone
  };
  for (const Case& c : cases) {
    TStringList suggestions;
    suggestions.Add(QStringLiteral("left untouched when known"));
    EXPECT_EQ(Dict().SpellCheck(QString::fromUtf8(c.word), &suggestions), c.known) << c.word;
    if (c.known) {
      EXPECT_EQ(suggestions.Count(), 1) << c.word;
      continue;
    }
    const auto list = ToStd(suggestions.ToStringList());
    EXPECT_THAT(list, AllOf(Each(EndsWith(c.suffix)), Contains(c.suggestion))) << c.word;
  }
}

TEST_F(DictionaryTest, SuggestionsFollowTheCapitalOfTheMisspeltWord) {
  EXPECT_THAT(Suggest(QStringLiteral("Aple")),
              AllOf(Contains("Apple"), Contains("Pale"), Contains("Ale"), Each(MatchesRegex("[A-Z][a-z]+"))));
  EXPECT_THAT(Suggest(QStringLiteral("aple")),
              AllOf(Contains("apple"), Contains("pale"), Contains("ale"), Each(MatchesRegex("[a-z]+"))));
  // Only the first character before trimming decides.
  EXPECT_THAT(Suggest(QStringLiteral(" Aple")), AllOf(Contains("apple"), Not(Contains("Apple"))));
}

TEST_F(DictionaryTest, SuggestionsAreSortedWithoutDuplicates) {
  for (const char* word : {"aple", "Recieve", "thier", "xz", "wrod", "speling", "Qwertyuiopasdfghj"}) {
    const auto list = Suggest(QString::fromUtf8(word));
    for (size_t i = 1; i < list.size(); ++i) {
      EXPECT_LT(CompareTextLocale(QString::fromStdString(list[i - 1]), QString::fromStdString(list[i])), 0)
          << word << ": " << list[i - 1] << " / " << list[i];
    }
  }
}

TEST_F(DictionaryTest, NearMissesAndSoundAlikes) {
  struct Case {
    const char* word;
    std::vector<const char*> present;
    std::vector<const char*> absent;
  } const cases[] = {
      // A two-letter word always gets both of its one-letter deletions.
      {"xz", {"x", "z"}, {}},
      {"recieve", {"receive", "relieve"}, {}},          // transposition, replacement
      {"wrold", {"world", "whirled"}, {}},              // transposition, sound-alike
      {"speling", {"spelling", "spewing", "sapling"}, {}},  // insertion, replacement, sound-alike
      {"aple", {"apple", "ale", "pale"}, {}},           // insertion after the first letter, deletion
      // No letter goes before the first, before the last or after the last letter.
      {"pple", {"pole"}, {"apple"}},
      {"frot", {"fort", "fro"}, {"front"}},
      {"tomatoe", {"tomato"}, {"tomatoes"}},
  };
  for (const Case& c : cases) {
    const auto list = Suggest(QString::fromUtf8(c.word));
    for (const char* p : c.present) EXPECT_THAT(list, Contains(p)) << c.word;
    for (const char* a : c.absent) EXPECT_THAT(list, Not(Contains(a))) << c.word;
  }
}

TEST(DictionarySoundex, CodesAreNeverCutOrPadded) {
  struct Case {
    const char* word;
    const char* code;
  } const cases[] = {
      {"Washington", "W25235"}, {"Lloyd", "L3"},      {"Jackson", "J25"}, {"Ashcraft", "A2613"},
      {"Ashcroft", "A2613"},    {"pfister", "P236"},  // the first letter's score counts
      {"Honeyman", "H555"},     // vowels let a code repeat, H and W do not
      {"a", "A"},               {"", ""},             {"éclair", "é246"},  // a first character outside a-z stays
      {"x-ray", "X6"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TDictionary::SoundexCode(QString::fromUtf8(c.word)), QString::fromUtf8(c.code)) << c.word;
  }
}

TEST(DictionarySoundex, LengthWindowRoundsToNearest) {
  struct Case {
    int length, low, high;
  } const cases[] = {{2, 1, 3}, {3, 2, 4}, {4, 3, 5}, {5, 3, 7}, {7, 5, 9}, {10, 7, 13}};
  for (const Case& c : cases) {
    const auto window = TDictionary::SoundAlikeLengths(c.length);
    EXPECT_EQ(window.Low, c.low) << c.length;
    EXPECT_EQ(window.High, c.high) << c.length;
  }
}

TEST_F(DictionaryTest, AddCustomCleansTheWordAndRewritesTheFile) {
  struct Case {
    const char* word;
    bool added;
  } const cases[] = {
      {"O'Brien", false},  // only "o" before the apostrophe
      {" Zyx-Qw ", true},  // stored as zyxqw
      {"ZYXQW", false},    // now known
      {"apple", false},    // in the word list
      {"q1!", false},      // one letter left
      {"Blorft's", true},  // stored as blorft
      {"\tAbqq\r\n", true},
  };
  for (const Case& c : cases) EXPECT_EQ(Dict().AddCustom(QString::fromUtf8(c.word)), c.added) << c.word;

  EXPECT_EQ(Dict().CustomCount(), 3);
  EXPECT_EQ(CustomFileBytes(), QByteArray("abqq\r\nblorft\r\nzyxqw\r\n"));
  EXPECT_TRUE(Dict().SpellCheck(QStringLiteral("Zyxqw")));
  EXPECT_FALSE(Dict().SpellCheck(QStringLiteral("o'brien")));

  // A new dictionary reads the words back.
  TDictionary reloaded;
  EXPECT_EQ(reloaded.CustomCount(), 3);
  EXPECT_TRUE(reloaded.SpellCheck(QStringLiteral("blorft")));
}

TEST_F(DictionaryTest, CustomFileIsReadSortedWithoutDuplicatesAndTakesPartInSuggestions) {
  // UTF-8 with a byte-order mark, mixed line ends, a repeated word, a blank line.
  WriteCustomFile("\xEF\xBB\xBFZorblax\r\nqwop\nzorblax\rcaf\xC3\xA9z\r\n\r\n");
  EXPECT_EQ(Dict().CustomCount(), 3);
  EXPECT_TRUE(Dict().SpellCheck(QStringLiteral("ZORBLAX")));
  EXPECT_TRUE(Dict().SpellCheck(QString::fromUtf8("caf\xC3\xA9z")));
  EXPECT_THAT(Suggest(QStringLiteral("zorlbax")), Contains("zorblax"));  // a near miss
  EXPECT_THAT(Suggest(QStringLiteral("Qwopp")), Contains("Qwop"));

  ASSERT_TRUE(Dict().AddCustom(QStringLiteral("mmxq")));
  // The first spelling read is kept; the whole list is written back in order.
  // Windows-1252 holds every character, so the file is written in it.
  EXPECT_EQ(CustomFileBytes(), QByteArray("caf\xE9z\r\nmmxq\r\nqwop\r\nZorblax\r\n"));
}

TEST_F(DictionaryTest, UnreadableCustomFileRaisesNamingTheFile) {
  ASSERT_TRUE(QDir().mkpath(FData.CustomFile()));  // a folder in its place
  try {
    TDictionary dictionary;
    FAIL() << "no error";
  } catch (const EFileError& error) {
    EXPECT_TRUE(error.Message().contains(FData.CustomFile())) << error.what();
  }
}

TEST_F(DictionaryTest, OversizedCustomFileIsRefused) {
  WriteCustomFile(QByteArray(5 * 1024 * 1024, 'a'));
  EXPECT_THROW(TDictionary(), EFileError);
}

TEST_F(DictionaryTest, FailedWriteKeepsTheWordForThisSessionOnly) {
  // The data folder becomes a path below a plain file: nothing can be written.
  QFile blocker(FData.Path() + QStringLiteral("/blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("XDG_DATA_HOME", (FData.Path() + QStringLiteral("/blocker/data")).toLocal8Bit());
  TDictionary dictionary;
  EXPECT_THROW(dictionary.AddCustom(QStringLiteral("qwopz")), EFileError);
  EXPECT_TRUE(dictionary.SpellCheck(QStringLiteral("qwopz")));
  EXPECT_EQ(dictionary.CustomCount(), 0);
}

TEST_F(DictionaryTest, OverlongWordGetsNoSuggestions) {
  // A run of letters far longer than any word: no near miss can exist.
  const QString word = QString(20000, QLatin1Char('q'));
  EXPECT_THAT(Suggest(word), ::testing::IsEmpty());
}

}  // namespace
