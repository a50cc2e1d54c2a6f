#pragma once

#include <QFlags>
#include <QSize>
#include <QString>

class QFont;
class QWidget;

// Modal message boxes and small input boxes.
//
// How a caller uses it (main thread; from another thread the call is handed
// to the main thread and waits there):
//
//   Dialog::Error(UnableToProcessMessage("INI", path, e.Message()), true, nullptr);
//   Dialog::Warning(QStringLiteral("Please select..."), false, mainWindow);
//   if (Dialog::Confirm(QStringLiteral("Delete it?"), true, false, false, this)) ...
//   bool cancelled = false;
//   const QString name = Dialog::GetText(QStringLiteral("Link"), QStringLiteral("Name:"), cancelled, old, this);
//   if (!cancelled) ...
//
// Every box is run through DialogSeam::Exec, so a test installs a
// ScopedDialogHandler to read what is shown and to answer it. The box is
// fully laid out and placed before the handler sees it. Beeps go through
// DialogSeam::Beep. Widgets of the input boxes carry the object names
// "lbPrompt", "edValue" (text box), "seValue" (number box), "btnOk" and
// "btnCancel".

enum class TDialogKind { Warning, Error, Information, Confirmation, Custom };

// In the order in which the buttons are laid out.
enum class TDialogButton : unsigned {
  Yes = 0x001,
  No = 0x002,
  OK = 0x004,
  Cancel = 0x008,
  Abort = 0x010,
  Retry = 0x020,
  Ignore = 0x040,
  All = 0x080,
  NoToAll = 0x100,
  YesToAll = 0x200,
  Help = 0x400,
  Close = 0x800,
};
Q_DECLARE_FLAGS(TDialogButtons, TDialogButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDialogButtons)

// The button that closed a message box, or None.
enum class TDialogResult { None, OK, Cancel, Abort, Retry, Ignore, Yes, No, All, NoToAll, YesToAll, Close };

// The system sound played before a box when its caller asks for a beep.
enum class TBeepKind { Error, Warning, Information, Question };

class Dialog {
public:
  Dialog() = delete;

  // OK button, focused. The beep is the kind's system sound.
  static void Error(const QString& AMessageStr, bool ADoBeep = true, QWidget* ACenterInForm = nullptr);
  static void Warning(const QString& AMessageStr, bool ADoBeep = true, QWidget* ACenterInForm = nullptr);
  static void Information(const QString& AMessageStr, bool ADoBeep = true, QWidget* ACenterInForm = nullptr);

  // Yes and No; true when Yes was chosen. AWarningType shows the warning kind
  // instead of the confirmation kind.
  static bool Confirm(const QString& AMessageStr, bool ADoBeep, bool ADefaultToYes, bool AWarningType,
                      QWidget* ACenterInForm = nullptr);

  // Any kind and button set. A non-empty ACaption replaces the kind's title.
  // Cancel, Ignore and Close as ADefaultButton leave the focus where the box
  // puts it. There is no help system: AHelpContext is kept as the box's
  // "helpContext" property and the Help button closes the box with None.
  static TDialogResult Custom(const QString& AMessageStr, TDialogKind ADlgType, TDialogButtons AButtons,
                              TDialogButton ADefaultButton, const QString& ACaption, bool ADoBeep,
                              TBeepKind ABeepKind, QWidget* ACenterInForm = nullptr, int AHelpContext = 0);

  // The edited text, or AText when cancelled. AWidth 0 gives the standard
  // width and at most 255 characters; another AWidth is the client width and
  // gives a fixed-pitch edit field AWidth - 40 wide.
  static QString GetText(const QString& ACaption, const QString& APrompt, bool& ACancelled, const QString& AText,
                         QWidget* ACenterInForm = nullptr, int AWidth = 0);
  // The typed text, shown as "X"s; empty when cancelled.
  static QString GetPassword(const QString& ACaption, const QString& APrompt, bool& ACancelled,
                             QWidget* ACenterInForm = nullptr);
  // A number in AMinValue..AMaxValue, or AValue when cancelled.
  static int GetInteger(const QString& ACaption, const QString& APrompt, bool& ACancelled, int AValue,
                        int AMinValue, int AMaxValue, QWidget* ACenterInForm = nullptr);

  static QString Version();

  // The unit of the input boxes' layout: the average width of the letters
  // A-Z and a-z and the line height, in the given font.
  static QSize AverageCharSize(const QFont& AFont);
};
