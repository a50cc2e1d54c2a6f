#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of the program's text files (Windows-1252), by a table
// of our own so that it does not depend on the platform's codecs.
QString DecodeWindows1252(const QByteArray& bytes);

// True when every character of the text has a Windows-1252 byte.
bool FitsWindows1252(const QString& text);

// Encodes a text that fits Windows-1252 (check with FitsWindows1252 first;
// characters that do not fit become "?").
QByteArray EncodeWindows1252(const QString& text);
