// Speed of the built-in dictionary and of a spell check without errors.
#include "DialogSeam.h"
#include "QZ_Dictionary.h"
#include "QZ_SpellChk.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Keeps the user's custom words out of the figures.
class EmptyDataFolder {
public:
  EmptyDataFolder() { qputenv("XDG_DATA_HOME", FDir.path().toLocal8Bit()); }
  ~EmptyDataFolder() { qunsetenv("XDG_DATA_HOME"); }

private:
  QTemporaryDir FDir;
};

void BM_LoadDictionary(benchmark::State& state) {
  EmptyDataFolder data;
  for (auto _ : state) {
    TDictionary dictionary;
    benchmark::DoNotOptimize(dictionary.DictionaryCount());
  }
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

void BM_SuggestionsForMisspeltTenLetterWord(benchmark::State& state) {
  EmptyDataFolder data;
  TDictionary dictionary;
  TStringList suggestions;
  for (auto _ : state) {
    const bool known = dictionary.SpellCheck(QStringLiteral("beleivable"), &suggestions);
    benchmark::DoNotOptimize(known);
  }
  state.counters["suggestions"] = suggestions.Count();
}
BENCHMARK(BM_SuggestionsForMisspeltTenLetterWord)->Unit(benchmark::kMillisecond);

// 2,000 words of the word list that the engine knows, spread over the list,
// separated by spaces and punctuation as in prose.
QString TextWithoutErrors(TSpellChecker& checker) {
  TDictionary loadResource;  // registers the word list resource
  QFile list(QStringLiteral(":/ENGLISH_DICT"));
  list.open(QIODevice::ReadOnly);
  const QList<QByteArray> lines = list.readAll().split('\n');
  const char* separators[] = {" ", " ", " ", ", ", ". ", "\r\n"};
  QString text;
  for (int i = 0, line = 0, words = 0; words < 2000; ++i, line = (line + 31) % int(lines.size() - 1)) {
    const QString word = QString::fromLatin1(lines[line].trimmed());
    if (!checker.CheckWordSpelling(word)) continue;
    text += word;
    text += QLatin1String(separators[words++ % 6]);
  }
  return text;
}

void CheckTextWithoutErrors(benchmark::State& state, TSpellCheckerEngine engine) {
  EmptyDataFolder data;
  TSpellChecker checker;
  checker.SetCompletedMessage(false);
  checker.SetEngine(engine);
  if (checker.Engine() != engine || !checker.Active()) {
    state.SkipWithError("engine not available on this machine");
    return;
  }
  const QString original = TextWithoutErrors(checker);
  int dialogs = 0;
  ScopedDialogHandler noDialogs([&dialogs](QDialog&) {
    ++dialogs;
    return 0;  // the close box: ends the check
  });
  for (auto _ : state) {
    QString text = original;
    checker.CheckTextSpelling(text, nullptr);
    benchmark::DoNotOptimize(text);
  }
  if (dialogs > 0) state.SkipWithError("the text has a word the engine does not know");
}

void BM_CheckTwoThousandWordText_Dictionary(benchmark::State& state) { CheckTextWithoutErrors(state, engQuazel); }
BENCHMARK(BM_CheckTwoThousandWordText_Dictionary)->Unit(benchmark::kMillisecond);

void BM_CheckTwoThousandWordText_SystemService(benchmark::State& state) {
  CheckTextWithoutErrors(state, engMicrosoft);
}
BENCHMARK(BM_CheckTwoThousandWordText_SystemService)->Unit(benchmark::kMillisecond);

}  // namespace
