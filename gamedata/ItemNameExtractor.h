#pragma once

#include <QString>
#include <QStringList>

// Item display names read from a game installation.
struct TItemNameExtraction {
  // "record path=display name", paths in lower case, sorted by path.
  QStringList Lines;
  // What could not be read, one message each (naming the file); Lines then
  // holds whatever names could be read.
  QStringList Problems;

  bool Failed() const { return !Problems.isEmpty(); }
};

// Reads the English tag texts and the databases of the base game and its
// expansions (later ones override records and tags of earlier ones) and gives
// every record that can name an item its display name. Missing files are
// skipped; a folder without any database, or without any tag texts, fails.
TItemNameExtraction ExtractItemNames(const QString& gameFolder);
