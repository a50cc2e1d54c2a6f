// Item names from a full-size installation: extraction from the game files
// (target: at most 3 s for about 90 MB of databases) and start-up with a
// valid cache (target: at most 50 ms). The installation is written by our
// writer into a temporary folder when the benchmarks start.
#include "GameFiles.h"
#include "GameInstallation.h"
#include "ItemNameCache.h"
#include "ItemNameExtractor.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr std::uint64_t DatabaseBytes = 90ull << 20;

struct TLargeGame {
  QTemporaryDir Folder;
  QTemporaryDir Notes;
  int Names = 0;
  double DatabaseMegabytes = 0;

  TLargeGame() {
    Names = WriteLargeGameInstallation(Folder.path(), DatabaseBytes);
    for (const QString& database : FindGameFiles(Folder.path()).Databases) {
      DatabaseMegabytes += double(QFileInfo(database).size()) / (1 << 20);
    }
  }
};

const TLargeGame& LargeGame() {
  static const TLargeGame game;
  return game;
}

void BM_ExtractItemNames(benchmark::State& state) {
  const TLargeGame& game = LargeGame();
  for (auto _ : state) {
    const TItemNameExtraction names = ExtractItemNames(game.Folder.path());
    if (names.Failed() || names.Lines.size() != game.Names) state.SkipWithError("extraction gave other names");
    benchmark::DoNotOptimize(names.Lines.constData());
  }
  state.counters["database_MB"] = game.DatabaseMegabytes;
  state.counters["names"] = game.Names;
}
BENCHMARK(BM_ExtractItemNames)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadValidCache(benchmark::State& state) {
  const TLargeGame& game = LargeGame();
  const QString cacheFile = game.Notes.filePath(QString::fromLatin1(ItemNameCacheFileName));
  if (LoadOrBuildItemNameCache(game.Folder.path(), cacheFile).Outcome == TItemNameCacheOutcome::Failed) {
    state.SkipWithError("the cache could not be built");
    return;
  }
  for (auto _ : state) {
    const TItemNameCacheResult names = LoadOrBuildItemNameCache(game.Folder.path(), cacheFile);
    if (names.Outcome != TItemNameCacheOutcome::FromCache || names.Lines.size() != game.Names) {
      state.SkipWithError("the cache was not used");
    }
    benchmark::DoNotOptimize(names.Lines.constData());
  }
  state.counters["names"] = game.Names;
}
BENCHMARK(BM_LoadValidCache)->Unit(benchmark::kMillisecond);

}  // namespace
