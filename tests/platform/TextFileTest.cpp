#include "Errors.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(TextFile, ReadsByteOrderMarksAndTheCodePage) {
  struct Case {
    const char* label;
    QByteArray bytes;
    QStringList lines;
  };
  const QString e = QString(QChar(0xE9));
  const Case cases[] = {
      {"utf16le", QByteArray("\xFF\xFE" "a\0\xE9\0\r\0\n\0b\0", 12), {"a" + e, "b"}},
      {"utf16be", QByteArray("\xFE\xFF\0a\0\xE9\0\n", 8), {"a" + e}},
      {"utf8", QByteArray("\xEF\xBB\xBF" "a\xC3\xA9\r\n"), {"a" + e}},
      {"cp1252", QByteArray("a\xE9\x80\rb\nc"), {"a" + e + QChar(0x20AC), "b", "c"}},
      {"empty", QByteArray(), {}},
      {"final break", QByteArray("x\r\n"), {"x"}},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    const QString path = dir.filePath(QString::fromLatin1(c.label));
    Put(path, c.bytes);
    EXPECT_EQ(ReadTextFileLines(path), c.lines) << c.label;
  }
}

TEST(TextFile, WritesCodePageWhenEverythingFitsElseUtf8WithMark) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t.txt"));
  WriteTextFileLines(path, {QStringLiteral("caf") + QChar(0xE9), QString()});
  EXPECT_EQ(Bytes(path), QByteArray("caf\xE9\r\n\r\n"));
  const QString japanese = QString::fromUtf8("\xE6\x97\xA5");
  WriteTextFileLines(path, {japanese});
  EXPECT_EQ(Bytes(path), QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\r\n"));
  EXPECT_EQ(ReadTextFileLines(path), QStringList{japanese});
}

TEST(TextFile, FailedWriteLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keep.txt"));
  WriteTextFileLines(path, {QStringLiteral("old")});
  // A file cannot be written where a folder of that name stands in the way.
  const QString blocked = dir.filePath(QStringLiteral("sub/inner.txt"));
  Put(dir.filePath(QStringLiteral("sub")), "not a folder");
  EXPECT_THROW(WriteTextFileLines(blocked, {QStringLiteral("new")}), EFileError);
  EXPECT_EQ(Bytes(path), QByteArray("old\r\n"));
  EXPECT_THROW(ReadTextFileLines(dir.filePath(QStringLiteral("missing"))), EFileError);
  // No temporary files are left behind.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(TextFile, ScratchWritesReplaceAtomicallyToo) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Ann.inf"));
  WriteTextFileLines(path, {QStringLiteral("old")}, TWriteDurability::Scratch);
  WriteTextFileLines(path, {QStringLiteral("new"), QStringLiteral("x")}, TWriteDurability::Scratch);
  EXPECT_EQ(Bytes(path), QByteArray("new\r\nx\r\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Ann.inf")});
  const QString blocked = dir.filePath(QStringLiteral("no/such/folder.inf"));
  EXPECT_THROW(WriteTextFileLines(blocked, {QStringLiteral("x")}, TWriteDurability::Scratch), EFileError);
}

TEST(TextFile, RefusesWhatIsNotARegularFileOrTooLarge) {
  QTemporaryDir dir;
  const QString pipe = dir.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  EXPECT_THROW(ReadFileBytes(pipe), EFileError);  // would wait forever for a writer
  EXPECT_THROW(ReadFileBytes(dir.path()), EFileError);
  EXPECT_THROW(ReadFileBytes(QStringLiteral("/dev/zero"), 1024), EFileError);
  const QString path = dir.filePath(QStringLiteral("big"));
  Put(path, QByteArray(100, 'x'));
  EXPECT_THROW(ReadFileBytes(path, 99), EFileError);
  EXPECT_EQ(ReadFileBytes(path, 100).size(), 100);
}
