// Loader speed: decoding throughput over a large writer-made save, and the
// time to load each save written by the game.
#include "GdcWriter.h"
#include "UCharacter.h"

#include <benchmark/benchmark.h>

#include <QDir>

namespace {

// About 20 MB: many bags full of items with affixes and long record paths.
QByteArray LargeSave() {
  TGdcSave save;
  save.InventoryVersion = 11;
  for (int b = 0; b < 40; ++b) {
    TGdcBag bag;
    for (int i = 0; i < 1500; ++i) {
      TGdcItem item = MakeItem("records/items/gearweapons/caster/a08_dagger001.dbr",
                               "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                               "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
      item.Relic = "records/items/materia/compa_mutagenicichor.dbr";
      item.Augment = "records/items/enchants/a05a_stat_physique.dbr";
      bag.Items.push_back({item, std::uint32_t(i % 10), std::uint32_t(i / 10)});
    }
    save.Bags.push_back(bag);
  }
  for (auto& item : save.Equipped) item = MakeItem("records/items/gearhead/a01_head001.dbr");
  return WriteGdc(save);
}

void BM_LoadLargeSave(benchmark::State& state) {
  const QByteArray bytes = LargeSave();
  for (auto _ : state) {
    TCharacter character(bytes, QStringLiteral("large.gdc"));
    benchmark::DoNotOptimize(character.Equipment().Head.size());
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
  state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(BM_LoadLargeSave)->Unit(benchmark::kMillisecond);

// Each save of the real fixtures, read from its file: microseconds per file.
void BM_LoadRealSaves(benchmark::State& state) {
  const QDir dir(QStringLiteral(QUILLMARK_SHARED_DIR "/fixtures/real-saves"));
  const QStringList files = dir.entryList({QStringLiteral("*.gdc")}, QDir::Files);
  if (files.isEmpty()) {
    state.SkipWithError("no real saves in the shared fixtures");
    return;
  }
  QStringList paths;
  for (const QString& file : files) paths.append(dir.filePath(file));
  for (auto _ : state) {
    for (const QString& path : paths) {
      TCharacter character(path);
      benchmark::DoNotOptimize(character.Header().Level);
    }
  }
  state.SetItemsProcessed(state.iterations() * paths.size());
  // Seconds per file, shown with an SI prefix ("40u" is 40 microseconds).
  state.counters["per_file"] = benchmark::Counter(double(state.iterations() * paths.size()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LoadRealSaves)->Unit(benchmark::kMicrosecond);

}  // namespace
