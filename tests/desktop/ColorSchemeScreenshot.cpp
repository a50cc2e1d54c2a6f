// Shows the main window on the bundled demo save folder as a desktop with the
// given colour scheme would, a character selected, and saves a picture of it:
//   xvfb-run -a ./colorscheme_screenshot light|dark /tmp/shots/FILE.png [CHARACTER]
#include "IniFile.h"
#include "QZ_DelimitedListBox.h"
#include "TextFile.h"
#include "UDesktopColorScheme.h"
#include "UFileLocations.h"
#include "UMain.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString scheme = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (argc < 3 || (scheme != QStringLiteral("light") && scheme != QStringLiteral("dark"))) {
    std::fputs("usage: colorscheme_screenshot light|dark <file.png> [character]\n", stderr);
    return 2;
  }
  ApplyColorScheme(scheme == QStringLiteral("dark") ? TColorScheme::Dark : TColorScheme::Light);

  const QString character = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Greta");
  QTemporaryDir home;
  const TFileLocations locations = DesktopFileLocations(home.filePath(QStringLiteral("config")),
                                                        home.filePath(QStringLiteral("data")));
  QDir().mkpath(home.filePath(QStringLiteral("config")));
  TIniFile settings(locations.IniFile);
  settings.WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"),
                       QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save/"));
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Width"), 1410);
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Height"), 800);
  QDir().mkpath(locations.NotesPath);
  WriteTextFileLines(locations.NotesPath + character + QStringLiteral(".txt"),
                     {QStringLiteral("Collects rings and medals for the Oathkeeper build."),
                      QStringLiteral("Next: finish Ultimate, farm the Slith ring.")});

  TFMain window(locations);
  window.show();
  if (!QTest::qWaitFor([&] { return window.FormShown(); }, 10000)) return 1;
  TDelimitedListBox& list = *window.CharacterList();
  list.Sort(0);
  const int row = list.IndexOfField(character, 0);
  if (row < 0) {
    std::fprintf(stderr, "no character %s\n", qPrintable(character));
    return 1;
  }
  QWidget* rows = list.Grid()->viewport();
  QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier,
                    QPoint(20, (row - list.TopRow()) * list.RowHeight() + list.RowHeight() / 2));
  QTest::qWait(200);
  const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]));
  window.close();
  return saved ? 0 : 1;
}
