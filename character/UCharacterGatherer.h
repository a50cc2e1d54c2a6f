#pragma once

// The part of a character list refresh that needs no window: one worker per
// character folder, all at once under a thread pool, then the rows collected
// from the exchange files they leave in the Notes folder.

#include "UEquipment.h"
#include "UModels.h"

#include <QString>

#include <memory>
#include <vector>

class TCharInfoThread;
class TItemLookup;

// One character as an exchange file gives it.
struct TGatheredCharacter {
  QString Row;  // the row string of the character list
  std::unique_ptr<TEquipment> Equipment;
};

// A character whose worker ended without an exchange file.
struct TGatherFailure {
  QString CharFile;
  QString Message;
};

struct TGatherResult {
  // In the listing order of the exchange files.
  std::vector<TGatheredCharacter> Characters;
  // In the order of the character files.
  std::vector<TGatherFailure> Failures;
};

// Lists the character folders of AMainPath, runs one TCharInfoThread per
// folder with ANotesPath and copies of AItems' two lists, waits for all of
// them and collects every exchange file of ANotesPath (left-overs of an
// earlier run too), deleting each. Main thread only. While it waits it
// sleeps 100 ms and then handles pending events, again and again, so the
// windows stay live and a worker's fatal-error report can reach the main
// thread. A call made while another is waiting (from an event handled
// during that wait) raises EError and changes nothing.
// Each worker copies ALookup, so a caller that refreshes often builds it once.
TGatherResult GatherCharacters(const QString& AMainPath, const QString& ANotesPath, const TItemLookup& ALookup);
TGatherResult GatherCharacters(const QString& AMainPath, const QString& ANotesPath, const TItemNames& AItems);

// True while GatherCharacters runs.
bool IsGatheringCharacters();

// Starts the workers all at once under a thread pool and waits for them as
// GatherCharacters does; returns the workers that failed, in the given
// order. The workers free themselves. One that cannot be started counts as
// failed and is freed here.
std::vector<TGatherFailure> RunCharacterWorkers(const std::vector<TCharInfoThread*>& AWorkers);

// Turns every "*.inf" file of ANotesPath into a character, in listing order,
// and deletes each file. A file with fewer than 17 lines, or one that cannot
// be read or is far larger than any exchange file, gives no character and is
// deleted too. The files are deleted once all are read.
std::vector<TGatheredCharacter> CollectExchangeFiles(const QString& ANotesPath);
