#pragma once

// Helpers of the character gathering tests: save folders made by the save
// writer, a Notes folder beside them, and clean-up of finished workers.

#include "../save/SaveTestSupport.h"

#include "FinishedWorkers.h"
#include "GdcWriter.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

// A temporary folder holding a save directory "save" and a Notes folder
// "Notes", side by side.
class TGatherFolders {
public:
  TGatherFolders() {
    QDir root(FRoot.path());
    root.mkpath(QStringLiteral("save/main"));
    root.mkpath(QStringLiteral("Notes"));
  }

  QString Root() const { return FRoot.path(); }
  QString MainPath() const { return FRoot.filePath(QStringLiteral("save/main")); }
  QString NotesPath() const { return FRoot.filePath(QStringLiteral("Notes")) + QLatin1Char('/'); }

  // Writes a save as main/<AFolder>/player.gdc; returns its path.
  QString AddSave(const QString& AFolder, const TGdcSave& ASave) const {
    return AddSaveBytes(AFolder, WriteGdc(ASave));
  }
  QString AddSaveBytes(const QString& AFolder, const QByteArray& ABytes) const {
    const QString path = QDir(MainPath()).filePath(AFolder + QStringLiteral("/player.gdc"));
    QDir().mkpath(QFileInfo(path).path());
    WriteFileBytesAtomic(path, ABytes);
    return path;
  }

  // The entries of the Notes folder, hidden ones too.
  QStringList NotesEntries() const {
    return QDir(NotesPath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                       QDir::Name);
  }

private:
  QTemporaryDir FRoot;
};

// A save of the given name with nothing equipped.
inline TGdcSave NamedSave(const QString& AName) {
  TGdcSave save;
  save.Name = AName;
  return save;
}
