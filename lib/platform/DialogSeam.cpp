#include "DialogSeam.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QUrl>
#include <atomic>

namespace {

DialogSeam::Handler& CurrentHandler() {
  static DialogSeam::Handler handler;
  return handler;
}

DesktopSeam::Opener& CurrentOpener() {
  static DesktopSeam::Opener opener;
  return opener;
}

std::atomic<int> gBeepCount{0};

}  // namespace

int DialogSeam::Exec(QDialog& dialog) {
  if (const Handler& handler = CurrentHandler()) return handler(dialog);
  return dialog.exec();
}

DialogSeam::Handler DialogSeam::SetHandler(Handler handler) {
  Handler old = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return old;
}

void DialogSeam::Beep() {
  ++gBeepCount;
  QApplication::beep();
}

int DialogSeam::BeepCount() { return gBeepCount; }

ScopedDialogHandler::ScopedDialogHandler(DialogSeam::Handler handler)
    : FPrevious(DialogSeam::SetHandler(std::move(handler))) {}

ScopedDialogHandler::~ScopedDialogHandler() { DialogSeam::SetHandler(std::move(FPrevious)); }

void DesktopSeam::Open(const QString& target) {
  if (const Opener& opener = CurrentOpener()) {
    opener(target);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

DesktopSeam::Opener DesktopSeam::SetOpener(Opener opener) {
  Opener old = std::move(CurrentOpener());
  CurrentOpener() = std::move(opener);
  return old;
}
