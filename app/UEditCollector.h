#pragma once

#include "UDialogedForm.h"

#include <QString>

class QListWidget;
class QPushButton;
class QWidget;

// True when a character's name can be written as a key of the collections
// file and found again: not empty, no surrounding blanks, no "=", no control
// characters, and not read as a section header or comment.
bool IsStorableCollectorName(const QString& AName);

// A check list of the collection categories, ticked where the character
// collects one. "Save" writes the character's key into every ticked
// category and deletes it from every other; Cancel and the close box write
// nothing.
class TFEditCollector : public TDialogedForm {
  Q_OBJECT

public:
  TFEditCollector(QObject* AOwner, QWidget* AParent);

  const QString& CollectionsFile() const { return FCollectionsFile; }
  void SetCollectionsFile(const QString& AFileName) { FCollectionsFile = AFileName; }
  const QString& Character() const { return FCharacter; }
  void SetCharacter(const QString& AName) { FCharacter = AName; }

protected:
  void FormShow() override;

private:
  void bynSaveClick();
  void SaveCollections();

  QListWidget* clbCollections;
  QWidget* Panel1;
  QPushButton* btnCancel;
  QPushButton* bynSave;
  QString FCharacter;
  QString FCollectionsFile;
};
