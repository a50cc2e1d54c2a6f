#include "QZ_SpellChk.h"

#include "DialogSeam.h"
#include "GeneralError.h"
#include "QZ_CorrectionDialog.h"
#include "QZ_Dialog.h"
#include "QZ_Dictionary.h"
#include "QZ_SystemSpeller.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <array>
#include <optional>

namespace {

const QString kStatusComplete = QStringLiteral("Complete");
const QString kStatusAborted = QStringLiteral("ABORTED!");
const QString kSystemLanguageTag = QStringLiteral("en_US");

// The dictionary engine's dialog is wider and has an Add to Custom button.
const TCorrectionDialog::TLayout kDialogLayout{
    .Width = 210, .ClientHeight = 260, .BoxWidth = 185, .ListHeight = 193, .ButtonTop = 232,
    .ButtonWidth = 75, .IgnoreLeft = 8, .ChangeLeft = 120, .AddLeft = -1, .AddWidth = 0};
const TCorrectionDialog::TLayout kDictionaryDialogLayout{
    .Width = 260, .ClientHeight = 260, .BoxWidth = 240, .ListHeight = 193, .ButtonTop = 232,
    .ButtonWidth = 75, .IgnoreLeft = 8, .ChangeLeft = 88, .AddLeft = 169, .AddWidth = 80};

constexpr std::array<int, wdSwissItalian + 1> kLanguageIdentifiers = {
    0,    1024, 1030, 1031, 2055, 3081, 2057, 1033, 4105, 5129, 7177, 1034, 1036, 3084, 1040, 1043,
    1044, 2068, 1046, 2070, 1035, 1053, 1027, 1032, 1055, 1049, 1029, 1038, 1045, 1060, 1069, 1086,
    1041, 1042, 2052, 1028, 4108, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1025, 1037, 1051, 1065,
    1048, 1050, 1058, 1059, 1061, 1062, 1071, 2074, 3098, 1039, 2060, 2067, 1026, 2058, 3082, 2064,
};

std::bitset<256> DefaultLetterChars() {
  std::bitset<256> letters;
  for (int c = 'A'; c <= 'Z'; ++c) letters.set(size_t(c));
  for (int c = 'a'; c <= 'z'; ++c) letters.set(size_t(c));
  return letters;
}

}  // namespace

int LanguageIdentifier(TSpellCheckerLanguage ALanguage) { return kLanguageIdentifiers.at(ALanguage); }

TSpellChecker::TSpellChecker(QObject* AOwner)
    : QObject(AOwner), FLetterChars(DefaultLetterChars()), FColor(QPalette().color(QPalette::Active, QPalette::Base)) {}

TSpellChecker::~TSpellChecker() {
  FreeDialog();
  Deactivate();
}

void TSpellChecker::Loaded() { Activate(); }

// The system's spelling service first when it may serve; the dictionary
// when asked for, or when auto-detecting found no system service.
void TSpellChecker::Activate() {
  if (FActive) return;
  if (FEngine == engAutoDetect || FEngine == engMicrosoft) {
    FMicrosoft = StartSystemSpeller();
    if (FMicrosoft) {
      FEngine = engMicrosoft;
      FActive = true;
      return;
    }
  }
  if (FEngine == engAutoDetect || FEngine == engQuazel) {
    FQuazel = std::make_unique<TDictionary>();
    FEngine = engQuazel;
    FActive = true;
  }
}

void TSpellChecker::Deactivate() {
  FMicrosoft.reset();
  FQuazel.reset();
  FActive = false;
}

void TSpellChecker::SetEngine(TSpellCheckerEngine AValue) {
  if (AValue == FEngine) return;
  Deactivate();
  FEngine = AValue;
  Activate();
}

std::unique_ptr<TSystemSpeller> TSpellChecker::StartSystemSpeller() {
  return TSystemSpeller::Start(kSystemLanguageTag);
}

bool TSpellChecker::CheckWordSpelling(const QString& AStrWord, TStringList* ASuggestions) {
  if (ASuggestions) ASuggestions->Clear();
  if (!FActive) return false;
  switch (FEngine) {
    case engQuazel:
      return FQuazel->SpellCheck(AStrWord, ASuggestions);
    case engMicrosoft:
      if (FMicrosoft->Check(AStrWord)) return true;
      if (ASuggestions) ASuggestions->AddStrings(FMicrosoft->Suggestions(AStrWord));
      return false;
    default:
      return false;
  }
}

bool TSpellChecker::GetSynonyms(const QString& /*AStrWord*/, TStringList* ASynonyms) {
  if (ASynonyms) ASynonyms->Clear();
  return false;
}

void TSpellChecker::CheckTextSpelling(QString& AStrText, QWidget* AParent) { CheckText(AStrText, nullptr, AParent); }

void TSpellChecker::CheckRichTextSpelling(QPlainTextEdit* ARichEdit, QWidget* AParent) {
  QString text = ARichEdit->toPlainText();
  CheckText(text, ARichEdit, AParent);
}

