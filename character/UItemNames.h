#pragma once

// The item name lines the program carries: the embedded text and the lines
// added in code. Each line is "record path=display name".

#include <QStringList>

// The lines of the embedded item name text, in file order.
QStringList EmbeddedItemNameLines();

// Lines for records outside the game's item folders that characters can
// still wear; appended after the embedded text.
const QStringList& ItemNameLinesAddedInCode();
