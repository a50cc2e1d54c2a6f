#include "QZ_SpellChk.h"

#include "DialogScript.h"
#include "GeneralError.h"
#include "QZ_SystemSpeller.h"
#include "ScopedDataFolder.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Answer = DialogScript::Answer;

namespace {

// A spell checker on a machine with or without the system's English
// spelling service, counting how often it tries to start it.
class TTestSpellChecker : public TSpellChecker {
public:
  explicit TTestSpellChecker(bool ASystemService) : FSystemService(ASystemService) {}
  int Starts = 0;

protected:
  std::unique_ptr<TSystemSpeller> StartSystemSpeller() override {
    ++Starts;
    return FSystemService ? TSpellChecker::StartSystemSpeller() : nullptr;
  }

private:
  bool FSystemService;
};

bool SystemEnglishInstalled() {
  static const bool installed = TSystemSpeller::Start(QStringLiteral("en_US")) != nullptr;
  return installed;
}

#define SKIP_WITHOUT_SYSTEM_ENGLISH()                                                   \
  if (!SystemEnglishInstalled()) GTEST_SKIP() << "Enchant has no English dictionary here"

QString Summary(const char* status, int count) {
  return QStringLiteral("Spell Check %1\r\n%2 words changed").arg(QLatin1String(status)).arg(count);
}

// The dictionary engine, as on a machine without the system service.
class SpellCheckerTest : public ::testing::Test {
protected:
  SpellCheckerTest() : FChecker(false) { FChecker.Loaded(); }

