#include "UCharacterRows.h"

#include "FileNames.h"
#include "UCharacter.h"

#include <QDir>
#include <QFileInfo>

TCharacterRow MakeCharacterRow(const TCharacter& ACharacter) {
  const TCharacterHeader& header = ACharacter.Header();
  TCharacterRow row;
  row.Name = header.Name;
  row.Title = header.DualName;
  row.Level = header.Level;
  row.Sex = header.Sex;
  row.Class1 = header.Class1;
  row.Class2 = header.Class2;
  row.Iron = ACharacter.Information().Money;
  row.Devotions = ACharacter.Stats().TotalDevotion;
  row.Difficulty = DifficultyName(ACharacter.Information().GreatestDifficulty);
  row.Hardcore = QString(header.Hardcore);
  return row;
}

QStringList CharacterRowFields(const TCharacterRow& ARow) {
  return {ARow.Name,   ARow.Title,  QString::number(ARow.Level), ARow.Sex,
          ARow.Class1, ARow.Class2, QString::number(ARow.Iron),  QString::number(ARow.Devotions),
          ARow.Difficulty, ARow.Hardcore};
}

QString MainFolder(const QString& ASaveDir) {
  return IncludeTrailingPathDelimiter(ASaveDir) + QStringLiteral("main");
}

QStringList FindCharacterFiles(const QString& AMainPath) {
  const QDir main(AMainPath);
  const QStringList folders =
      main.entryList({QStringLiteral("_*")}, QDir::Dirs | QDir::NoDotAndDotDot,
                     QDir::Name);
  QStringList files;
  for (const QString& folder : folders) {
    const QString file = main.filePath(folder + QStringLiteral("/player.gdc"));
    if (QFileInfo(file).isFile()) files.append(file);
  }
  return files;
}
