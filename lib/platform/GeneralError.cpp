#include "GeneralError.h"

#include "Errors.h"
#include "ReplaceableHandler.h"

#include <cstdio>

namespace {

TReplaceableHandler<GeneralErrorHandler>& Handler() {
  static TReplaceableHandler<GeneralErrorHandler> handler;
  return handler;
}

}  // namespace

GeneralErrorHandler SetGeneralErrorHandler(GeneralErrorHandler handler) {
  return Handler().Replace(std::move(handler));
}

void ShowGeneralError(const QString& message) {
  const GeneralErrorHandler handler = Handler().Current();
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
