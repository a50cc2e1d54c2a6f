#include "QZ_FatalErrorReporter.h"

#include "QZ_Dialog.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

struct TFatalErrorState {
  explicit TFatalErrorState(ApplicationExit exit) : Exit(std::move(exit)) {}
  std::atomic<bool> Reported{false};
  ApplicationExit Exit;
};

void ShowAndEnd(const QString& message, const ApplicationExit& exit) {
  Dialog::Error(message, true, nullptr);
  if (exit) exit(1);
}

void Report(TFatalErrorState& state, const QString& message) {
  if (state.Reported.exchange(true)) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) {
    // The application is already gone: nothing can be shown any more.
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    if (state.Exit) state.Exit(1);
    return;
  }
  if (QThread::currentThread() == app->thread()) {
    ShowAndEnd(message, state.Exit);
    return;
  }
  QMetaObject::invokeMethod(
      app, [&state, &message] { ShowAndEnd(message, state.Exit); }, Qt::BlockingQueuedConnection);
}

}  // namespace

void RequestApplicationExit(int exitCode) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  // Leaves a running main loop once the current event has been handled.
  QCoreApplication::exit(exitCode);
  // Before the main loop has started there is nothing to leave yet; this
  // request ends the loop as soon as it runs.
  QMetaObject::invokeMethod(app, [exitCode] { QCoreApplication::exit(exitCode); }, Qt::QueuedConnection);
}

FatalErrorHandler InstallWindowFatalErrorHandler(ApplicationExit AExit) {
  auto state = std::make_shared<TFatalErrorState>(std::move(AExit));
  return SetFatalErrorHandler([state](const QString& message) { Report(*state, message); });
}
