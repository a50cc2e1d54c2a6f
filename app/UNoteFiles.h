#pragma once

#include <QString>
#include <QStringList>

// The per-character note files of the Notes folder.
//
// A note is plain text: every line of the memo, the last one too, followed
// by CR LF; a memo without text gives an empty file. Reading honours a
// byte-order mark; writing replaces the file atomically (see TextFile.h).

// ANotesPath (with its trailing separator) + the name mapped to a file name
// that stays inside the folder + ".txt".
QString NoteFileName(const QString& ANotesPath, const QString& ACharacterName);

// The memo's text as note lines: one line per text line; no lines for an
// empty text.
QStringList NoteLines(const QString& AMemoText);

// The note file's text for the memo (its lines joined by line feeds).
// Raises EFileError when the file cannot be read.
QString ReadNoteText(const QString& AFileName);
// Creates or replaces the note file. Raises EFileError when it cannot be written.
void WriteNoteText(const QString& AFileName, const QString& AMemoText);
