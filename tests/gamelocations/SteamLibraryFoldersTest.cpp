// Steam's libraryfolders.vdf: both layouts, what else the file holds, and
// damaged or hostile files that must neither hang nor crash.
#include "SteamLibraryFolders.h"

#include "QStringPrinting.h"
#include "TextFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

struct TVdfCase {
  const char* Name;
  QByteArray Text;
  QStringList Expected;
};

void PrintTo(const TVdfCase& c, std::ostream* out) { *out << c.Name; }

std::string CaseName(const ::testing::TestParamInfo<TVdfCase>& test) { return test.param.Name; }

class SteamLibraryFoldersParse : public ::testing::TestWithParam<TVdfCase> {};

TEST_P(SteamLibraryFoldersParse, GivesTheLibraryPaths) {
  EXPECT_EQ(ParseSteamLibraryFolders(GetParam().Text), GetParam().Expected);
}

const QByteArray CurrentLayout =
    "\"libraryfolders\"\r\n{\r\n"
    "\t\"0\"\r\n\t{\r\n"
    "\t\t\"path\"\t\t\"/home/me/.local/share/Steam\"\r\n"
    "\t\t\"label\"\t\t\"\"\r\n"
    "\t\t\"contentid\"\t\t\"4861093750153846113\"\r\n"
    "\t\t\"apps\"\r\n\t\t{\r\n\t\t\t\"228980\"\t\t\"1234\"\r\n\t\t\t\"219990\"\t\t\"5678\"\r\n\t\t}\r\n"
    "\t}\r\n"
    "\t\"1\"\r\n\t{\r\n"
    "\t\t\"path\"\t\t\"/mnt/games/SteamLibrary\"\r\n"
    "\t\t\"totalsize\"\t\t\"0\"\r\n"
    "\t}\r\n"
    "}\r\n";

INSTANTIATE_TEST_SUITE_P(
    Layouts, SteamLibraryFoldersParse,
    ::testing::Values(
        TVdfCase{"CurrentLayoutNotAppIds", CurrentLayout, {"/home/me/.local/share/Steam", "/mnt/games/SteamLibrary"}},
        TVdfCase{"OlderLayoutWithEscapedBackslashes",
                 "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\"1606000000\"\n"
                 "\t\"ContentStatsID\"\t\"-4800\"\n\t\"1\"\t\t\"D:\\\\SteamLibrary\"\n"
                 "\t\"2\"\t\t\"E:\\\\Games\\\\Steam\"\n}\n",
                 {"D:\\SteamLibrary", "E:\\Games\\Steam"}},
        TVdfCase{"CommentsBareWordsConditionsAndQuotes",
                 "// written by hand\nlibraryfolders {\n  0 { Path \"/a/b \\\"c\\\"\" [$LINUX] // here\n  }\n"
                 "  1 { \"path\" /bare/path }\n}\n",
                 {"/a/b \"c\"", "/bare/path"}},
        TVdfCase{"Utf8Path", "\"libraryfolders\" { \"0\" { \"path\" \"/home/j\xC3\xBCrgen/Steam\" } }",
                 {QString::fromUtf8("/home/j\xC3\xBCrgen/Steam")}},
        TVdfCase{"DuplicatesAndEmptyPathsLeftOut",
                 "\"libraryfolders\" { \"0\" { \"path\" \"/a\" } \"1\" { \"path\" \"\" } \"2\" { \"path\" \"/a\" } }",
                 {"/a"}},
        TVdfCase{"PathsOutsideNumberedLibrariesIgnored",
                 "\"path\" \"/top\" \"libraryfolders\" { \"path\" \"/one\" \"x\" { \"path\" \"/two\" }"
                 " \"0\" { \"inner\" { \"path\" \"/three\" } \"1\" \"/four\" } }",
                 {}},
        TVdfCase{"UnclosedQuoteEndsWithTheFile", "\"libraryfolders\" { \"0\" { \"path\" \"/a\" } \"1\" { \"path\" \"/b",
                 {"/a", "/b"}},
        TVdfCase{"StrayClosingBracesAndMissingOnes", "} } \"libraryfolders\" { \"0\" { \"path\" \"/a\" }", {"/a"}},
        TVdfCase{"EmptyText", "", {}},
        TVdfCase{"BinaryGarbage", QByteArray("\0\x01{\"\xFF\xFE}\"\0\0\\", 12), {}}),
    CaseName);

TEST(SteamLibraryFolders, HostileNestingAndCountsAreCut) {
  // Far deeper than the nesting limit: stops reading, no deep recursion.
  const QByteArray deep = QByteArray(500000, '{') + "\"0\" { \"path\" \"/deep\" }" + QByteArray(500000, '}');
  EXPECT_TRUE(ParseSteamLibraryFolders(deep).isEmpty());

  QByteArray many = "\"libraryfolders\" {";
  for (int i = 0; i < 5000; ++i) many += " \"" + QByteArray::number(i) + "\" \"/lib" + QByteArray::number(i) + '"';
  many += " }";
  const QStringList folders = ParseSteamLibraryFolders(many);
  ASSERT_EQ(folders.size(), MaxLibraryFolders);
  EXPECT_EQ(folders.first(), "/lib0");
}

TEST(SteamLibraryFolders, FilesThatCannotBeListsGiveNone) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString good = folder.filePath("good.vdf");
  WriteFileBytesAtomic(good, CurrentLayout);
  EXPECT_EQ(ReadSteamLibraryFolders(good).size(), 2);

  EXPECT_TRUE(ReadSteamLibraryFolders(folder.filePath("missing.vdf")).isEmpty());
  EXPECT_TRUE(ReadSteamLibraryFolders(folder.path()).isEmpty()) << "a folder";

  // A real list followed by padding beyond the size limit.
  const QString huge = folder.filePath("huge.vdf");
  WriteFileBytesAtomic(huge, CurrentLayout + QByteArray(MaxLibraryFoldersFileBytes, ' '));
  EXPECT_TRUE(ReadSteamLibraryFolders(huge).isEmpty());

#ifdef Q_OS_UNIX
  // A pipe with no writer would block whoever opens it.
  const QString pipe = folder.filePath("pipe.vdf");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  EXPECT_TRUE(ReadSteamLibraryFolders(pipe).isEmpty());
#endif
}

}  // namespace
