#include "Errors.h"
#include "StringList.h"

#include <gtest/gtest.h>

namespace {

struct Tag : TObject {
  explicit Tag(int v) : Value(v) {}
  int Value;
};

QStringList Texts(const TStringList& list) { return list.ToStringList(); }

}  // namespace

TEST(StringList, IndexOutsideTheListRaisesIndexError) {
  TStringList list;
  list.Add(QStringLiteral("a"));
  EXPECT_THROW(list.Strings(1), EListError);
  EXPECT_THROW(list.Strings(-1), EListError);
  EXPECT_THROW(list.Delete(3), EListError);
  EXPECT_THROW(list.Insert(5, QStringLiteral("x")), EListError);
  EXPECT_NO_THROW(list.Insert(1, QStringLiteral("x")));
}

TEST(StringList, IndexOfIgnoresCase) {
  TStringList list(QStringList{QStringLiteral("Alpha"), QStringLiteral("beta")});
  EXPECT_EQ(list.IndexOf(QStringLiteral("ALPHA")), 0);
  EXPECT_EQ(list.IndexOf(QStringLiteral("Beta")), 1);
  EXPECT_EQ(list.IndexOf(QStringLiteral("gamma")), -1);
}

TEST(StringList, SortedModeKeepsOrderAndIgnoresDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "banana", "APPLE", "cherry"}) list.Add(QString::fromLatin1(s));
  EXPECT_EQ(Texts(list), (QStringList{"Apple", "banana", "cherry", "pear"}));
  int index = -1;
  EXPECT_TRUE(list.Find(QStringLiteral("CHERRY"), index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find(QStringLiteral("blueberry"), index));
  EXPECT_EQ(index, 2);  // where it would go
  EXPECT_THROW(list.Insert(0, QStringLiteral("x")), EListError);
}

TEST(StringList, SortMovesObjectsWithTheirTexts) {
  Tag one(1), two(2), three(3);
  TStringList list;
  list.AddObject(QStringLiteral("c"), &three);
  list.AddObject(QStringLiteral("a"), &one);
  list.AddObject(QStringLiteral("B"), &two);
  list.Sort();
  EXPECT_EQ(Texts(list), (QStringList{"a", "B", "c"}));
  EXPECT_EQ(list.ObjectAs<Tag>(0)->Value, 1);
  EXPECT_EQ(list.ObjectAs<Tag>(1)->Value, 2);
  EXPECT_EQ(list.ObjectAs<Tag>(2)->Value, 3);
  list.Exchange(0, 2);
  EXPECT_EQ(list[0], QStringLiteral("c"));
  EXPECT_EQ(list.ObjectAs<Tag>(0)->Value, 3);
}

TEST(StringList, SortHandlesManyEqualAndOrderedKeys) {
  TStringList list;
  for (int i = 0; i < 500; ++i) list.Add(QString::number(i % 7));
  for (int i = 0; i < 500; ++i) list.Add(QStringLiteral("z%1").arg(i, 4, 10, QLatin1Char('0')));
  list.Sort();
  for (int i = 1; i < list.Count(); ++i) EXPECT_LE(list.CompareStrings(list[i - 1], list[i]), 0) << i;
}

TEST(StringList, NameValueSplitsAtTheFirstEquals) {
  TStringList list(QStringList{"title=http://x/?a=1&b=2", "noequals", "=value", "Key="});
  struct Case {
    int index;
    const char* name;
    const char* value;
  };
  for (const Case& c : {Case{0, "title", "http://x/?a=1&b=2"}, Case{1, "", ""}, Case{2, "", "value"},
                        Case{3, "Key", ""}}) {
    EXPECT_EQ(list.Names(c.index), QString::fromLatin1(c.name)) << c.index;
    EXPECT_EQ(list.ValueFromIndex(c.index), QString::fromLatin1(c.value)) << c.index;
  }
  EXPECT_EQ(list.Values(QStringLiteral("KEY")), QString());
  EXPECT_EQ(list.IndexOfName(QStringLiteral("TITLE")), 0);
}

TEST(StringList, UpdateBracketNotifiesOnceAtTheOutermostEnd) {
  TStringList list;
  int changes = 0;
  list.SetOnChange([&] { ++changes; });
  list.Add(QStringLiteral("a"));
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(QStringLiteral("b"));
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  list.BeginUpdate();
  list.EndUpdate();  // notifies even when nothing changed
  EXPECT_EQ(changes, 3);
}

TEST(StringList, SetTextSplitsAtEveryKindOfLineBreak) {
  TStringList list;
  list.SetText(QStringLiteral("a\r\nb\nc\rd\r\n"));
  EXPECT_EQ(Texts(list), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
  list.SetText(QStringLiteral("x\n\ny"));
  EXPECT_EQ(Texts(list), (QStringList{"x", "", "y"}));
}
