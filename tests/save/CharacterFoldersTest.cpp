// Which entries of a save directory's main folder are character folders.
#include "SaveTestSupport.h"

#include "GdcWriter.h"
#include "UCharacterRows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(CharacterFolders, OnlyUnderscoreFoldersHoldingAPlayerFileCount) {
  QTemporaryDir save;
  const QDir root(save.path());
  const QByteArray bytes = WriteGdc(TGdcSave());
  auto touch = [&](const QString& relative) {
    ASSERT_TRUE(root.mkpath(QFileInfo(root.filePath(relative)).path()));
    QFile file(root.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  touch(QStringLiteral("main/_Beta/player.gdc"));
  touch(QStringLiteral("main/_Alpha/player.gdc"));
  touch(QStringLiteral("main/Gamma/player.gdc"));       // no "_"
  touch(QStringLiteral("main/_Delta/other.gdc"));       // no player.gdc
  touch(QStringLiteral("main/_file"));                  // a file, not a folder
  touch(QStringLiteral("main/.hidden_/player.gdc"));    // hidden
  ASSERT_TRUE(root.mkpath(QStringLiteral("main/_Epsilon/player.gdc")));  // a folder named player.gdc

  const QString main = MainFolder(save.path());
  EXPECT_EQ(QDir::cleanPath(main), QDir::cleanPath(root.filePath(QStringLiteral("main"))));
  const QStringList files = FindCharacterFiles(main);
  EXPECT_EQ(files, (QStringList{QDir(main).filePath(QStringLiteral("_Alpha/player.gdc")),
                                QDir(main).filePath(QStringLiteral("_Beta/player.gdc"))}));
}

TEST(CharacterFolders, AMissingMainFolderHasNoCharacters) {
  QTemporaryDir save;
  EXPECT_TRUE(FindCharacterFiles(MainFolder(save.path())).isEmpty());
}
