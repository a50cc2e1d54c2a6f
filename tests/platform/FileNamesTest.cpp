#include "FileNames.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileNames, OrdinaryNamesMapToThemselves) {
  for (const char* name : {"Ann", "Lord Ulf", "O'Brien", "Zoë-2"}) {
    EXPECT_EQ(NameToFileName(QString::fromUtf8(name)), QString::fromUtf8(name));
  }
}

TEST(FileNames, HostileNamesStayInsideTheirFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = QDir(dir.path()).filePath(QStringLiteral("Notes"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString notes = IncludeTrailingPathDelimiter(folder);
  const QStringList names = {QString(), ".", "..", "../x", "..\\x", "/etc/passwd", "a/b", QString(QChar(7)),
                             "tab\there", "%41", QString(300, QLatin1Char('n')), "new\nline"};
  QSet<QString> seen;
  for (const QString& name : names) {
    const QString mapped = NameToFileName(name);
    EXPECT_FALSE(mapped.isEmpty());
    EXPECT_FALSE(mapped.contains(QLatin1Char('/')));
    EXPECT_FALSE(mapped.contains(QLatin1Char('\\')));
    EXPECT_NE(mapped, QStringLiteral("."));
    EXPECT_NE(mapped, QStringLiteral(".."));
    EXPECT_FALSE(seen.contains(mapped)) << "two names share " << mapped.toStdString();
    seen.insert(mapped);
    const QString path = notes + mapped + QStringLiteral(".inf");
    WriteTextFileLines(path, {QStringLiteral("x")});
    EXPECT_EQ(QFileInfo(path).canonicalPath(), QFileInfo(folder).canonicalFilePath()) << mapped.toStdString();
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Notes"});
}