void TSpellChecker::CheckMemoTextSpelling(QPlainTextEdit* AMemo, QWidget* AParent) {
  QString text = AMemo->toPlainText();
  CheckText(text, AMemo, AParent);
}

// The control, when there is one, holds the same text as AText; positions in
// the one are positions in the other.
void TSpellChecker::CheckText(QString& AText, QPlainTextEdit* AControl, QWidget* AParent) {
  FParent = AParent;
  std::optional<TSelectionShownScope> selectionShown;
  if (AControl) selectionShown.emplace(AControl);

  if (!FActive) {
    Dialog::Error(QStringLiteral("Spell Check not Active"), true, AParent);
    return;
  }
  if (AText.isEmpty()) {
    if (FCompletedMessage) Dialog::Information(QStringLiteral("Spell Check Complete\r\n0 words changed"), false, AParent);
    return;
  }

  int count = 0;
  QString status;
  CreateDialog();
  try {
    status = WalkWords(AText, AControl, count);
  } catch (...) {
    FreeDialog();
    throw;
  }
  FreeDialog();
  if (FCompletedMessage) {
    Dialog::Information(QStringLiteral("Spell Check %1\r\n%2 words changed").arg(status).arg(count), false, AParent);
  }
}

bool TSpellChecker::IsLetter(QChar AChar) const {
  return AChar.unicode() < 256 && FLetterChars.test(AChar.unicode());
}

qsizetype TSpellChecker::NextLetter(const QString& AText, qsizetype AFrom) const {
  while (AFrom < AText.size() && !IsLetter(AText[AFrom])) ++AFrom;
  return AFrom;
}

// Checks every word in turn and returns the summary's status word. A text
// without letters is one empty word, which every engine accepts.
QString TSpellChecker::WalkWords(QString& AText, QPlainTextEdit* AControl, int& ACount) {
  qsizetype wordStart = NextLetter(AText, 0);
  for (;;) {
    qsizetype position = wordStart;
    while (position < AText.size() && IsLetter(AText[position])) ++position;
    const QString word = AText.mid(wordStart, position - wordStart);

    if (!CheckWordSpelling(word, &FSuggestions)) {
      bool carryOn = true;
      if (FBeforeCorrection) FBeforeCorrection(this, word, FSuggestions, carryOn);
      if (!carryOn) return kStatusAborted;
      QString replacement;
      switch (AskCorrection(word, wordStart, AControl, replacement)) {
        case TAnswer::Abort:
          return kStatusAborted;
        case TAnswer::Ignore:
          break;
        case TAnswer::Replace:
          AText.replace(wordStart, word.size(), replacement);
          position = wordStart + replacement.size();
          // Counting is by exact comparison, so a change of case counts.
          if (replacement != word) {
            if (AControl) ReplaceSelectedText(AControl, replacement);
            ++ACount;
            if (FAfterCorrection) FAfterCorrection(this, word, replacement);
          }
          break;
      }
    }

    wordStart = NextLetter(AText, position);
    if (wordStart >= AText.size()) return kStatusComplete;
  }
}

TSpellChecker::TAnswer TSpellChecker::AskCorrection(const QString& AWord, qsizetype AStart,
                                                    QPlainTextEdit* AControl, QString& AReplacement) {
  if (AControl) SelectTextRange(AControl, AStart, AWord.size());
  if (FReplaceDialog == repUser) {
    AReplacement = AWord;
    if (FOnUserCorrection) FOnUserCorrection(this, AReplacement);
    return TAnswer::Replace;
  }
  FForm->Offer(AWord, FSuggestions.ToStringList());
  switch (DialogSeam::Exec(*FForm)) {
    case TCorrectionDialog::anClosed:
      return TAnswer::Abort;
    case TCorrectionDialog::anChange:
      AReplacement = FForm->Replacement();
      return TAnswer::Replace;
    default:
      return TAnswer::Ignore;
  }
}

void TSpellChecker::CreateDialog() {
  const bool withDictionary = FEngine == engQuazel;
  FForm = new TCorrectionDialog(withDictionary ? kDictionaryDialogLayout : kDialogLayout, FFont, FColor, FParent);
  connect(FForm, &TCorrectionDialog::AddToCustomClicked, this, &TSpellChecker::AddCustomClick);
}

void TSpellChecker::FreeDialog() { delete FForm.data(); }

// Adds the edit box's word to the custom words and then changes the word to
// it. When the custom-words file cannot be written the error is reported and
// the dialog stays open.
void TSpellChecker::AddCustomClick() {
  if (!FForm || !FQuazel) return;
  try {
    FQuazel->AddCustom(FForm->Replacement());
  } catch (const std::exception& error) {
    ShowGeneralError(error);
    return;
  }
  FForm->done(TCorrectionDialog::anChange);
}
