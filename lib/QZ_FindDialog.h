#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A modeless find dialog: the text to find, the direction (up or down) and
// optional match-case and whole-word choices, each of which can be hidden.
// "Find Next" (enabled while there is a text) raises FindNext; the owner
// searches and leaves the dialog open. "Cancel" or Escape hides it.
class TFindDialog : public QDialog {
  Q_OBJECT

public:
  explicit TFindDialog(QWidget* AParent = nullptr);

  QString FindText() const;
  void SetFindText(const QString& AText);
  bool Down() const;  // search direction; down when created
  void SetDown(bool ADown);
  bool MatchCase() const;
  void SetMatchCase(bool AMatchCase);
  bool WholeWord() const;
  void SetWholeWord(bool AWholeWord);

  bool MatchCaseHidden() const { return FMatchCaseHidden; }
  void SetMatchCaseHidden(bool AHidden);
  bool WholeWordHidden() const { return FWholeWordHidden; }
  void SetWholeWordHidden(bool AHidden);

  // Shows the dialog without blocking (or brings it to the front) with the
  // find text selected for typing over.
  void Execute();
  void CloseDialog();

  QPushButton* FindNextButton() const { return FFindNextButton; }

signals:
  void FindNext();

private:
  void UpdateFindNextButton();

  QLineEdit* FFindTextEdit;
  QCheckBox* FWholeWordBox;
  QCheckBox* FMatchCaseBox;
  QGroupBox* FDirectionBox;
  QRadioButton* FUpButton;
  QRadioButton* FDownButton;
  QPushButton* FFindNextButton;
  QPushButton* FCancelButton;
  bool FMatchCaseHidden = false;
  bool FWholeWordHidden = false;
};
