#include "FatalError.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

std::mutex& HandlerLock() {
  static std::mutex lock;
  return lock;
}

FatalErrorHandler& CurrentHandler() {
  static FatalErrorHandler handler;
  return handler;
}

void DefaultHandler(const QString& message) {
  std::fputs(message.toLocal8Bit().constData(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) {
  std::lock_guard<std::mutex> guard(HandlerLock());
  FatalErrorHandler old = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return old;
}

void ReportFatalError(const QString& message) {
  FatalErrorHandler handler;
  {
    std::lock_guard<std::mutex> guard(HandlerLock());
    handler = CurrentHandler();
  }
  if (handler) {
    handler(message);
  } else {
    DefaultHandler(message);
  }
}

QString UnableToProcessMessage(const QString& kind, const QString& fileName, const QString& reason) {
  return QStringLiteral("Unable to process %1 file\r\n%2\r\n\r\n%3").arg(kind, fileName, reason);
}
