#include "FatalError.h"

#include "ReplaceableHandler.h"

#include <cstdio>
#include <cstdlib>

namespace {

TReplaceableHandler<FatalErrorHandler>& Handler() {
  static TReplaceableHandler<FatalErrorHandler> handler;
  return handler;
}

void DefaultHandler(const QString& message) {
  std::fputs(message.toLocal8Bit().constData(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) { return Handler().Replace(std::move(handler)); }

void ReportFatalError(const QString& message) {
  const FatalErrorHandler handler = Handler().Current();
  if (handler) {
    handler(message);
  } else {
    DefaultHandler(message);
  }
}

QString UnableToProcessMessage(const QString& kind, const QString& fileName, const QString& reason) {
  return QStringLiteral("Unable to process %1 file\r\n%2\r\n\r\n%3").arg(kind, fileName, reason);
}
