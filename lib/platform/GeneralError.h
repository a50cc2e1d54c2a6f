#pragma once

#include <QString>
#include <exception>
#include <functional>

// The program's general error report: an error that reaches the event loop
// is shown with its message text, and the event that raised it is abandoned.
// The window program installs a handler that shows a message box; the
// default writes to standard error. Tests install one that records.
using GeneralErrorHandler = std::function<void(const QString& message)>;

GeneralErrorHandler SetGeneralErrorHandler(GeneralErrorHandler handler);
void ShowGeneralError(const QString& message);
// Reports the error in flight (call from a catch block).
void ShowGeneralError(const std::exception& error);
