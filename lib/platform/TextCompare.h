#pragma once

#include <QCollatorSortKey>
#include <QString>

// The one case-insensitive comparison in the user's locale order. Every list,
// table and search that the program orders "without regard to case" uses it,
// so a table sorted on the main thread is searched consistently by workers.
// Safe to call from any thread.
int CompareTextLocale(const QString& a, const QString& b);

// A locale-aware, case-sensitive comparison for lists that want it.
int CompareStrLocale(const QString& a, const QString& b);

// A key whose byte order equals the order of CompareTextLocale; for sorting
// large tables with one key computation per entry.
QCollatorSortKey TextSortKey(const QString& text);

// Compares while folding only the ASCII letters a-z to capitals; other code
// units are compared by value.
int CompareTextAscii(const QString& a, const QString& b);
bool SameTextAscii(const QString& a, const QString& b);
// The text with a-z made upper case; every other character stays.
QString UpperAscii(const QString& text);

// Removes every leading and trailing character with a code of 32 or below.
QString TrimControl(const QString& text);