  ScopedDataFolder FData;
  TTestSpellChecker FChecker;
  QPlainTextEdit FEdit;
};

TEST(SpellCheckerEngine, ActivationWithoutTheSystemService) {
  struct Case {
    TSpellCheckerEngine requested, engine;
    bool active;
  } const cases[] = {
      {engAutoDetect, engQuazel, true},
      {engMicrosoft, engMicrosoft, false},
      {engQuazel, engQuazel, true},
      {engDisabled, engDisabled, false},
  };
  ScopedDataFolder data;
  for (const Case& c : cases) {
    TTestSpellChecker checker(false);
    EXPECT_FALSE(checker.Active());
    checker.SetEngine(engDisabled);
    checker.SetEngine(c.requested);
    checker.Loaded();
    EXPECT_EQ(checker.Engine(), c.engine) << int(c.requested);
    EXPECT_EQ(checker.Active(), c.active) << int(c.requested);
  }
}

TEST(SpellCheckerEngine, ActivationWithTheSystemService) {
  SKIP_WITHOUT_SYSTEM_ENGLISH();
  struct Case {
    TSpellCheckerEngine requested, engine;
    bool active;
  } const cases[] = {
      {engAutoDetect, engMicrosoft, true},
      {engMicrosoft, engMicrosoft, true},
      {engQuazel, engQuazel, true},
      {engDisabled, engDisabled, false},
  };
  ScopedDataFolder data;
  for (const Case& c : cases) {
    TTestSpellChecker checker(true);
    checker.SetEngine(c.requested == engDisabled ? engQuazel : engDisabled);
    checker.SetEngine(c.requested);
    EXPECT_EQ(checker.Engine(), c.engine) << int(c.requested);
    EXPECT_EQ(checker.Active(), c.active) << int(c.requested);
  }
}

TEST(SpellCheckerEngine, DefaultsAndLanguageIdentifiers) {
  TSpellChecker checker;
  EXPECT_EQ(checker.Engine(), engAutoDetect);
  EXPECT_FALSE(checker.Active());
  EXPECT_EQ(checker.Language(), wdEnglishUS);
  EXPECT_TRUE(checker.CompletedMessage());
  EXPECT_EQ(checker.Dictionary(), QStringLiteral("CUSTOM.DIC"));
  EXPECT_EQ(checker.ReplaceDialog(), repDefault);
  EXPECT_EQ(checker.LetterChars().count(), 52u);
  EXPECT_TRUE(checker.LetterChars().test('q') && checker.LetterChars().test('Q'));
  EXPECT_FALSE(checker.LetterChars().test('\''));

  struct Case {
    TSpellCheckerLanguage language;
    int id;
  } const cases[] = {{wdLanguageNone, 0},    {wdNoProofing, 1024}, {wdEnglishUS, 1033},        {wdEnglishUK, 2057},
                     {wdGerman, 1031},       {wdFrench, 1036},     {wdSpanishModernSort, 3082}, {wdSwissItalian, 2064}};
  for (const Case& c : cases) EXPECT_EQ(LanguageIdentifier(c.language), c.id) << int(c.language);
}

TEST_F(SpellCheckerTest, SettingTheSameEngineDoesNotRestartIt) {
  ASSERT_EQ(FChecker.Engine(), engQuazel);
  // A word added to the file now is only known to a dictionary loaded later.
  WriteTextFileLines(FData.CustomFile(), {QStringLiteral("blorftq")});
  FChecker.SetEngine(engQuazel);
  EXPECT_FALSE(FChecker.CheckWordSpelling(QStringLiteral("blorftq")));
  FChecker.SetEngine(engDisabled);
  FChecker.SetEngine(engQuazel);
  EXPECT_TRUE(FChecker.CheckWordSpelling(QStringLiteral("blorftq")));

  FChecker.SetEngine(engMicrosoft);
  FChecker.SetEngine(engMicrosoft);
  EXPECT_EQ(FChecker.Starts, 2);  // auto-detect at Loaded, then engMicrosoft once
}

TEST_F(SpellCheckerTest, WordChecksAndSynonymsWithTheDictionary) {
  TStringList list;
  list.Add(QStringLiteral("stale"));
  EXPECT_TRUE(FChecker.CheckWordSpelling(QStringLiteral("house"), &list));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(FChecker.CheckWordSpelling(QStringLiteral("Hosue"), &list));
  EXPECT_THAT(list.ToStringList(), Contains(QStringLiteral("House")));

  list.Add(QStringLiteral("stale"));
  EXPECT_FALSE(FChecker.GetSynonyms(QStringLiteral("house"), &list));
  EXPECT_EQ(list.Count(), 0);

  FChecker.SetEngine(engDisabled);
  EXPECT_FALSE(FChecker.CheckWordSpelling(QStringLiteral("house"), &list));
}

TEST_F(SpellCheckerTest, DialogAnswersInATextControl) {
  struct Case {
    const char* name;
    std::vector<Answer> answers;
    const char* text;
    const char* status;
    int changes;
  } const cases[] = {
      {"Esc and Ignore leave every word",
       {{Answer::Escape}, {Answer::Ignore}, {Answer::Ignore}},
       "Teh cat jumpd over teh dog", "Complete", 0},
      {"typed and picked corrections",
       {{Answer::Change, QStringLiteral("The")}, {Answer::Enter, QStringLiteral("jumped")},
        {Answer::Change, {}, QStringLiteral("the")}},
       "The cat jumped over the dog", "Complete", 3},
      {"the close box aborts, keeping what was changed",
       {{Answer::Change, QStringLiteral("The")}, {Answer::CloseBox}},
       "The cat jumpd over teh dog", "ABORTED!", 1},
      {"an unchanged word counts nothing, a change of case counts",
       {{Answer::Change}, {Answer::Change, QStringLiteral("JUMPD")}, {Answer::Ignore}},
       "Teh cat JUMPD over teh dog", "Complete", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FEdit.setPlainText(QStringLiteral("Teh cat jumpd over teh dog"));
    FEdit.document()->setModified(false);
    int afterCalls = 0;
    FChecker.SetAfterCorrection([&](TSpellChecker* sender, const QString& word, const QString& corrected) {
      EXPECT_EQ(sender, &FChecker);
      EXPECT_NE(word, corrected);
      ++afterCalls;
    });
    DialogScript script(c.answers, &FEdit);
    FChecker.CheckRichTextSpelling(&FEdit, nullptr);

    EXPECT_EQ(FEdit.toPlainText(), QString::fromUtf8(c.text));
    EXPECT_THAT(script.Messages, ElementsAre(Summary(c.status, c.changes)));
    EXPECT_EQ(afterCalls, c.changes);
    EXPECT_EQ(script.Words, script.Selections);  // the word shown is the one selected
    // A word changed to itself leaves the document untouched.
    EXPECT_EQ(FEdit.document()->isModified(), c.changes > 0);
  }
}

TEST_F(SpellCheckerTest, WordsOfferedWithSuggestionsAndEvents) {
  FEdit.setPlainText(QStringLiteral("Teh cat\njumpd over teh dog."));
  std::vector<std::pair<QString, QString>> after;
  FChecker.SetAfterCorrection([&](TSpellChecker*, const QString& word, const QString& corrected) {
    after.emplace_back(word, corrected);
  });
  DialogScript script({{Answer::Change, {}, QStringLiteral("The")}, {Answer::Ignore}, {Answer::Change, QStringLiteral("the")}},
                      &FEdit);
  FChecker.CheckMemoTextSpelling(&FEdit, nullptr);

  EXPECT_THAT(script.Words, ElementsAre(QStringLiteral("Teh"), QStringLiteral("jumpd"), QStringLiteral("teh")));
  EXPECT_THAT(script.Suggestions[0], Contains(QStringLiteral("The")));
  EXPECT_THAT(script.Suggestions[1], Contains(QStringLiteral("jumped")));
  EXPECT_THAT(script.Suggestions[2], Contains(QStringLiteral("the")));
  EXPECT_EQ(FEdit.toPlainText(), QStringLiteral("The cat\njumpd over the dog."));
  EXPECT_THAT(after, ElementsAre(std::pair(QStringLiteral("Teh"), QStringLiteral("The")),
                                 std::pair(QStringLiteral("teh"), QStringLiteral("the"))));
  EXPECT_THAT(script.Messages, ElementsAre(Summary("Complete", 2)));
}

TEST_F(SpellCheckerTest, BeforeCorrectionCanEditTheSuggestionsOrAbort) {
  int calls = 0;
  FChecker.SetBeforeCorrection([&](TSpellChecker*, const QString& word, TStringList& suggestions, bool& carryOn) {
    ++calls;
    if (word == QStringLiteral("jumpd")) {
      carryOn = false;
      return;
    }
    suggestions.Clear();
    suggestions.Add(QStringLiteral("Tea"));
  });
  FEdit.setPlainText(QStringLiteral("Teh cat jumpd over teh dog"));
  DialogScript script({{Answer::Change, {}, QStringLiteral("Tea")}}, &FEdit);
  FChecker.CheckRichTextSpelling(&FEdit, nullptr);

  EXPECT_EQ(calls, 2);
  EXPECT_THAT(script.Suggestions, ElementsAre(QStringList{QStringLiteral("Tea")}));
  EXPECT_EQ(FEdit.toPlainText(), QStringLiteral("Tea cat jumpd over teh dog"));
  EXPECT_THAT(script.Messages, ElementsAre(Summary("ABORTED!", 1)));
}

// The three text checks share their messages: inactive, empty text, no letters.
TEST_F(SpellCheckerTest, MessagesOfAllThreeChecks) {
  struct Case {
    const char* name;
    TSpellCheckerEngine engine;
    const char* text;
    bool completedMessage;
    QStringList messages;
  } const cases[] = {
      {"inactive", engDisabled, "Teh", true, {QStringLiteral("Spell Check not Active")}},
      {"inactive, no summary wanted", engDisabled, "Teh", false, {QStringLiteral("Spell Check not Active")}},
      {"system service missing", engMicrosoft, "Teh", true, {QStringLiteral("Spell Check not Active")}},
      {"empty", engQuazel, "", true, {Summary("Complete", 0)}},
      {"empty, no summary wanted", engQuazel, "", false, {}},
      {"digits only: one empty word", engQuazel, " 123 456\n", true, {Summary("Complete", 0)}},
      {"known words, no summary wanted", engQuazel, "a cat", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FChecker.SetEngine(c.engine);
    FChecker.SetCompletedMessage(c.completedMessage);
    const QString text = QString::fromUtf8(c.text);
    for (int operation = 0; operation < 3; ++operation) {
      DialogScript script({}, &FEdit);
      FEdit.setPlainText(text);
      QString plain = text;
      switch (operation) {
        case 0: FChecker.CheckRichTextSpelling(&FEdit, nullptr); break;
        case 1: FChecker.CheckMemoTextSpelling(&FEdit, nullptr); break;
        case 2: FChecker.CheckTextSpelling(plain, nullptr); break;
      }
      EXPECT_EQ(script.Messages, c.messages) << "operation " << operation;
      EXPECT_TRUE(script.Words.empty());
    }
  }
}

TEST_F(SpellCheckerTest, UserCorrectionEditsAStringWithoutTheDialog) {
  FChecker.SetReplaceDialog(repUser);
  QStringList asked;
  FChecker.SetOnUserCorrection([&](TSpellChecker*, QString& word) {
    asked << word;
    if (word != QStringLiteral("jumpd")) word = word.toUpper();  // jumpd stays as it is
  });
  int afterCalls = 0;
  FChecker.SetAfterCorrection([&](TSpellChecker*, const QString&, const QString&) { ++afterCalls; });

  DialogScript script({});
  QString text = QStringLiteral("teh cat jumpd, teh dog");
  FChecker.CheckTextSpelling(text, nullptr);

  EXPECT_EQ(text, QStringLiteral("TEH cat jumpd, TEH dog"));
  EXPECT_EQ(asked, (QStringList{QStringLiteral("teh"), QStringLiteral("jumpd"), QStringLiteral("teh")}));
  EXPECT_EQ(afterCalls, 2);
  EXPECT_THAT(script.Messages, ElementsAre(Summary("Complete", 2)));
}

TEST_F(SpellCheckerTest, LetterCharsDecideWhereWordsEnd) {
  std::bitset<256> withApostrophe = FChecker.LetterChars();
  withApostrophe.set('\'');
  std::bitset<256> withAccent = FChecker.LetterChars();
  withAccent.set(0xE9);  // é
  struct Case {
    const char* name;
    std::bitset<256> letters;
    const char* text;
    std::vector<QString> offered;
  } const cases[] = {
      {"don't is don and t", FChecker.LetterChars(), "I don't know", {}},
      {"with the apostrophe, judged by the part before it", withApostrophe, "I don't know; wouldn't", {QStringLiteral("wouldn't")}},
      {"an accented letter outside the set splits", FChecker.LetterChars(), "cafés", {QStringLiteral("caf")}},
      {"an accented letter in the set joins", withAccent, "cafés", {QString::fromUtf8("cafés")}},
      {"characters from 256 up split", withAccent, "teh\u2014caat\u0101x", {QStringLiteral("teh"), QStringLiteral("caat")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FChecker.SetLetterChars(c.letters);
    std::vector<Answer> ignoreAll(c.offered.size(), Answer{Answer::Ignore});
    DialogScript script(ignoreAll);
    QString text = QString::fromUtf8(c.text);
    FChecker.CheckTextSpelling(text, nullptr);
    EXPECT_EQ(script.Words, c.offered);
  }
}

TEST_F(SpellCheckerTest, AddToCustomStoresTheWordAndChangesToIt) {
  FEdit.setPlainText(QStringLiteral("blorft and blorft, Qwxz"));
  DialogScript script({{Answer::AddToCustom}, {Answer::AddToCustom, QStringLiteral("Qwxzy")}}, &FEdit);
  FChecker.CheckRichTextSpelling(&FEdit, nullptr);

  EXPECT_THAT(script.Words, ElementsAre(QStringLiteral("blorft"), QStringLiteral("Qwxz")));
  EXPECT_EQ(FEdit.toPlainText(), QStringLiteral("blorft and blorft, Qwxzy"));
  EXPECT_EQ(ReadFileBytes(FData.CustomFile()), QByteArray("blorft\r\nqwxzy\r\n"));
  EXPECT_THAT(script.Messages, ElementsAre(Summary("Complete", 1)));
}

TEST_F(SpellCheckerTest, AddToCustomThatCannotWriteReportsAndKeepsTheDialogOpen) {
  QStringList reported;
  const GeneralErrorHandler previous =
      SetGeneralErrorHandler([&](const QString& message) { reported << message; });
  // A folder where the file should be written.
  ASSERT_TRUE(QDir().mkpath(FData.CustomFile()));

  FEdit.setPlainText(QStringLiteral("blorft"));
  DialogScript script({{Answer::AddToCustom}}, &FEdit);
  FChecker.CheckRichTextSpelling(&FEdit, nullptr);
  SetGeneralErrorHandler(previous);

  ASSERT_EQ(reported.size(), 1);
  EXPECT_TRUE(reported[0].contains(FData.CustomFile()));
  EXPECT_EQ(script.LeftOpen, 1);
  EXPECT_THAT(script.Messages, ElementsAre(Summary("Complete", 0)));
}

TEST_F(SpellCheckerTest, DictionaryEngineDialogLayout) {
  FEdit.setPlainText(QStringLiteral("Teh"));
  DialogScript script(std::vector<Answer>{{Answer::Ignore}});
  FChecker.CheckRichTextSpelling(&FEdit, nullptr);
  ASSERT_EQ(script.Shapes.size(), 1u);
  const DialogScript::Shape& shape = script.Shapes[0];
  EXPECT_EQ(shape.Title, QStringLiteral("Spell Check"));
  EXPECT_EQ(shape.Client.height(), 260);
  EXPECT_EQ(shape.Edit.topLeft(), QPoint(8, 8));
  EXPECT_EQ(shape.Edit.width(), 240);
  EXPECT_EQ(shape.List, QRect(8, 32, 240, 193));
  EXPECT_EQ(shape.Ignore.topLeft(), QPoint(8, 232));
  EXPECT_EQ(shape.Change.topLeft(), QPoint(88, 232));
  EXPECT_EQ(shape.Add, QRect(169, 232, 80, 25));
  EXPECT_LE(shape.Add.right(), shape.Client.width());
}

// The system's spelling service through Enchant, when this machine has English.
class SystemSpellCheckerTest : public ::testing::Test {
protected:
  void SetUp() override {
    SKIP_WITHOUT_SYSTEM_ENGLISH();
    FChecker.Loaded();
    ASSERT_EQ(FChecker.Engine(), engMicrosoft);
  }
  ScopedDataFolder FData;
  TSpellChecker FChecker;
  QPlainTextEdit FEdit;
};

TEST_F(SystemSpellCheckerTest, WordChecksAndSynonyms) {
  TStringList list;
  EXPECT_TRUE(FChecker.CheckWordSpelling(QStringLiteral("house"), &list));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(FChecker.CheckWordSpelling(QString(), &list));
  EXPECT_FALSE(FChecker.CheckWordSpelling(QStringLiteral("hosue"), &list));
  EXPECT_THAT(list.ToStringList(), Contains(QStringLiteral("house")));
  EXPECT_FALSE(FChecker.CheckWordSpelling(QStringLiteral("hosue")));

  list.Add(QStringLiteral("stale"));
  EXPECT_FALSE(FChecker.GetSynonyms(QStringLiteral("house"), &list));
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(SystemSpellCheckerTest, CorrectionsWithTheNarrowDialog) {
  FEdit.setPlainText(QStringLiteral("The hosue is 42 years old"));
  DialogScript script({{Answer::Change, {}, QStringLiteral("house")}}, &FEdit);
  FChecker.CheckRichTextSpelling(&FEdit, nullptr);

  EXPECT_EQ(FEdit.toPlainText(), QStringLiteral("The house is 42 years old"));
  EXPECT_THAT(script.Words, ElementsAre(QStringLiteral("hosue")));
  EXPECT_THAT(script.Messages, ElementsAre(Summary("Complete", 1)));
  ASSERT_EQ(script.Shapes.size(), 1u);
  const DialogScript::Shape& shape = script.Shapes[0];
  EXPECT_EQ(shape.Edit.width(), 185);
  EXPECT_EQ(shape.List, QRect(8, 32, 185, 193));
  EXPECT_EQ(shape.Ignore.topLeft(), QPoint(8, 232));
  EXPECT_EQ(shape.Change.topLeft(), QPoint(120, 232));
  EXPECT_TRUE(shape.Add.isNull());
  EXPECT_LT(shape.Client.width(), 210);
}

}  // namespace
