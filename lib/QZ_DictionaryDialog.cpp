#include "QZ_DictionaryDialog.h"

#include "DialogSeam.h"
#include "QZ_CorrectionDialog.h"
#include "QZ_Dictionary.h"
#include "TextCompare.h"

#include <QPalette>
#include <QPlainTextEdit>

namespace {

const TCorrectionDialog::TLayout kDialogLayout{
    .Width = 260, .ClientHeight = 258, .BoxWidth = 240, .ListHeight = 188, .ButtonTop = 228,
    .ButtonWidth = 80, .IgnoreLeft = 6, .ChangeLeft = 87, .AddLeft = 169, .AddWidth = 80};

bool IsWordLetter(QChar c) {
  return c == QLatin1Char('\'') || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

qsizetype NextLetter(const QString& AText, qsizetype AFrom) {
  while (AFrom < AText.size() && !IsWordLetter(AText[AFrom])) ++AFrom;
  return AFrom;
}

}  // namespace

TDictionaryDialog::TDictionaryDialog(TDictionary& ADictionary)
    : FDictionary(ADictionary), FColor(QPalette().color(QPalette::Active, QPalette::Base)) {}

int TDictionaryDialog::SpellCheckDialog(QPlainTextEdit* AMemo) {
  QString text = AMemo->toPlainText();
  if (text.isEmpty()) return 0;

  TSelectionShownScope selectionShown(AMemo);
  TCorrectionDialog dialog(kDialogLayout, FFont, FColor, nullptr);
  QObject::connect(&dialog, &TCorrectionDialog::AddToCustomClicked, &dialog,
                   [&dialog] { dialog.done(TCorrectionDialog::anAddToCustom); });

  int count = 0;
  qsizetype position = NextLetter(text, 0);
  do {
    const qsizetype start = position;
    while (position < text.size() && IsWordLetter(text[position])) ++position;
    const QString word = text.mid(start, position - start);
    TStringList suggestions;
    if (!FDictionary.SpellCheck(word, &suggestions)) {
      dialog.Offer(word, suggestions.ToStringList());
      SelectTextRange(AMemo, start, word.size());
      const int answer = DialogSeam::Exec(dialog);
      if (answer == TCorrectionDialog::anClosed) break;
      if (answer == TCorrectionDialog::anChange || answer == TCorrectionDialog::anAddToCustom) {
        const QString replacement = dialog.Replacement();
        if (replacement != word) {
          text.replace(start, word.size(), replacement);
          ReplaceSelectedText(AMemo, replacement);
        }
        if (!SameTextAscii(replacement, word)) ++count;
        if (answer == TCorrectionDialog::anAddToCustom) FDictionary.AddCustom(replacement);
        position = start + replacement.size();
      }
    }
    position = NextLetter(text, position);
  } while (position < text.size());
  return count;
}
