// Gathering the characters: building the item name table from a full-size
// table (target: at most 50 ms for 14,418 lines) and a whole refresh of
// writer-made characters with it (target: at most 250 ms wall for 200
// characters, of which 100 ms is the first poll). The table and the save
// folders are generated when the benchmarks start. Peak memory is the
// process's high-water mark (VmHWM) after the benchmark ran.
#include "GdcWriter.h"
#include "UCharacterGatherer.h"
#include "UModels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr int TableLines = 14418;

// Groups of record paths below "records/items/" with their share of lines.
struct TPathGroup {
  const char* Folder;
  int Lines;
};
constexpr TPathGroup PathGroups[] = {
    {"bonusitems", 3},        {"crafting/blueprints/armor", 875}, {"enchants", 340},
    {"enemygear", 183},       {"faction/rings", 636},             {"gearaccessories/rings", 968},
    {"gearfeet", 104},        {"gearhands", 121},                 {"gearhead", 412},
    {"gearlegs", 168},        {"gearrelic", 84},                  {"gearshoulders", 358},
    {"geartorso", 323},       {"gearweapons/swords1h", 2162},     {"lootaffixes/prefix", 2716},
    {"lootaffixes/suffix", 3196}, {"lootaffixes/broken", 5},      {"lootchests", 523},
    {"loreobjects", 322},     {"materia", 108},                   {"misc", 18},
    {"questitems", 68},       {"rewards", 2},                     {"transmutes", 99},
    {"upgraded/gearweapons", 604}};

const char* const Words[] = {"Leather", "Helm", "Ritual", "Blade", "Iron", "Storm", "Wrath", "Spirit", "Blood",
                             "Chaos", "Ember", "Frost", "Grim", "Vile", "Ancient", "Soldier's", "Warden",
                             "Mantle", "Greaves", "Sigil", "Ring", "Band", "Totem", "Hammer", "Crown", "Eye"};

QString DisplayName(QRandomGenerator& random, const QString& folder) {
  if (random.bounded(32) == 0) return QString();  // about 3% have none
  QStringList words;
  if (folder.endsWith(QLatin1String("suffix"))) words.append(QStringLiteral("of"));
  const int count = 1 + int(random.bounded(folder.contains(QLatin1String("affixes")) ? 2 : 4));
  for (int i = 0; i < count; ++i) words.append(QString::fromLatin1(Words[random.bounded(int(std::size(Words)))]));
  return words.join(QLatin1Char(' '));
}

// Generated "record path=display name" lines that, with the built-in ones,
// make a table of TableLines lines; shuffled, as a game installation gives
// them in no useful order.
const QStringList& GeneratedLines() {
  static const QStringList lines = [] {
    QRandomGenerator random(20240611);
    QStringList all;
    int number = 0;
    for (const TPathGroup& group : PathGroups) {
      const QString folder = QString::fromLatin1(group.Folder);
      for (int i = 0; i < group.Lines; ++i, ++number) {
        const QString word = QString::fromLatin1(Words[random.bounded(int(std::size(Words)))]).toLower();
        const QString path = QStringLiteral("records/items/") + folder + QLatin1Char('/') +
                             QChar(u'a' + random.bounded(26)) +
                             QStringLiteral("%1_%2_%3.dbr")
                                 .arg(random.bounded(100), 2, 10, QLatin1Char('0'))
                                 .arg(word)
                                 .arg(number, 5, 10, QLatin1Char('0'));
        all.append(path + QLatin1Char('=') + DisplayName(random, folder));
      }
    }
    all.resize(TableLines - TItemNames().Count());
    for (qsizetype i = all.size() - 1; i > 0; --i) all.swapItemsAt(i, random.bounded(i + 1));
    return all;
  }();
  return lines;
}

const TItemNames& FullTable() {
  static const TItemNames table(GeneratedLines());
  return table;
}

void BM_BuildItemNames(benchmark::State& state) {
  const QStringList& extra = GeneratedLines();
  int count = 0;
  for (auto _ : state) {
    const TItemNames table(extra);
    count = table.Count();
    benchmark::DoNotOptimize(table.Names().constData());
  }
  state.counters["lines"] = count;
  if (count != TableLines) state.SkipWithError("the table has another size");
}
BENCHMARK(BM_BuildItemNames)->Unit(benchmark::kMillisecond);

// A record path of the table below the given folder.
QByteArray PathFrom(const QStringList& paths, QRandomGenerator& random, const char* folder) {
  for (;;) {
    const QString& path = paths[random.bounded(paths.size())];
    if (path.contains(QLatin1String(folder))) return path.toLatin1();
  }
}

