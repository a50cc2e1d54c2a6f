#include "GeneralError.h"
#include "QZ_Dialog.h"
#include "QZ_FatalErrorReporter.h"
#include "UDesktopColorScheme.h"
#include "UFileLocations.h"
#include "UMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The name picks the desktop's per-user folders of an installed copy; the
  // desktop file name ties the window to its desktop entry and icon.
  QCoreApplication::setApplicationName(QStringLiteral("quillmark"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmark.Quillmark"));
  ApplyColorScheme(DesktopColorScheme());
  InstallWindowFatalErrorHandler();
  // Errors that escape a command are shown with their text; the command is abandoned.
  SetGeneralErrorHandler([](const QString& message) {
    Dialog::Custom(message, TDialogKind::Error, TDialogButton::OK, TDialogButton::OK,
                   QCoreApplication::applicationName(), true, TBeepKind::Error, nullptr);
  });
  TFMain window(ChooseFileLocations(QCoreApplication::applicationFilePath()));
  window.show();
  return app.exec();
}
