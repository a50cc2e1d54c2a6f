// Feeds one input to both readers of the game's data files and to the tag
// text parser: archives with every file extracted and parsed as tag texts,
// databases with every record read and its name tags taken.
#include "ArcArchive.h"
#include "ArzDatabase.h"
#include "GameDataError.h"
#include "ItemNameRule.h"
#include "TagTable.h"
#include "TagText.h"

#include <cstddef>
#include <cstdint>

namespace {

const QString InputName = QStringLiteral("fuzz-input");

void ReadAsArchive(const QByteArray& bytes) {
  try {
    const TArcArchive archive = TArcArchive::FromBytes(bytes, InputName);
    TTagTable texts;
    QStringList problems;
    texts.AddArchive(archive, problems);
  } catch (const EGameDataError&) {
  }
}

void ReadAsDatabase(const QByteArray& bytes) {
  try {
    const TArzDatabase database = TArzDatabase::FromBytes(bytes, InputName);
    const TItemNameFieldReader reader(database);
    TArzRecord record;
    for (int i = 0; i < database.RecordCount(); ++i) {
      CanNameItem(database.RecordPath(i), database.RecordClass(i));
      try {
        database.ReadRecord(i, record);
        reader.Read(record);
      } catch (const EGameDataError&) {
      }
    }
  } catch (const EGameDataError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  ReadAsArchive(bytes);
  ReadAsDatabase(bytes);
  ForEachTag(bytes, [](const QString&, const QString&) {});
  return 0;
}
