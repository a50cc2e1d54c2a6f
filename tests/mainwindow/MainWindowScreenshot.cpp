// Shows the main window on the bundled demo save folder with a character
// selected, its note and equipment in the panel, and saves a picture of it
// for looking at by eye:
//   xvfb-run -a ./mainwindow_screenshot /tmp/shots/mainwindow.png [CHARACTER]
#include "DemoWindowShot.h"
#include "TemporaryHome.h"
#include "UFileLocations.h"
#include "UMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: mainwindow_screenshot <file.png> [character]\n", stderr);
    return 2;
  }
  const QString character = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Greta");
  const QTemporaryDir program;
  const TFileLocations locations = PortableFileLocations(program.filePath(QStringLiteral("quillmark")));
  WriteDemoWindowSettings(locations);
  WriteNote(locations, character + QStringLiteral(".txt"), SampleCharacterNote());

  const TTemporaryHome home;
  TFMain window(locations);
  home.UseAsHomeOf(window);
  return SavePictureWithCharacterSelected(window, character, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
