#pragma once

#include <QString>
#include <functional>

// Where the program keeps its settings file and its Notes folder.
//
// A copy run from a folder it may write to is "portable": the settings file is
// the program file's path with the extension ".ini" and Notes lies beside it.
// An installed copy (its folder not writable) uses the desktop's per-user
// folders instead: "quillmark.ini" in the application's configuration folder
// and "Notes" in its data folder.
struct TFileLocations {
  QString IniFile;
  QString NotesPath;  // with a trailing separator
  bool Portable = true;
};

// Answers whether files can be created in a folder.
using TFolderWritableProbe = std::function<bool(const QString& AFolder)>;

// Creates and removes a file in the folder. Permission bits alone do not
// answer the question: they say nothing of read-only mounts, and root passes
// them all.
bool CanCreateFilesIn(const QString& AFolder);

// The settings file and Notes folder beside the program file.
TFileLocations PortableFileLocations(const QString& AProgramFile);
// The settings file "quillmark.ini" in AConfigFolder, Notes in ADataFolder.
TFileLocations DesktopFileLocations(const QString& AConfigFolder, const QString& ADataFolder);

// The one decision: portable when AIsWritable says the program file's folder
// is writable, otherwise the desktop's QStandardPaths::AppConfigLocation and
// QStandardPaths::AppDataLocation.
TFileLocations ChooseFileLocations(const QString& AProgramFile,
                                   const TFolderWritableProbe& AIsWritable = CanCreateFilesIn);
