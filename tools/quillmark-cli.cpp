// quillmark-cli: lists a save folder's characters or inspects save files,
// without a window.
#include "CliCommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunQuillmarkCli(QCoreApplication::arguments().mid(1), out, err);
}
