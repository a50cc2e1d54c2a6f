#pragma once

// The commands of quillmark-cli, apart from the process, so tests can run them.
//
//   inspect FILE...                          one JSON line per save file
//   list SAVE_DIR [--format table|csv|json]  the character rows of a save directory
//
// Returns the exit status: 0 only when everything asked for was read, 1 when
// a file could not be read or loaded, 2 for a usage error.

#include <QStringList>
#include <QTextStream>

int RunQuillmarkCli(const QStringList& AArguments, QTextStream& AOut, QTextStream& AErr);
