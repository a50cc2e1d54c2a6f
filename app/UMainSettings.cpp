#include "UMainSettings.h"

#include "FileNames.h"

namespace {

const QString kPaths = QStringLiteral("PATHS");
const QString kSavePath = QStringLiteral("GD Save Path");
const QString kInstallPath = QStringLiteral("GD Install Path");
const QString kForm = QStringLiteral("FORM");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");
const QString kNotes = QStringLiteral("NOTES");
const QString kNotesHeight = QStringLiteral("Notes Height");
const QString kNotesWidth = QStringLiteral("Notes Width");

}  // namespace

QString TMainSettings::NoSavePath() { return QStringLiteral("c:") + PathDelimiter(); }

QString TMainSettings::SavePath() const {
  return IncludeTrailingPathDelimiter(FIni.ReadString(kPaths, kSavePath, QStringLiteral("c:")));
}

void TMainSettings::WriteSavePath(const QString& APath) { FIni.WriteString(kPaths, kSavePath, APath); }

QString TMainSettings::GameFolder() const { return FIni.ReadString(kPaths, kInstallPath, QString()); }

void TMainSettings::WriteGameFolder(const QString& AFolder) { FIni.WriteString(kPaths, kInstallPath, AFolder); }

QSize TMainSettings::FormSize(const QSize& ADefault) const {
  return {FIni.ReadInteger(kForm, kWidth, ADefault.width()), FIni.ReadInteger(kForm, kHeight, ADefault.height())};
}

void TMainSettings::WriteFormSize(const QSize& ASize) {
  FIni.WriteInteger(kForm, kWidth, ASize.width());
  FIni.WriteInteger(kForm, kHeight, ASize.height());
}

QSize TMainSettings::NotesEditorSize() const {
  const int height = FIni.ReadInteger(kNotes, kNotesHeight, DefaultNotesHeight);
  const int width = FIni.ReadInteger(kNotes, kNotesWidth, DefaultNotesWidth);
  return {width, height};
}

void TMainSettings::WriteNotesEditorSize(const QSize& ASize) {
  FIni.WriteInteger(kNotes, kNotesHeight, ASize.height());
  FIni.WriteInteger(kNotes, kNotesWidth, ASize.width());
}
