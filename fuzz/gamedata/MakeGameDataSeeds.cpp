// Writes small valid archives, databases and tag texts as seeds for fuzz_gamedata.
#include "ArcWriter.h"
#include "ArzWriter.h"
#include "TextFile.h"

#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_gamedata_seeds <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  auto write = [&](const char* name, const QByteArray& bytes) {
    WriteFileBytesAtomic(folder + QLatin1Char('/') + QLatin1String(name), bytes);
  };
  const QByteArray tags = "\xEF\xBB\xBF# items\r\ntagHelm={^y}Helm^w\r\ntagStyle=Leather\ntagRelic=Ascension\r";

  TArcWriter archive;
  archive.AddFile(QStringLiteral("tags_items.txt"), tags + tags + tags, 64);
  archive.AddLeftover();
  archive.AddFile(QStringLiteral("raw.txt"), "tagRaw=Raw", 0, TArcWriter::TStorage::Raw);
  write("archive.arc", archive.Build());
  write("archive-empty.arc", TArcWriter().Build());

  TArzWriter database;
  database.SetStringBlocks(2);
  database.SetReverseDataOrder(true);
  database.AddRecord("records/items/gearhead/a01_head001.dbr", "ArmorProtective_Head")
      .String("itemStyleTag", "tagStyle")
      .String("itemQualityTag", "tagQuality")
      .String("itemNameTag", "tagHelm")
      .Integer("levelRequirement", 3)
      .Float("defensiveProtection", 1.5f)
      .Boolean("hidden", false);
  database.AddRecord("records/items/lootaffixes/prefix/a01.dbr", "LootRandomizer").String("lootRandomizerName", "tagAffix");
  database.AddRecord("records/items/gearrelic/d001.dbr", "ItemRelic").String("description", "tagRelic");
  database.AddRecord("records/creatures/monster.dbr", "");
  write("database.arz", database.Build());

  write("tags.txt", tags);
  return 0;
}
