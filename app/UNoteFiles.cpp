#include "UNoteFiles.h"

#include "FileNames.h"
#include "TextFile.h"

QString NoteFileName(const QString& ANotesPath, const QString& ACharacterName) {
  return ANotesPath + NameToFileName(ACharacterName) + QStringLiteral(".txt");
}

QStringList NoteLines(const QString& AMemoText) {
  if (AMemoText.isEmpty()) return {};
  return AMemoText.split(QLatin1Char('\n'));
}

QString ReadNoteText(const QString& AFileName) { return ReadTextFileLines(AFileName).join(QLatin1Char('\n')); }

void WriteNoteText(const QString& AFileName, const QString& AMemoText) {
  WriteTextFileLines(AFileName, NoteLines(AMemoText));
}
