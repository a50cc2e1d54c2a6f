// The character list model at its expected size: sorting 10,000 ten-column
// rows by a text, a numeric and a combined key, and rebuilding the cell table
// for 10,000 rows added inside one update bracket.
#include "QZ_DelimitedListModel.h"

#include <benchmark/benchmark.h>

#include <QStringList>
#include <memory>
#include <random>

namespace {

constexpr int kRows = 10000;
const QChar kThorn(u'\u00FE');

QString CharacterFormatText() {
  return QStringList{QStringLiteral("0þþTahomaþ8388608þ8þ1"), QStringLiteral("0þþTahomaþ0þ8þ1"),
                     QStringLiteral("2þ0þCourier Newþ0þ9þ0"), QStringLiteral("0þþTahomaþ0þ8þ0"),
                     QStringLiteral("0þþTahomaþ0þ8þ0"),       QStringLiteral("0þþTahomaþ0þ8þ0"),
                     QStringLiteral("2þ0,þCourier Newþ0þ9þ0"), QStringLiteral("2þ0þCourier Newþ0þ9þ0"),
                     QStringLiteral("0þþTahomaþ0þ8þ0"),       QStringLiteral("0þþTahomaþ0þ8þ0")}
      .join(QStringLiteral("\r\n"));
}

TStringList CharacterRows() {
  std::mt19937 random(42);
  const char* classes[] = {"Soldier", "Demolitionist", "Occultist", "Nightblade", "Arcanist",
                           "Shaman", "Inquisitor", "Necromancer", "Oathkeeper", ""};
  const char* difficulties[] = {"Normal", "Elite", "Ultimate"};
  TStringList rows;
  rows.BeginUpdate();
  for (int i = 0; i < kRows; ++i) {
    QString name;
    const int length = 4 + int(random() % 9);
    for (int k = 0; k < length; ++k) {
      name += QChar(char16_t((k == 0 ? u'A' : u'a') + random() % 26));
    }
    const QStringList fields = {
        name,
        QStringLiteral("Title %1").arg(random() % 80),
        QString::number(1 + random() % 100),
        random() % 2 ? QStringLiteral("Male") : QStringLiteral("Female"),
        QString::fromLatin1(classes[random() % 9]),
        QString::fromLatin1(classes[random() % 10]),
        QString::number(random() % 250000000),
        QString::number(random() % 56),
        QString::fromLatin1(difficulties[random() % 3]),
        random() % 4 ? QStringLiteral("N") : QStringLiteral("Y"),
    };
    rows.Add(fields.join(kThorn));
  }
  rows.EndUpdate();
  return rows;
}

const TStringList& SharedRows() {
  static const TStringList rows = CharacterRows();
  return rows;
}

std::unique_ptr<TDelimitedListModel> MakeCharacterList() {
  auto list = std::make_unique<TDelimitedListModel>();
  list->SetDelimiter(kThorn);
  list->SetColumnFormatEditor(CharacterFormatText());
  for (const char* caption : {"Name", "Title", "Level", "Sex", "Class 1", "Class 2", "Iron",
                              "Devotions", "Difficulty", "Hardcore"}) {
    list->AddHeaderSection({QString::fromLatin1(caption)});
  }
  list->Loaded();
  return list;
}

void SortRows(benchmark::State& state, int column, int secondary) {
  auto list = MakeCharacterList();
  list->SetSecondarySortColumn(secondary);
  for (auto _ : state) {
    state.PauseTiming();
    list->SetItems(SharedRows());  // unsorted again
    state.ResumeTiming();
    list->Sort(column);
  }
}

void BM_SortByName(benchmark::State& state) { SortRows(state, 0, -1); }
void BM_SortByIron(benchmark::State& state) { SortRows(state, 6, -1); }
void BM_SortByIronThenName(benchmark::State& state) { SortRows(state, 6, 0); }

void BM_RebuildInOneBracket(benchmark::State& state) {
  auto list = MakeCharacterList();
  const TStringList& rows = SharedRows();
  for (auto _ : state) {
    state.PauseTiming();
    list->Clear();
    state.ResumeTiming();
    list->Items().BeginUpdate();
    for (int i = 0; i < rows.Count(); ++i) list->Items().Add(rows[i]);
    list->Items().EndUpdate();
    benchmark::DoNotOptimize(list->GetRawField(kRows - 1, 9));
  }
}

}  // namespace

BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByIron)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByIronThenName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildInOneBracket)->Unit(benchmark::kMillisecond);
