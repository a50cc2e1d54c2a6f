// Tag files: encodings, line ends, skipped lines, the split at the first "="
// and the removal of colour codes; and the table that later files override.
#include "TagTable.h"
#include "TagText.h"
#include "GameDataTestSupport.h"

#include <QList>
#include <QPair>

#include <gtest/gtest.h>

namespace {

using TTags = QList<QPair<QString, QString>>;

TTags TagsOf(const QByteArray& file) {
  TTags tags;
  ForEachTag(file, [&](const QString& tag, const QString& text) { tags.append({tag, text}); });
  return tags;
}

struct TTagCase {
  const char* Name;
  QByteArray File;
  TTags Expected;
};

class TagFile : public ::testing::TestWithParam<TTagCase> {};

TEST_P(TagFile, GivesItsTagsInOrder) { EXPECT_EQ(TagsOf(GetParam().File), GetParam().Expected); }

const QString Cafe = QStringLiteral("Caf\u00E9");

const TTagCase TagCases[] = {
    {"ByteOrderMarkIsNotPartOfTheFirstTag", "\xEF\xBB\xBFtagA=Alpha\r\ntagB=Beta\r\n", {{"tagA", "Alpha"}, {"tagB", "Beta"}}},
    {"MixedLineEnds", "a=1\rb=2\nc=3\r\nd=4\n\re=5", {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}}},
    {"BlankCommentAndPlainLinesSkipped", "\r\n# note=not a tag\r\n \t \r\nno equals sign\r\na=1", {{"a", "1"}}},
    {"SplitAtTheFirstEquals", "formula=a=b+c", {{"formula", "a=b+c"}}},
    {"TagAndTextTrimmed", "  tagA \t=  Leather Helm  \r\n", {{"tagA", "Leather Helm"}}},
    {"EmptyTextKeptEmptyTagSkipped", "tagEmpty=\r\n=orphan\r\n", {{"tagEmpty", ""}}},
    {"ColourCodesRemoved", "a={^y}Gold^w Ring \r\nb=^rRed{^n}\r\nc={^E}\r\nd=Cost 50^", {{"a", "Gold Ring"}, {"b", "Red"}, {"c", ""}, {"d", "Cost 50^"}}},
    {"Utf8", "a=Caf\xC3\xA9", {{"a", Cafe}}},
    {"Windows1252WhenNotUtf8", "a=Caf\xE9\r\nb=\x93quoted\x94", {{"a", Cafe}, {"b", QStringLiteral("\u201Cquoted\u201D")}}},
    {"Windows1252AfterAByteOrderMark", "\xEF\xBB\xBF" "a=Caf\xE9", {{"a", Cafe}}},
    {"Empty", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, TagFile, ::testing::ValuesIn(TagCases), TCaseName());

TEST(TagTable, LaterFilesOverrideTagsAndUnknownTagsHaveNoText) {
  TTagTable texts;
  texts.AddFile("tagA=Alpha\r\ntagB=Beta\r\n");
  texts.AddFile("tagB=Better\r\ntagC=\r\n");
  EXPECT_EQ(texts.Count(), 3);
  EXPECT_EQ(texts.Text("tagA"), QStringLiteral("Alpha"));
  EXPECT_EQ(texts.Text("tagB"), QStringLiteral("Better"));
  EXPECT_TRUE(texts.Text("tagC").isEmpty());
  EXPECT_FALSE(texts.Text("tagC").isNull());
  EXPECT_TRUE(texts.Text("tagMissing").isNull());
}

}  // namespace
