#pragma once

// Recorders that take the place of the program's error reports for one test.

#include "FatalError.h"
#include "GeneralError.h"

#include <QString>
#include <QStringList>

#include <mutex>

// Replaces the fatal-error step: records each report, from any thread, and
// returns, so the caller raises its error instead of the process ending.
class TFatalReports {
public:
  TFatalReports()
      : FPrevious(SetFatalErrorHandler([this](const QString& AMessage) {
          std::lock_guard<std::mutex> guard(FLock);
          FMessages.append(AMessage);
        })) {}
  ~TFatalReports() { SetFatalErrorHandler(std::move(FPrevious)); }
  TFatalReports(const TFatalReports&) = delete;
  TFatalReports& operator=(const TFatalReports&) = delete;

  QStringList Messages() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FMessages;
  }

private:
  FatalErrorHandler FPrevious;
  mutable std::mutex FLock;
  QStringList FMessages;
};

// Records what reaches the program's general error report.
class TGeneralErrors {
public:
  TGeneralErrors() : FPrevious(SetGeneralErrorHandler([this](const QString& AMessage) { Messages << AMessage; })) {}
  ~TGeneralErrors() { SetGeneralErrorHandler(std::move(FPrevious)); }
  TGeneralErrors(const TGeneralErrors&) = delete;
  TGeneralErrors& operator=(const TGeneralErrors&) = delete;

  QStringList Messages;

private:
  GeneralErrorHandler FPrevious;
};
