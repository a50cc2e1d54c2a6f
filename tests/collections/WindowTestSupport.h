#pragma once

#include "DialogSeam.h"
#include "ErrorRecorders.h"
#include "QStringPrinting.h"
#include "TextFile.h"

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// Runs a window the way the main window does (modally through the dialog
// seam); the script works on the shown window, then the window is closed by
// its close box unless the script closed it. Returns the dialog's result.
inline int RunWindow(QDialog& AWindow, const std::function<void()>& AScript) {
  ScopedDialogHandler handler([&](QDialog& dialog) {
    dialog.show();
    AScript();
    if (dialog.isVisible()) dialog.close();
    return dialog.result();
  });
  return DialogSeam::Exec(AWindow);
}

// The file's bytes as text, for exact comparisons (the files are 8-bit).
inline QByteArray FileBytes(const QString& AFileName) { return ReadFileBytes(AFileName); }
