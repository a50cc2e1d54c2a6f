#include "GeneralError.h"

#include "Errors.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex& HandlerLock() {
  static std::mutex lock;
  return lock;
}

GeneralErrorHandler& CurrentHandler() {
  static GeneralErrorHandler handler;
  return handler;
}

}  // namespace

GeneralErrorHandler SetGeneralErrorHandler(GeneralErrorHandler handler) {
  std::lock_guard<std::mutex> guard(HandlerLock());
  GeneralErrorHandler old = std::move(CurrentHandler());
  CurrentHandler() = std::move(handler);
  return old;
}

void ShowGeneralError(const QString& message) {
  GeneralErrorHandler handler;
  {
    std::lock_guard<std::mutex> guard(HandlerLock());
    handler = CurrentHandler();
  }
  if (handler) {
    handler(message);
    return;
  }
  std::fputs(message.toLocal8Bit().constData(), stderr);
  std::fputc('\n', stderr);
}

void ShowGeneralError(const std::exception& error) {
  if (const auto* own = dynamic_cast<const EError*>(&error)) {
    ShowGeneralError(own->Message());
  } else {
    ShowGeneralError(QString::fromLocal8Bit(error.what()));
  }
}
