#pragma once

#include "UDialogedForm.h"

#include <QString>

class QTreeWidget;

// Writes the default collections file: one section header per item category,
// sorted without regard to case, nothing else. Creates or replaces the file;
// raises EFileError when it cannot be written.
void CreateDefaultCollections(const QString& AFileName);

// Shows the whole collections file as a read-only tree: one top-level node
// per category (section) and under it the characters (keys) that collect it,
// both in file order. The nodes start collapsed.
class TFCollections : public TDialogedForm {
  Q_OBJECT

public:
  TFCollections(QObject* AOwner, QWidget* AParent);

  const QString& CollectionsFile() const { return FCollectionsFile; }
  void SetCollectionsFile(const QString& AFileName) { FCollectionsFile = AFileName; }

protected:
  void FormShow() override;

private:
  QTreeWidget* tvCollections;
  QString FCollectionsFile;
};
