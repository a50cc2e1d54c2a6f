#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPlainTextEdit>
#include <QPalette>
#include <QPointer>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

// The modal dialog "Spell Check" that offers corrections for one misspelt
// word: an edit box with the replacement, the list of suggestions (a click
// copies one into the edit box) and the buttons Ignore, Change and,
// optionally, Add to Custom.
//
// Its result is a TAnswer. Esc presses Ignore and Enter presses Change;
// closing the window by its close box answers anClosed. Add to Custom only
// raises AddToCustomClicked: the owner decides how the dialog then closes.
//
// Object names for tests: "edWord", "lbSuggestions", "btnIgnore",
// "btnChange", "btnAddToCustom".
class TCorrectionDialog : public QDialog {
  Q_OBJECT

public:
  enum TAnswer { anClosed = QDialog::Rejected, anChange = QDialog::Accepted, anIgnore = 2, anAddToCustom = 3 };

  // Positions and sizes in pixels; the window is fixed in size. Width is the
  // window's outer width; the client area is narrower by the dialog frame.
  struct TLayout {
    int Width;
    int ClientHeight;
    int BoxWidth;  // edit box and list
    int ListHeight;
    int ButtonTop;
    int ButtonWidth;
    int IgnoreLeft;
    int ChangeLeft;
    int AddLeft;  // negative: no Add to Custom button
    int AddWidth;
  };

  TCorrectionDialog(const TLayout& ALayout, const QFont& AFont, const QColor& AColor, QWidget* AParent);

  // Puts a word into the edit box and the suggestions into the list.
  void Offer(const QString& AWord, const QStringList& ASuggestions);
  QString Replacement() const;

  QLineEdit* EditBox() const { return FEbox; }
  QListWidget* SuggestionList() const { return FLbox; }
  QPushButton* IgnoreButton() const { return FCancelBtn; }
  QPushButton* ChangeButton() const { return FChangeBtn; }
  // Null when the layout has no such button.
  QPushButton* AddButton() const { return FAddBtn; }

signals:
  void AddToCustomClicked();

protected:
  void keyPressEvent(QKeyEvent* AEvent) override;

private:
  void SuggestionClick();
  void CentreOnScreen();

  QLineEdit* FEbox;
  QListWidget* FLbox;
  QPushButton* FCancelBtn;
  QPushButton* FChangeBtn;
  QPushButton* FAddBtn = nullptr;
};

// Keeps a text control's selection drawn as when it has the focus, while the
// correction dialog has it, and restores the control's look afterwards.
class TSelectionShownScope {
public:
  explicit TSelectionShownScope(QPlainTextEdit* AControl);
  ~TSelectionShownScope();
  TSelectionShownScope(const TSelectionShownScope&) = delete;
  TSelectionShownScope& operator=(const TSelectionShownScope&) = delete;

private:
  QPointer<QPlainTextEdit> FControl;
  QPalette FPalette;
  bool FOwnPalette = false;
};

// Selects ALength characters from the 0-based position AStart in the control
// and scrolls them into view.
void SelectTextRange(QPlainTextEdit* AControl, qsizetype AStart, qsizetype ALength);
// Replaces the control's selection by the text.
void ReplaceSelectedText(QPlainTextEdit* AControl, const QString& AText);
