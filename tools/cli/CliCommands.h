#pragma once

// The commands of quillmark-cli, apart from the process, so tests can run them.
//
//   inspect [--item-names FILE] FILE...
//       one JSON line per save file; with --item-names also each slot's text
//   list SAVE_DIR [--format table|csv|json] [--item-names FILE]
//       the character rows of a save directory, gathered by the character
//       workers through a private temporary Notes folder
//
// --item-names FILE: "record path=display name" lines merged into the item
// name table; they win over built-in lines for the same record path.
//
// Returns the exit status: 0 only when everything asked for was read, 1 when
// a file could not be read or loaded, 2 for a usage error.

#include <QStringList>
#include <QTextStream>

int RunQuillmarkCli(const QStringList& AArguments, QTextStream& AOut, QTextStream& AErr);
