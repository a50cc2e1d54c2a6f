#pragma once

#include "StringList.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QWidget;
class TCorrectionDialog;
class TDictionary;
class TSystemSpeller;

// engMicrosoft is the system's spelling service, reached through Enchant 2
// with its English ("en_US") dictionary; engQuazel is the built-in
// TDictionary. engAutoDetect takes the first that starts.
enum TSpellCheckerEngine : std::uint8_t { engAutoDetect, engMicrosoft, engQuazel, engDisabled };

// Who supplies corrections: the built-in correction dialog, or the
// OnUserCorrection handler.
enum TSpellCheckerReplacement : std::uint8_t { repDefault, repUser };

// Languages for synonym look-ups, each with its Windows locale identifier
// (LanguageIdentifier).
enum TSpellCheckerLanguage : std::uint8_t {
  wdLanguageNone, wdNoProofing, wdDanish, wdGerman, wdSwissGerman, wdEnglishAUS, wdEnglishUK, wdEnglishUS,
  wdEnglishCanadian, wdEnglishNewZealand, wdEnglishSouthAfrica, wdSpanish, wdFrench, wdFrenchCanadian,
  wdItalian, wdDutch, wdNorwegianBokmol, wdNorwegianNynorsk, wdBrazilianPortuguese, wdPortuguese, wdFinnish,
  wdSwedish, wdCatalan, wdGreek, wdTurkish, wdRussian, wdCzech, wdHungarian, wdPolish, wdSlovenian, wdBasque,
  wdMalaysian, wdJapanese, wdKorean, wdSimplifiedChinese, wdTraditionalChinese, wdSwissFrench, wdSesotho,
  wdTsonga, wdTswana, wdVenda, wdXhosa, wdZulu, wdAfrikaans, wdArabic, wdHebrew, wdSlovak, wdFarsi,
  wdRomanian, wdCroatian, wdUkrainian, wdByelorussian, wdEstonian, wdLatvian, wdMacedonian, wdSerbianLatin,
  wdSerbianCyrillic, wdIcelandic, wdBelgianFrench, wdBelgianDutch, wdBulgarian, wdMexicanSpanish,
  wdSpanishModernSort, wdSwissItalian
};
int LanguageIdentifier(TSpellCheckerLanguage ALanguage);

class TSpellChecker;

using TSpellCheckerBeforeCorrection = std::function<void(TSpellChecker* ASender, const QString& AMispeltWord,
                                                         TStringList& ASuggestions, bool& AContinue)>;
using TSpellCheckerAfterCorrection =
    std::function<void(TSpellChecker* ASender, const QString& AMispeltWord, const QString& ACorrectedWord)>;
using TSpellCheckerOnUserCorrection = std::function<void(TSpellChecker* ASender, QString& AWordToCorrect)>;

// Checks the spelling of a word, a string or the whole text of a text
// control, walking the user through every unknown word with a correction
// dialog (or the OnUserCorrection handler).
//
// Typical use by a window that owns a text control:
//
//   FSpellCheck = new TSpellChecker(this);
//   FSpellCheck->SetFont(QFont(...));         // properties first
//   FSpellCheck->Loaded();                    // then start the engine
//   spellAction->setEnabled(FSpellCheck->Active());
//   ...
//   FSpellCheck->CheckRichTextSpelling(editor, this);
//
// Every dialog and message box goes through DialogSeam.
class TSpellChecker : public QObject {
  Q_OBJECT

public:
  explicit TSpellChecker(QObject* AOwner = nullptr);
  ~TSpellChecker() override;

  // Starts the engine once the owner has set the properties. Starting the
  // dictionary raises EFileError when its custom-words file cannot be read.
  void Loaded();

  // Setting another engine stops the running one and starts the new one
  // (raising as Loaded does); once started, the engine actually in use.
  TSpellCheckerEngine Engine() const { return FEngine; }
  void SetEngine(TSpellCheckerEngine AValue);
  bool Active() const { return FActive; }

