#pragma once

#include <QString>
#include <functional>

// "Show the error, then end the program" as one replaceable step.
//
// The default handler writes the message to standard error and ends the
// process with exit status 1. The window program installs a handler that
// shows the message on the thread that owns the windows and then ends the
// program; tests install one that records the message and returns. When the
// handler returns, the caller carries on by raising its error.
using FatalErrorHandler = std::function<void(const QString& message)>;

// Installs a handler; an empty one restores the default. Returns the old one.
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);
// Runs the handler; may be called from any thread.
void ReportFatalError(const QString& message);

// The report text for a file a window or worker cannot process:
// "Unable to process <kind> file", CR LF, the path, CR LF CR LF, the reason.
QString UnableToProcessMessage(const QString& kind, const QString& fileName, const QString& reason);
