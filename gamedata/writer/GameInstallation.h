#pragma once

#include "ArcWriter.h"
#include "ArzWriter.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// A game installation made by the writers, for tests and benchmarks: per
// layer (0 the base game, 1 to 3 the expansions) a database and a text
// archive, each written only when it was given content.
class TGameInstallationWriter {
public:
  static constexpr int LayerCount = 4;

  TArzWriter& Database(int layer);
  // Adds a tag file ("tag=text" lines) to the layer's text archive.
  void AddTagFile(int layer, const QString& name, const QByteArray& text);

  // Writes the layers into the folder at the game's paths; returns the files written.
  QStringList Write(const QString& gameFolder);

private:
  struct TLayer {
    TArzWriter Database;
    bool HasDatabase = false;
    std::vector<std::pair<QString, QByteArray>> TagFiles;
  };
  std::array<TLayer, LayerCount> FLayers;
};

// A small installation with every kind of record that names an item. Its
// extraction gives these lines:
//   records/items/gearhead/a01_head001.dbr=Leather Hood           (base, replaced by the first expansion)
//   records/items/gearhead/x01_head001.dbr=Hood of Ash             (first expansion only)
//   records/items/gearweapons/swords1h/a01_sword001.dbr=Rusted Steel Sword  (quality, style; style text replaced)
//   records/items/geartorso/c01_torso001.dbr=Mantle of the Weeping Eye      (colour codes removed)
//   records/items/gearhands/a01_hands001.dbr=Steel Gloves                   (path in mixed case)
//   records/items/lootaffixes/prefix/aa002a_exp_01.dbr=Enlightening         (lootRandomizerName over description)
//   records/items/lootaffixes/suffix/a032b_off_dmg%acid_08_je.dbr=of Corrosion
//   records/items/gearrelic/d001_relic.dbr=Ascension                        (description)
//   records/items/materia/compa_aethercrystal.dbr=Aether Crystal           (description)
//   records/storyelements/rewards/q003_ring_slithring.dbr=Slith Primal Ring (item class outside records/items)
// and leaves out a blueprint whose tag has no text, a record whose name tag is
// unknown, a monster and a skill.
TGameInstallationWriter SampleGameInstallation();

// An installation whose databases together take about `databaseBytes` bytes,
// with realistic proportions of item, affix and other records, for measuring
// the extraction. Returns the number of item names its extraction gives.
int WriteLargeGameInstallation(const QString& gameFolder, std::uint64_t databaseBytes);
