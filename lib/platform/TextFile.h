#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's text file format.
//
// Reading honours a UTF-16 LE, UTF-16 BE or UTF-8 byte-order mark (tried in
// that order) and otherwise reads Windows-1252. Writing puts CR LF after
// every line, in Windows-1252 when every character fits, otherwise in UTF-8
// with a byte-order mark, so nothing a user typed is ever replaced.
//
// Every write replaces the file atomically: the data goes to a temporary
// file beside it, which is then renamed over it, so a failed write leaves the
// old file whole. Failures raise EFileError with the system's reason.

// How far a write must reach before it returns. Both kinds replace the file
// atomically; a durable write also waits until the data is on disk, which a
// scratch file (one deleted again within the same run) does not need.
enum class TWriteDurability { Durable, Scratch };

QString DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text);

// Reads a whole file as text.
QString ReadTextFile(const QString& fileName);
// Reads a file's lines (CR LF, LF or CR; a final break adds no empty line).
QStringList ReadTextFileLines(const QString& fileName);

// Writes the text exactly as given (no line ends added).
void WriteTextFile(const QString& fileName, const QString& text);
// Writes each line followed by CR LF.
void WriteTextFileLines(const QString& fileName, const QStringList& lines,
                        TWriteDurability durability = TWriteDurability::Durable);

// Reads all bytes of a regular file; raises EFileError when it cannot be
// read, is not a regular file (a pipe or a device would never end), or is
// larger than maxSize bytes (when maxSize is not negative).
QByteArray ReadFileBytes(const QString& fileName, qint64 maxSize = -1);
// Replaces a file's bytes atomically; raises EFileError on failure.
void WriteFileBytesAtomic(const QString& fileName, const QByteArray& bytes,
                          TWriteDurability durability = TWriteDurability::Durable);