TGdcItem RandomItem(const QStringList& paths, QRandomGenerator& random) {
  TGdcItem item = MakeItem(PathFrom(paths, random, "/gear"), PathFrom(paths, random, "/prefix/"),
                           PathFrom(paths, random, "/suffix/"));
  item.Seed = random.generate();
  return item;
}

// About 30 KB: sixteen equipped items with both affixes and two bags of items.
TGdcSave RealisticSave(int index, const QStringList& paths) {
  QRandomGenerator random(static_cast<quint32>(index) + 1);
  TGdcSave save;
  save.Seed = random.generate();
  save.Name = QStringLiteral("Hero%1").arg(index, 4, 10, QLatin1Char('0'));
  save.InventoryVersion = 11;
  save.Money = random.bounded(5000000);
  save.GreatestDifficulty = static_cast<std::uint8_t>(random.bounded(3));
  for (TGdcItem& item : save.Equipped) item = RandomItem(paths, random);
  for (int b = 0; b < 2; ++b) {
    TGdcBag bag;
    for (std::uint32_t i = 0; i < 56; ++i) bag.Items.push_back({RandomItem(paths, random), i % 8, i / 8});
    save.Bags.push_back(bag);
  }
  return save;
}

// Where the Notes folder lives: beside the saves on disk, as the program
// keeps it beside its executable, or in memory (tmpfs), which leaves out the
// cost of syncing and deleting files on this machine's disk.
enum class TNotesPlace { Disk, Memory };

struct TSaveFolder {
  QTemporaryDir Root;
  std::unique_ptr<QTemporaryDir> MemoryNotes;
  TNotesPlace Place;
  qint64 Bytes = 0;

  TSaveFolder(int characters, TNotesPlace place) : Place(place) {
    const QStringList& paths = FullTable().RecordPaths();
    QDir(Root.path()).mkpath(QStringLiteral("Notes"));
    if (place == TNotesPlace::Memory && QDir(QStringLiteral("/dev/shm")).exists()) {
      MemoryNotes = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/bench_gather-XXXXXX"));
    }
    for (int i = 0; i < characters; ++i) {
      const QString folder = Root.filePath(QStringLiteral("main/_Hero%1").arg(i));
      QDir().mkpath(folder);
      const TGdcSave save = RealisticSave(i, paths);
      WriteGdcFile(folder + QStringLiteral("/player.gdc"), save);
      Bytes += QFileInfo(folder + QStringLiteral("/player.gdc")).size();
    }
  }
  QString MainPath() const { return Root.filePath(QStringLiteral("main")); }
  QString NotesPath() const {
    if (Place == TNotesPlace::Memory) return MemoryNotes ? MemoryNotes->path() + QLatin1Char('/') : QString();
    return Root.filePath(QStringLiteral("Notes/"));
  }
};

const TSaveFolder& SaveFolder(int characters, TNotesPlace place) {
  static std::map<std::pair<int, TNotesPlace>, std::unique_ptr<TSaveFolder>> folders;
  std::unique_ptr<TSaveFolder>& folder = folders[{characters, place}];
  if (!folder) folder = std::make_unique<TSaveFolder>(characters, place);
  return *folder;
}

// The process's peak resident memory in MB.
double PeakResidentMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  }
  return 0;
}

void Refresh(benchmark::State& state, TNotesPlace place) {
  const int characters = static_cast<int>(state.range(0));
  const TItemNames& table = FullTable();
  const TSaveFolder& folder = SaveFolder(characters, place);
  if (folder.NotesPath().isEmpty() || !QDir(folder.NotesPath()).exists()) {
    state.SkipWithError("no Notes folder there");
    return;
  }
  std::size_t rows = 0;
  for (auto _ : state) {
    const TGatherResult result = GatherCharacters(folder.MainPath(), folder.NotesPath(), table);
    rows = result.Characters.size();
    state.PauseTiming();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  if (rows != static_cast<std::size_t>(characters)) state.SkipWithError("characters are missing");
  state.counters["save_KB"] = double(folder.Bytes) / characters / 1024;
  state.counters["peak_MB"] = PeakResidentMegabytes();
}
void BM_Refresh(benchmark::State& state) { Refresh(state, TNotesPlace::Disk); }
BENCHMARK(BM_Refresh)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_RefreshNotesInMemory(benchmark::State& state) { Refresh(state, TNotesPlace::Memory); }
BENCHMARK(BM_RefreshNotesInMemory)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
