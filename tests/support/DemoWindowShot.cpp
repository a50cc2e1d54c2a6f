#include "DemoWindowShot.h"

#include "IniFile.h"
#include "QZ_DelimitedListBox.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <cstdio>

namespace {

// Sorts the list by name and clicks the character's row; false when there is none.
bool SelectCharacter(TFMain& AWindow, const QString& ACharacter) {
  TDelimitedListBox& list = *AWindow.CharacterList();
  list.Sort(0);
  const int row = list.IndexOfField(ACharacter, 0);
  if (row < 0) {
    std::fprintf(stderr, "no character %s\n", qPrintable(ACharacter));
    return false;
  }
  QTest::mouseClick(list.Grid()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(20, (row - list.TopRow()) * list.RowHeight() + list.RowHeight() / 2));
  return true;
}

// Gives the window a moment to paint, then saves its picture.
bool SaveWindowPicture(QWidget& AWindow, const QString& AFileName) {
  QTest::qWait(200);
  return AWindow.grab().save(AFileName);
}

}  // namespace

void WriteDemoWindowSettings(const TFileLocations& ALocations) {
  QDir().mkpath(QFileInfo(ALocations.IniFile).path());
  TIniFile settings(ALocations.IniFile);
  settings.WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"),
                       QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save/"));
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Width"), 1410);
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Height"), 800);
}

void WriteNote(const TFileLocations& ALocations, const QString& AFileName, const QStringList& ALines) {
  QDir().mkpath(ALocations.NotesPath);
  WriteTextFileLines(ALocations.NotesPath + AFileName, ALines);
}

QStringList SampleCharacterNote() {
  return {QStringLiteral("Collects rings and medals for the Oathkeeper build."),
          QStringLiteral("Next: finish Ultimate, farm the Slith ring.")};
}

bool ShowAndWaitForStartUp(TFMain& AWindow) {
  AWindow.show();
  return QTest::qWaitFor([&] { return AWindow.FormShown(); }, 10000);
}

bool SavePictureWithCharacterSelected(TFMain& AWindow, const QString& ACharacter, const QString& AFileName) {
  if (!ShowAndWaitForStartUp(AWindow) || !SelectCharacter(AWindow, ACharacter)) return false;
  const bool saved = SaveWindowPicture(AWindow, AFileName);
  AWindow.close();
  return saved;
}
