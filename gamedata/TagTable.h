#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

class TArcArchive;

// Tag texts by tag, from one or more tag files; a later file's text replaces
// an earlier one of the same tag.
class TTagTable {
public:
  void AddFile(const QByteArray& fileBytes);
  // Adds every file of a text archive in order. A file that cannot be
  // extracted is skipped and its problem appended to `problems`.
  void AddArchive(const TArcArchive& archive, QStringList& problems);

  int Count() const { return int(FTexts.size()); }
  // The text of a tag; a null string when the tag is unknown.
  QString Text(QByteArrayView tag) const;

private:
  QHash<QByteArray, QString> FTexts;
};
