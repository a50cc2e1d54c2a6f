#include "Errors.h"
#include "IniFile.h"
#include "TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QByteArray Bytes(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

}  // namespace

TEST(IniFile, MissingValuesGiveTheDefault) {
  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("none.ini")));
  EXPECT_EQ(ini.ReadString("PATHS", "GD Save Path", "c:"), QStringLiteral("c:"));
  EXPECT_EQ(ini.ReadInteger("FORM", "Width", 480), 480);
  EXPECT_TRUE(ini.ReadSections().isEmpty());
  WriteTextFileLines(ini.FileName(), {"[FORM]", "Width=wide", "Height = 600 "});
  EXPECT_EQ(ini.ReadInteger("form", "width", 480), 480);
  EXPECT_EQ(ini.ReadInteger("FORM", "HEIGHT", 0), 600);
}

TEST(IniFile, WritesKeepOtherLinesAndFileOrder) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("c.ini"));
  WriteTextFileLines(path, {"; comment", "[Rings]", "Ann=1", "", "[medals]", "bob=yes"});
  TIniFile ini(path);
  ini.WriteString("RINGS", "Cid", "1");
  ini.WriteString("Medals", "BOB", "1");
  ini.WriteInteger("New", "Count", -3);
  EXPECT_EQ(Bytes(path), QByteArray("; comment\r\n[Rings]\r\nAnn=1\r\nCid=1\r\n\r\n[medals]\r\nBOB=1\r\n"
                                    "[New]\r\nCount=-3\r\n"));
  EXPECT_EQ(ini.ReadSections(), (QStringList{"Rings", "medals", "New"}));
  EXPECT_EQ(ini.ReadSection("rings"), (QStringList{"Ann", "Cid"}));
  ini.DeleteKey("Rings", "ann");
  ini.DeleteKey("Rings", "nobody");
  ini.DeleteKey("Nowhere", "ann");
  EXPECT_EQ(ini.ReadSection("Rings"), QStringList{"Cid"});
  EXPECT_TRUE(ini.SectionExists("MEDALS"));
  EXPECT_TRUE(ini.ValueExists("medals", "bob"));
}

TEST(IniFile, WriteCreatesTheFile) {
  QTemporaryDir dir;
  TIniFile ini(dir.filePath(QStringLiteral("new.ini")));
  ini.WriteString("PATHS", "GD Save Path", "/games/save/");
  EXPECT_EQ(Bytes(ini.FileName()), QByteArray("[PATHS]\r\nGD Save Path=/games/save/\r\n"));
}

TEST(IniFile, WriteRefusesToReplaceAFileItCannotRead) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("locked.ini"));
  WriteTextFileLines(path, {"[A]", "x=1"});
  QFile::setPermissions(path, QFileDevice::WriteOwner);
  TIniFile ini(path);
  EXPECT_THROW(ini.WriteString("B", "y", "2"), EFileError);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  EXPECT_EQ(Bytes(path), QByteArray("[A]\r\nx=1\r\n"));
}
