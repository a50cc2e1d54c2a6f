#pragma once

#include <QString>
#include <functional>

class QDialog;

// Every modal dialog of the program is run through this seam. By default it
// runs the dialog's own event loop; tests install a handler that inspects the
// dialog (title, text, focused widget, position), answers it (sets fields,
// clicks a button) and returns the result, so no test ever blocks.
class DialogSeam {
public:
  using Handler = std::function<int(QDialog& dialog)>;

  DialogSeam() = delete;

  // Shows the dialog modally and returns its result code.
  static int Exec(QDialog& dialog);
  // Installs a handler; an empty one restores the real dialogs. Returns the old one.
  static Handler SetHandler(Handler handler);
  // Sounds the system's alert; tests may count it.
  static void Beep();
  static int BeepCount();
};

// Installs a dialog handler for the lifetime of the object.
class ScopedDialogHandler {
public:
  explicit ScopedDialogHandler(DialogSeam::Handler handler);
  ~ScopedDialogHandler();
  ScopedDialogHandler(const ScopedDialogHandler&) = delete;
  ScopedDialogHandler& operator=(const ScopedDialogHandler&) = delete;

private:
  DialogSeam::Handler FPrevious;
};

// Opens a link target with the desktop's default handler; replaceable so that
// tests never start a real browser. The result is not examined.
class DesktopSeam {
public:
  using Opener = std::function<void(const QString& target)>;
  DesktopSeam() = delete;
  static void Open(const QString& target);
  static Opener SetOpener(Opener opener);
};
