#pragma once

// The commands of quillmark-cli, apart from the process, so tests can run them.
//
//   inspect [--item-names FILE] [--game DIR] FILE...
//       one JSON line per save file; with --item-names or --game also each
//       slot's text
//   list SAVE_DIR [--format table|csv|json] [--item-names FILE] [--game DIR]
//       the character rows of a save directory, gathered by the character
//       workers through a private temporary Notes folder
//   names --game DIR
//       the item names of a game installation, "record path=display name"
//
// --item-names FILE: "record path=display name" lines merged into the item
// name table; they win over built-in lines for the same record path.
// --game DIR: the names read from the game installation in DIR (nothing is
// cached) merged in the same way; the lines of --item-names win over them.
// A game folder whose files cannot all be read is an error (status 1).
//
// Returns the exit status: 0 only when everything asked for was read, 1 when
// a file could not be read or loaded, 2 for a usage error.

#include <QStringList>
#include <QTextStream>

int RunQuillmarkCli(const QStringList& AArguments, QTextStream& AOut, QTextStream& AErr);
