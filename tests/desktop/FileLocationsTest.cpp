// Where the settings file and the Notes folder are kept: beside a program in
// a folder it may write to, in the desktop's per-user folders otherwise.
#include "UFileLocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TFileLocations DesktopLocations() {
  return DesktopFileLocations(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

void ExpectSame(const TFileLocations& AActual, const TFileLocations& AExpected) {
  EXPECT_EQ(AActual.IniFile.toStdString(), AExpected.IniFile.toStdString());
  EXPECT_EQ(AActual.NotesPath.toStdString(), AExpected.NotesPath.toStdString());
  EXPECT_EQ(AActual.Portable, AExpected.Portable);
}

}  // namespace

TEST(FileLocations, PortableFilesLieBesideTheProgramFile) {
  struct TCase {
    const char* ProgramFile;
    const char* IniFile;
    const char* NotesPath;
  };
  const TCase cases[] = {
      {"/opt/games/quillmark", "/opt/games/quillmark.ini", "/opt/games/Notes/"},
      {"/opt/games/quillmark.exe", "/opt/games/quillmark.ini", "/opt/games/Notes/"},
      {"/home/ann/bin/my.organiser.bin", "/home/ann/bin/my.organiser.ini", "/home/ann/bin/Notes/"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.ProgramFile);
    const TFileLocations locations = PortableFileLocations(QString::fromUtf8(c.ProgramFile));
    EXPECT_EQ(locations.IniFile.toStdString(), c.IniFile);
    EXPECT_EQ(locations.NotesPath.toStdString(), c.NotesPath);
    EXPECT_TRUE(locations.Portable);
  }
}

TEST(FileLocations, AProgramInAWritableFolderIsPortable) {
  QTemporaryDir folder;
  const QString program = folder.filePath(QStringLiteral("quillmark"));
  ExpectSame(ChooseFileLocations(program), PortableFileLocations(program));
  EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
      << "the writability probe left a file behind";
}

TEST(FileLocations, AProgramInAReadOnlyFolderUsesTheDesktopFolders) {
  QStandardPaths::setTestModeEnabled(true);
  QStringList asked;
  const TFileLocations locations = ChooseFileLocations(QStringLiteral("/usr/bin/quillmark"), [&](const QString& AFolder) {
    asked << AFolder;
    return false;
  });
  EXPECT_EQ(asked, QStringList{QStringLiteral("/usr/bin")});
  ExpectSame(locations, DesktopLocations());
  EXPECT_TRUE(locations.IniFile.endsWith(QStringLiteral("/quillmark.ini")));
  EXPECT_TRUE(locations.NotesPath.endsWith(QStringLiteral("/Notes/")));
  EXPECT_FALSE(locations.IniFile.startsWith(QStringLiteral("/usr/bin")));
  EXPECT_FALSE(locations.NotesPath.startsWith(QStringLiteral("/usr/bin")));
  QStandardPaths::setTestModeEnabled(false);
}

// Without an injected probe: a folder that even root cannot write to.
TEST(FileLocations, AProgramInAFolderThatRefusesFilesUsesTheDesktopFolders) {
  QStandardPaths::setTestModeEnabled(true);
  ExpectSame(ChooseFileLocations(QStringLiteral("/proc/quillmark")), DesktopLocations());
  QStandardPaths::setTestModeEnabled(false);
}

TEST(FileLocations, TheProbeCreatesFilesOnlyWhereThatWorks) {
  QTemporaryDir scratch;
  const QString writable = scratch.filePath(QStringLiteral("writable"));
  const QString fileInTheWay = scratch.filePath(QStringLiteral("file-in-the-way"));
  QDir().mkpath(writable);
  QFile file(fileInTheWay);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  struct TCase {
    QString Folder;
    bool Writable;
  };
  const TCase cases[] = {
      {writable, true},
      {fileInTheWay, false},                                // a file standing where the folder should be
      {scratch.filePath(QStringLiteral("missing")), false},  // no folder at all
      {QStringLiteral("/proc"), false},                      // refuses new files, also to root
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Folder.toStdString());
    EXPECT_EQ(CanCreateFilesIn(c.Folder), c.Writable);
  }
  EXPECT_FALSE(QFileInfo::exists(scratch.filePath(QStringLiteral("missing"))));
  EXPECT_TRUE(QDir(writable).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(FileLocations, TheProbeHonoursPermissionBits) {
  if (geteuid() == 0) GTEST_SKIP() << "root passes permission bits; the other probe cases cover it";
  QTemporaryDir scratch;
  const QString readOnly = scratch.filePath(QStringLiteral("read-only"));
  QDir().mkpath(readOnly);
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_FALSE(CanCreateFilesIn(readOnly));
  QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