  TSpellCheckerLanguage Language() const { return FLanguage; }
  void SetLanguage(TSpellCheckerLanguage AValue) { FLanguage = AValue; }
  bool CompletedMessage() const { return FCompletedMessage; }
  void SetCompletedMessage(bool AValue) { FCompletedMessage = AValue; }
  const QColor& Color() const { return FColor; }
  void SetColor(const QColor& AValue) { FColor = AValue; }
  // Custom dictionary name of the word processor's service; not used by the
  // system's spelling service.
  const QString& Dictionary() const { return FDictionary; }
  void SetDictionary(const QString& AValue) { FDictionary = AValue; }
  const QFont& Font() const { return FFont; }
  void SetFont(const QFont& AValue) { FFont = AValue; }
  TSpellCheckerReplacement ReplaceDialog() const { return FReplaceDialog; }
  void SetReplaceDialog(TSpellCheckerReplacement AValue) { FReplaceDialog = AValue; }

  // Characters with codes below 256 that make up words; A-Z and a-z by default.
  const std::bitset<256>& LetterChars() const { return FLetterChars; }
  void SetLetterChars(const std::bitset<256>& AValue) { FLetterChars = AValue; }

  void SetBeforeCorrection(TSpellCheckerBeforeCorrection AHandler) { FBeforeCorrection = std::move(AHandler); }
  void SetAfterCorrection(TSpellCheckerAfterCorrection AHandler) { FAfterCorrection = std::move(AHandler); }
  void SetOnUserCorrection(TSpellCheckerOnUserCorrection AHandler) { FOnUserCorrection = std::move(AHandler); }

  // Whether the word is correct; when it is not, ASuggestions (when given)
  // receives the engine's suggestions. False while inactive.
  bool CheckWordSpelling(const QString& AStrWord, TStringList* ASuggestions = nullptr);
  // Synonyms need a thesaurus, which neither engine has here: always false
  // with an empty list.
  bool GetSynonyms(const QString& AStrWord, TStringList* ASynonyms);

  // Check and correct a string in place, or the text of a control (the
  // control's selection shows the word under correction). Each ends with a
  // summary box when CompletedMessage is set.
  void CheckTextSpelling(QString& AStrText, QWidget* AParent);
  void CheckRichTextSpelling(QPlainTextEdit* ARichEdit, QWidget* AParent);
  void CheckMemoTextSpelling(QPlainTextEdit* AMemo, QWidget* AParent);

protected:
  // Opens the system's English spelling service; null when this machine has
  // none. Tests override it to play a machine without one.
  virtual std::unique_ptr<TSystemSpeller> StartSystemSpeller();

private:
  enum class TAnswer { Ignore, Replace, Abort };

  void Activate();
  void Deactivate();
  void CheckText(QString& AText, QPlainTextEdit* AControl, QWidget* AParent);
  QString WalkWords(QString& AText, QPlainTextEdit* AControl, int& ACount);
  TAnswer AskCorrection(const QString& AWord, qsizetype AStart, QPlainTextEdit* AControl, QString& AReplacement);
  bool IsLetter(QChar AChar) const;
  qsizetype NextLetter(const QString& AText, qsizetype AFrom) const;
  void CreateDialog();
  void FreeDialog();
  void AddCustomClick();

  QPointer<QWidget> FParent;
  std::unique_ptr<TDictionary> FQuazel;
  TSpellCheckerEngine FEngine = engAutoDetect;
  std::unique_ptr<TSystemSpeller> FMicrosoft;
  std::bitset<256> FLetterChars;
  QString FDictionary = QStringLiteral("CUSTOM.DIC");
  QFont FFont;
  QColor FColor;
  TSpellCheckerReplacement FReplaceDialog = repDefault;
  bool FCompletedMessage = true;
  bool FActive = false;
  TSpellCheckerLanguage FLanguage = wdEnglishUS;
  QPointer<TCorrectionDialog> FForm;
  TStringList FSuggestions;
  TSpellCheckerBeforeCorrection FBeforeCorrection;
  TSpellCheckerAfterCorrection FAfterCorrection;
  TSpellCheckerOnUserCorrection FOnUserCorrection;
};
