#pragma once

#include "StringList.h"

#include <QString>
#include <QStringList>

// The built-in spelling engine: the English word list compiled into the
// program (resource ":/ENGLISH_DICT"), the machine's custom words kept in the
// file QZ_Custom.dict of the application data folder, a word lookup, and
// suggestions made of near misses (one edit away) and sound-alike words.
//
// All comparisons ignore case. The word list holds only the letters a-z, in
// ascending order, so it is searched by bisection as loaded.
//
// Its correction dialog for a plain text control is TDictionaryDialog.
class TDictionary {
public:
  // Loads the word list and the custom words. Raises EFileError when the
  // custom-words file exists but cannot be read.
  TDictionary();
  TDictionary(const TDictionary&) = delete;
  TDictionary& operator=(const TDictionary&) = delete;

  static QString Version();

  int DictionaryCount() const { return int(FDict.size()); }
  int CustomCount() const { return FCustCount; }
  // Full path of the custom-words file.
  const QString& CustomDictFileName() const { return FCustomDict; }

  // Whether the trimmed word is known; an apostrophe counts as part of it.
  bool SpellCheck(const QString& AWord) const;
  // Whether the word is known, judging a contraction by the part before its
  // apostrophe. When it is not, ASuggestions (when given) receives the
  // suggestions in alphabetical order, each carrying the contraction's
  // ending, and capitalised when the word starts with a capital.
  bool SpellCheck(const QString& AWord, TStringList* ASuggestions);

  // Cleans the word (trimmed, lower case, only the part before an
  // apostrophe, letters a-z only) and adds it to the custom words, rewriting
  // the custom-words file. False when the cleaned word is shorter than two
  // letters or already known. Raises EFileError when the file cannot be
  // written; the word then stays known for the life of this object.
  bool AddCustom(const QString& AWord);

  // The sound-alike code: the first character (a-z made capital), then the
  // digit of every letter group that differs from the one before; never cut
  // short or padded.
  static QString SoundexCode(const QString& AWord);

  // The lengths of the words compared by sound with a misspelt word of the
  // given length: two thirds to four thirds of it, rounded to nearest.
  struct TLengthWindow {
    int Low;
    int High;
  };
  static TLengthWindow SoundAlikeLengths(int ALength);

private:
  void LoadWordList();
  void LoadCustomWords();

  bool WordExists(const QString& S) const;
  bool InWordList(const QString& S) const;

  QStringList SoundAlikes(const QString& W) const;
  void MergeNearMisses(const QString& W, QStringList& AList) const;
  void AddDeletions(const QString& w, QStringList& AFound) const;
  void AddTranspositions(const QString& w, QStringList& AFound) const;
  void AddReplacements(const QString& w, QStringList& AFound) const;
  void AddInsertions(const QString& w, QStringList& AFound) const;
  void AddIfKnown(const QString& ACandidate, QStringList& AFound) const;
  QString AsSuggestion(const QString& AWord) const;

  int FCustCount = 0;
  TStringList FCustom;
  QStringList FDict;
  bool FIsCap = false;
  QString FCustomDict;
  // The longest word of either list: no longer candidate can be known.
  int FLongestWord = 0;
};
