#pragma once

#include <QDialog>
#include <QFont>
#include <QStyle>

class EError;
class QObject;
class QPushButton;
class QShowEvent;

// Base of the program's one-use dialog windows.
//
// Built like a dialog "created dialoged": the window stays above AParent
// (its Qt parent, so it is transient for it and shares its screen) and is
// freed with AOwner when an owner other than the parent is given. It is a
// fixed-size window with only a close box, centred on the screen whenever it
// is shown. FormShow runs once each time the window is shown by the program.
class TDialogedForm : public QDialog {
  Q_OBJECT

public:
  TDialogedForm(QObject* AOwner, QWidget* AParent);

protected:
  // Fixes the client area to this size.
  void SetFixedClientSize(int AWidth, int AHeight);
  // Sets the outer window width (frame included, as far as the window
  // system reports one) and centres the window on the screen again.
  void SetWindowWidth(int AWidth);

  virtual void FormShow() {}

  // A 75 x 25 button with a standard icon, 8 pixels down in a button panel.
  static QPushButton* MakePanelButton(QWidget* APanel, const QString& AName, const QString& ACaption,
                                      QStyle::StandardPixmap AGlyph, int ALeft);
  // The bold list font of the collection windows.
  static QFont BoldListFont();
  // Tells the user that the file could not be written, and why.
  static void ReportWriteFailure(const QString& AFileName, const EError& AError);

  void showEvent(QShowEvent* event) override;
};
