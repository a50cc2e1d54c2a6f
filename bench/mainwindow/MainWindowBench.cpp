// The main window: cold start to the filled list on the bundled demo save
// folder (target: at most 500 ms), and a refresh of 200 writer-made
// characters through the window (target: at most 250 ms, of which 100 ms is
// the first poll of the workers). Wall-clock times; the window runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "GdcWriter.h"
#include "IniFile.h"
#include "QZ_DelimitedListBox.h"
#include "TemporaryHome.h"
#include "UMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString kDemoSaves = QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save/");

// A program folder whose settings file points at ASaveDir.
std::unique_ptr<QTemporaryDir> ProgramFolder(const QString& ASaveDir) {
  auto folder = std::make_unique<QTemporaryDir>();
  TIniFile(folder->filePath(QStringLiteral("quillmark.ini")))
      .WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"), ASaveDir);
  return folder;
}

// Shows the window, which looks for the game in AHome only, and waits until
// its start-up has run.
bool StartWindow(TFMain& AWindow, const TTemporaryHome& AHome) {
  AHome.UseAsHomeOf(AWindow);
  AWindow.show();
  return QTest::qWaitFor([&] { return AWindow.FormShown(); }, 10000);
}

void BM_ColdStartToFilledList(benchmark::State& state) {
  const TTemporaryHome home;
  for (auto _ : state) {
    const auto program = ProgramFolder(kDemoSaves);
    QElapsedTimer clock;
    clock.start();
    TFMain window(program->filePath(QStringLiteral("quillmark")));
    const bool listed = StartWindow(window, home) && window.CharacterList()->RowCount() > 0;
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    if (!listed) {
      state.SkipWithError("the demo characters were not listed");
      break;
    }
  }
}
BENCHMARK(BM_ColdStartToFilledList)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

// 200 characters of varied names, levels and equipment.
void WriteCharacters(const QString& ASaveDir, int ACount) {
  const QByteArray items[] = {"records/items/gearhead/a01_head001.dbr",
                              "records/items/gearweapons/caster/a08_dagger001.dbr",
                              "records/storyelements/rewards/q003_ring_slithring.dbr",
                              "records/items/gearhands/not_in_the_table.dbr"};
  for (int i = 0; i < ACount; ++i) {
    TGdcSave save;
    save.Name = QStringLiteral("Hero%1").arg(i, 3, 10, QLatin1Char('0'));
    save.Level = 1 + std::uint32_t(i % 100);
    save.StatsLevel = save.Level;
    save.Money = std::uint32_t(i) * 7919u;
    for (int slot = 0; slot < 16; ++slot) {
      save.Equipped[std::size_t(slot)] = MakeItem(items[(i + slot) % 4], "records/items/lootaffixes/prefix/aa002a_exp_01.dbr",
                                                  "records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr");
    }
    const QString folder = ASaveDir + QStringLiteral("main/_") + save.Name;
    QDir().mkpath(folder);
    WriteGdcFile(folder + QStringLiteral("/player.gdc"), save);
  }
}

void BM_RefreshThroughTheWindow(benchmark::State& state) {
  const int count = int(state.range(0));
  QTemporaryDir saves;
  const QString saveDir = saves.path() + QLatin1Char('/');
  WriteCharacters(saveDir, count);
  const auto program = ProgramFolder(saveDir);
  const TTemporaryHome home;
  TFMain window(program->filePath(QStringLiteral("quillmark")));
  if (!StartWindow(window, home)) {
    state.SkipWithError("the window did not start");
    return;
  }
  for (auto _ : state) {
    window.btnRefreshClick();
    if (window.CharacterList()->RowCount() != count) {
      state.SkipWithError("not every character was listed");
      break;
    }
  }
  state.counters["characters"] = count;
}
BENCHMARK(BM_RefreshThroughTheWindow)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
