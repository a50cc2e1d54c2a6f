#pragma once

#include <QColor>
#include <QFont>

class QPlainTextEdit;
class TDictionary;

// The dictionary's own interactive check of a plain text control: every
// unknown word is selected in the control and offered in a correction dialog
// with Ignore, Change and Add to Custom. The program itself spell-checks
// through TSpellChecker.
class TDictionaryDialog {
public:
  explicit TDictionaryDialog(TDictionary& ADictionary);

  // Font and background of the dialog's edit box and list; the background
  // is the system's window colour by default.
  const QFont& DialogFont() const { return FFont; }
  void SetDialogFont(const QFont& AFont) { FFont = AFont; }
  const QColor& DialogColor() const { return FColor; }
  void SetDialogColor(const QColor& AColor) { FColor = AColor; }

  // Checks the control's text word by word (letters A-Z, a-z and the
  // apostrophe) and returns the number of words changed. Closing the dialog
  // by its close box ends the check.
  int SpellCheckDialog(QPlainTextEdit* AMemo);

private:
  TDictionary& FDictionary;
  QFont FFont;
  QColor FColor;
};
