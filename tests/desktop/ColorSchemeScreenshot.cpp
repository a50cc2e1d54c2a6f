// Shows the main window on the bundled demo save folder as a desktop with the
// given colour scheme would, a character selected, and saves a picture of it:
//   xvfb-run -a ./colorscheme_screenshot light|dark /tmp/shots/FILE.png [CHARACTER]
#include "DemoWindowShot.h"
#include "TemporaryHome.h"
#include "UDesktopColorScheme.h"
#include "UFileLocations.h"
#include "UMain.h"

#include <QApplication>
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
  const TTemporaryHome home;
  const TFileLocations locations =
      DesktopFileLocations(home.FilePath(QStringLiteral("config")), home.FilePath(QStringLiteral("data")));
  WriteDemoWindowSettings(locations);
  WriteNote(locations, character + QStringLiteral(".txt"), SampleCharacterNote());

  TFMain window(locations);
  home.UseAsHomeOf(window);
  return SavePictureWithCharacterSelected(window, character, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
