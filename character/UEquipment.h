#pragma once

// The equipment texts of one character as the character list keeps them.

#include "StringList.h"
#include "UModels.h"

#include <QLatin1String>
#include <QString>

#include <array>

// The display texts of a character's sixteen equipment slots (empty for an
// empty slot), attached to the character's list row.
class TEquipment : public TObject {
public:
  QString Head;
  QString Amulet;
  QString Chest;
  QString Legs;
  QString Feet;
  QString Hands;
  QString Ring1;
  QString Ring2;
  QString Belt;
  QString Shoulder;
  QString Medal;
  QString Relic;
  QString Weapon1;
  QString Weapon2;
  QString Weapon1Alt;
  QString Weapon2Alt;
};

// One row of the equipment grid: its key, the slot and the field it shows.
struct TEquipmentGridRow {
  QLatin1String Key;
  TEquipmentSlot Slot;
  QString TEquipment::*Field;
};

// The equipment grid's rows in grid order, without its blank separator row
// (which comes after "Relic").
extern const std::array<TEquipmentGridRow, EquipmentSlotCount> EquipmentGridRows;
