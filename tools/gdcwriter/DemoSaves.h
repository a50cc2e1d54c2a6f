#pragma once

// The characters of the bundled demo save folder (examples/save).

#include "GdcWriter.h"

#include <QString>
#include <vector>

std::vector<TGdcSave> DemoSaves();

// The path of a character's save file below a save directory:
// ASaveDir/main/_<Name>/player.gdc.
QString DemoSaveFile(const QString& ASaveDir, const TGdcSave& ASave);

// Writes every demo character below ASaveDir, creating the folders.
void WriteDemoSaveFolder(const QString& ASaveDir);

// Small saves of every format version for a fuzzer's seed corpus, named
// seed-<n>.gdc, written to AFolder.
void WriteFuzzSeeds(const QString& AFolder);
