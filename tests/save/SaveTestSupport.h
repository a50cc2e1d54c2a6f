#pragma once

// Helpers shared by the save-file tests.

#include "FatalError.h"

#include <QString>
#include <QStringList>

#include <mutex>

// Replaces the fatal-error step for one test: records each report and returns,
// so the caller raises its error instead of the process ending.
class TFatalReports {
public:
  TFatalReports()
      : FOld(SetFatalErrorHandler([this](const QString& message) {
          std::lock_guard<std::mutex> guard(FLock);
          FMessages.append(message);
        })) {}
  ~TFatalReports() { SetFatalErrorHandler(std::move(FOld)); }
  TFatalReports(const TFatalReports&) = delete;
  TFatalReports& operator=(const TFatalReports&) = delete;

  QStringList Messages() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FMessages;
  }

private:
  FatalErrorHandler FOld;
  mutable std::mutex FLock;
  QStringList FMessages;
};

#include <ostream>

// Lets GoogleTest print texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
