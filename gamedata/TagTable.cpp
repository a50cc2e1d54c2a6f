#include "TagTable.h"

#include "ArcArchive.h"
#include "Errors.h"
#include "TagText.h"

void TTagTable::AddFile(const QByteArray& fileBytes) {
  ForEachTag(fileBytes, [this](const QString& tag, const QString& text) { FTexts.insert(tag.toUtf8(), text); });
}

void TTagTable::AddArchive(const TArcArchive& archive, QStringList& problems) {
  for (int i = 0; i < int(archive.Files().size()); ++i) {
    try {
      AddFile(archive.Extract(i));
    } catch (const EError& e) {
      problems << e.Message();
    }
  }
}

QString TTagTable::Text(QByteArrayView tag) const {
  const auto found = FTexts.constFind(QByteArray::fromRawData(tag.data(), tag.size()));
  return found == FTexts.constEnd() ? QString() : found.value();
}
