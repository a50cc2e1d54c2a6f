#pragma once

#include "IniFile.h"

#include <QSize>
#include <QString>

// The program's settings file: the game's save directory and game folder,
// the main window's outer size and the general-notes editor's size.
//
//   [PATHS] GD Save Path          the save directory ("c:" when none was chosen)
//   [PATHS] GD Install Path       the game folder the player chose (empty: look for it)
//   [FORM]  Width, Height         the main window's outer size in pixels
//   [NOTES] Notes Height, Notes Width   the general-notes editor's size
//
// Reads never fail: a missing file, key or number gives the default. Writes
// raise EFileError and leave the file as it was.
class TMainSettings {
public:
  explicit TMainSettings(QString AFileName) : FIni(std::move(AFileName)) {}


  // The value that stands for "no save directory chosen yet": "c:" and the
  // path separator. Compared exactly, letter case included.
  static QString NoSavePath();

  // The save directory with a trailing separator.
  QString SavePath() const;
  // Stores the path as given (the caller adds the separator).
  void WriteSavePath(const QString& APath);

  // The game folder chosen by hand; empty when none was.
  QString GameFolder() const;
  void WriteGameFolder(const QString& AFolder);

  // Width and height from [FORM]; each missing value takes the default's.
  QSize FormSize(const QSize& ADefault) const;
  // Writes Width, then Height.
  void WriteFormSize(const QSize& ASize);

  static constexpr int DefaultNotesWidth = 550;
  static constexpr int DefaultNotesHeight = 480;
  QSize NotesEditorSize() const;
  // Writes Notes Height, then Notes Width.
  void WriteNotesEditorSize(const QSize& ASize);

private:
  TIniFile FIni;
};
