#pragma once

#include "FatalError.h"

#include <functional>

// The window program's way of reporting a fatal error (a file it cannot
// process): the message box on the thread that owns the windows, then the
// end of the program.
//
// main() calls InstallWindowFatalErrorHandler() once, after creating the
// QApplication; code anywhere then calls ReportFatalError(message) and, when
// it returns, raises its error.

// Ends the window program once the current event has been handled: the main
// event loop returns exitCode, also when asked before the loop has started.
// No close event reaches the windows.
void RequestApplicationExit(int exitCode);

using ApplicationExit = std::function<void(int exitCode)>;

// Installs, through SetFatalErrorHandler, a handler that shows the first
// report with Dialog::Error (error beep, centred on the screen) on the
// application's thread and then calls AExit(1) there. A report from another
// thread is handed to the application's thread and returns when the user has
// closed the box; that thread must not be waited for by the application's
// thread meanwhile. Later reports are not shown and return at once.
// Returns the previous handler.
FatalErrorHandler InstallWindowFatalErrorHandler(ApplicationExit AExit = RequestApplicationExit);
