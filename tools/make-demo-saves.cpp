// Regenerates the writer-made save files kept in the repository:
//   make-demo-saves SAVE_DIR               the demo characters, as
//                                          SAVE_DIR/main/_<Name>/player.gdc
//   make-demo-saves --fuzz-corpus FOLDER   small seeds for fuzz_character
#include "DemoSaves.h"
#include "Errors.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = QCoreApplication::arguments().mid(1);
  const bool corpus = args.size() == 2 && args[0] == QLatin1String("--fuzz-corpus");
  if (args.size() != 1 && !corpus) {
    err << "usage: make-demo-saves SAVE_DIR\n"
           "       make-demo-saves --fuzz-corpus FOLDER\n";
    return 2;
  }
  try {
    if (corpus) {
      WriteFuzzSeeds(args[1]);
    } else {
      WriteDemoSaveFolder(args[0]);
    }
  } catch (const EError& error) {
    err << "make-demo-saves: " << error.Message() << '\n';
    return 1;
  }
  return 0;
}
