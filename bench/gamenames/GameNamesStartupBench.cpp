// What the game's item names add to start-up when the cache is valid (target:
// at most 50 ms): finding the game in the home folder's Steam library,
// reading the cache and merging its lines into the item name table, against
// the table of built-in names alone; and the same seen from the window, a
// cold start on the demo save folder with and without the game. The full-size
// installation is written by our writer into a temporary home folder once.
#include "GameInstallation.h"
#include "GameLocations.h"
#include "IniFile.h"
#include "ItemNameCache.h"
#include "QZ_DelimitedListBox.h"
#include "TemporaryHome.h"
#include "UMain.h"
#include "UModels.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr std::uint64_t DatabaseBytes = 90ull << 20;
const QString kDemoSaves = QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save/");

// A home folder whose Steam library holds a full-size installation.
struct TSteamHome {
  TTemporaryHome Home;
  QString Game;
  int Names = 0;

  TSteamHome() : Game(Home.FilePath(QStringLiteral(".local/share/Steam/steamapps/common/Grim Dawn"))) {
    Names = WriteLargeGameInstallation(Game, DatabaseBytes);
  }
  TGameSearchPlaces Places() const { return Home.GameSearchPlaces(); }
};

const TSteamHome& SteamHome() {
  static const TSteamHome home;
  return home;
}

void BM_ItemTableBuiltInOnly(benchmark::State& state) {
  for (auto _ : state) {
    const TItemNames items;
    benchmark::DoNotOptimize(items.Count());
  }
}
BENCHMARK(BM_ItemTableBuiltInOnly)->Unit(benchmark::kMillisecond);

void BM_FindGameInSteamLibrary(benchmark::State& state) {
  const TSteamHome& home = SteamHome();
  for (auto _ : state) {
    const QString game = TGameLocations(home.Places()).FindGameFolder(QStringLiteral("c:/"));
    if (game.isEmpty()) state.SkipWithError("the game was not found");
  }
}
BENCHMARK(BM_FindGameInSteamLibrary)->Unit(benchmark::kMicrosecond);

void BM_ItemTableWithGameNamesFromCache(benchmark::State& state) {
  const TSteamHome& home = SteamHome();
  const QTemporaryDir notes;
  const QString cacheFile = notes.filePath(QString::fromLatin1(ItemNameCacheFileName));
  if (LoadOrBuildItemNameCache(home.Game, cacheFile).Outcome == TItemNameCacheOutcome::Failed) {
    state.SkipWithError("the cache could not be built");
    return;
  }
  int count = 0;
  for (auto _ : state) {
    const QString game = TGameLocations(home.Places()).FindGameFolder(QStringLiteral("c:/"));
    const TItemNameCacheResult names = LoadOrBuildItemNameCache(game, cacheFile);
    if (names.Outcome != TItemNameCacheOutcome::FromCache) state.SkipWithError("the cache was not used");
    const TItemNames items(names.Lines);
    count = items.Count();
  }
  state.counters["game_names"] = home.Names;
  state.counters["table_lines"] = count;
}
BENCHMARK(BM_ItemTableWithGameNamesFromCache)->Unit(benchmark::kMillisecond);

// Cold start of the window on the demo saves to the filled list, with the
// game in the home folder's Steam library (its cache made by a first start)
// or with an empty home folder.
void BM_WindowColdStart(benchmark::State& state) {
  const bool withGame = state.range(0) != 0;
  const TTemporaryHome emptyHome;
  const TTemporaryHome& home = withGame ? SteamHome().Home : emptyHome;
  const QTemporaryDir program;
  TIniFile(program.filePath(QStringLiteral("quillmark.ini")))
      .WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"), kDemoSaves);
  auto start = [&](benchmark::State* timed) {
    QElapsedTimer clock;
    clock.start();
    TFMain window(program.filePath(QStringLiteral("quillmark")));
    home.UseAsHomeOf(window);
    window.show();
    const bool started = QTest::qWaitFor([&] { return window.FormShown(); }, 20000);
    if (timed) timed->SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    const bool right = started && window.CharacterList()->RowCount() > 0 && window.UsesGameItemNames() == withGame;
    window.close();
    return right;
  };
  if (!start(nullptr)) state.SkipWithError("the window did not start as expected");
  for (auto _ : state) {
    if (!start(&state)) state.SkipWithError("the window did not start as expected");
  }
}
BENCHMARK(BM_WindowColdStart)->ArgName("game")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
