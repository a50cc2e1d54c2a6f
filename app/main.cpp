#include "GeneralError.h"
#include "QZ_Dialog.h"
#include "QZ_FatalErrorReporter.h"
#include "UMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  InstallWindowFatalErrorHandler();
  // Errors that escape a command are shown with their text; the command is abandoned.
  SetGeneralErrorHandler([](const QString& message) {
    Dialog::Custom(message, TDialogKind::Error, TDialogButton::OK, TDialogButton::OK,
                   QCoreApplication::applicationName(), true, TBeepKind::Error, nullptr);
  });
  TFMain window(QCoreApplication::applicationFilePath());
  window.show();
  return app.exec();
}
