#include "UCharacterGatherer.h"

#include "Errors.h"
#include "QZ_ThreadPool.h"
#include "TextFile.h"
#include "UCharInfoThread.h"
#include "UCharacterRows.h"
#include "UItemLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

namespace {

constexpr unsigned long PollIntervalMs = 100;
// Far above any exchange file a worker writes; a larger ".inf" is not read.
constexpr qint64 MaxExchangeFileBytes = 4 * 1024 * 1024;

bool GatheringNow = false;

class TGatheringScope {
public:
  TGatheringScope() {
    if (GatheringNow) throw EError(QStringLiteral("The character list is already being refreshed"));
    GatheringNow = true;
  }
  ~TGatheringScope() { GatheringNow = false; }
  TGatheringScope(const TGatheringScope&) = delete;
  TGatheringScope& operator=(const TGatheringScope&) = delete;
};

bool StartFailed(const TCharInfoThread* worker) { return !worker->isRunning() && !worker->isFinished(); }

std::optional<QStringList> ReadExchangeFile(const QString& fileName) {
  try {
    return SplitLines(DecodeText(ReadFileBytes(fileName, MaxExchangeFileBytes)));
  } catch (const EError&) {
    return std::nullopt;
  }
}

// Deletes the files, several at a time: on a disk that discards freed
// blocks as it deletes, each deletion waits for the disk, and the disk can
// serve several at once. Returns when all are done.
void DeleteFiles(const QStringList& fileNames) {
  constexpr qsizetype MaxThreads = 4;
  constexpr qsizetype FilesPerThread = 16;
  const qsizetype threads = std::clamp<qsizetype>(fileNames.size() / FilesPerThread, 1, MaxThreads);
  auto deleteEvery = [&fileNames, threads](qsizetype first) {
    for (qsizetype i = first; i < fileNames.size(); i += threads) QFile::remove(fileNames[i]);
  };
  std::vector<std::thread> helpers;
  for (qsizetype t = 1; t < threads; ++t) helpers.emplace_back(deleteEvery, t);
  deleteEvery(0);
  for (std::thread& helper : helpers) helper.join();
}

TGatheredCharacter MakeGatheredCharacter(const QStringList& lines) {
  TGatheredCharacter character;
  character.Row = lines[0];
  character.Equipment = std::make_unique<TEquipment>();
  for (std::size_t i = 0; i < EquipmentGridRows.size(); ++i) {
    character.Equipment.get()->*EquipmentGridRows[i].Field = lines[static_cast<qsizetype>(i) + 1];
  }
  return character;
}

}  // namespace

bool IsGatheringCharacters() { return GatheringNow; }

std::vector<TGatherFailure> RunCharacterWorkers(const std::vector<TCharInfoThread*>& AWorkers) {
  // By position in the pool; a worker frees itself once handled.
  std::vector<std::optional<TGatherFailure>> failures(AWorkers.size());
  TThreadPool pool;
  pool.SetOnThreadTerminate([&failures](TThread* sender, int index) {
    const auto* worker = static_cast<const TCharInfoThread*>(sender);
    if (worker->Failed() && index >= 0) {
      failures[static_cast<std::size_t>(index)] = TGatherFailure{worker->CharFile(), worker->Error()};
    }
  });
  for (TCharInfoThread* worker : AWorkers) pool.Add(worker);
  pool.Execute();
  // A thread the system refused to start never terminates; count it down
  // here, or the wait below would never end.
  for (std::size_t i = 0; i < AWorkers.size(); ++i) {
    TCharInfoThread* worker = AWorkers[i];
    if (!StartFailed(worker)) continue;
    failures[i] = TGatherFailure{worker->CharFile(), QStringLiteral("Cannot start a thread")};
    pool.ThreadTerminated(worker);
    worker->deleteLater();
  }
  do {
    QThread::msleep(PollIntervalMs);
    QCoreApplication::processEvents();
  } while (!pool.Completed());

  std::vector<TGatherFailure> result;
  for (std::optional<TGatherFailure>& failure : failures) {
    if (failure) result.push_back(std::move(*failure));
  }
  return result;
}

std::vector<TGatheredCharacter> CollectExchangeFiles(const QString& ANotesPath) {
  const QDir notes(ANotesPath);
  const QStringList files = notes.entryList({QStringLiteral("*.inf")}, QDir::Files | QDir::Hidden | QDir::System,
                                            QDir::Name | QDir::IgnoreCase);
  std::vector<TGatheredCharacter> characters;
  characters.reserve(static_cast<std::size_t>(files.size()));
  QStringList paths;
  paths.reserve(files.size());
  for (const QString& file : files) {
    paths.append(notes.filePath(file));
    const std::optional<QStringList> lines = ReadExchangeFile(paths.last());
    if (lines && lines->size() >= ExchangeLineCount) characters.push_back(MakeGatheredCharacter(*lines));
  }
  DeleteFiles(paths);
  return characters;
}

TGatherResult GatherCharacters(const QString& AMainPath, const QString& ANotesPath, const TItemLookup& ALookup) {
  const TGatheringScope scope;
  TGatherResult result;
  std::vector<TCharInfoThread*> workers;
  for (const QString& charFile : FindCharacterFiles(AMainPath)) {
    workers.push_back(new TCharInfoThread(charFile, ANotesPath, ALookup));
  }
  result.Failures = RunCharacterWorkers(workers);
  result.Characters = CollectExchangeFiles(ANotesPath);
  return result;
}

TGatherResult GatherCharacters(const QString& AMainPath, const QString& ANotesPath, const TItemNames& AItems) {
  return GatherCharacters(AMainPath, ANotesPath, TItemLookup(AItems));
}
