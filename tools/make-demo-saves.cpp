// Regenerates the bundled demo save folder: make-demo-saves SAVE_DIR writes
// SAVE_DIR/main/_<Name>/player.gdc for every demo character.
#include "DemoSaves.h"
#include "Errors.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 2) {
    err << "usage: make-demo-saves SAVE_DIR\n";
    return 2;
  }
  try {
    WriteDemoSaveFolder(args[1]);
  } catch (const EError& error) {
    err << "make-demo-saves: " << error.Message() << '\n';
    return 1;
  }
  return 0;
}
