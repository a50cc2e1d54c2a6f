#include "UEquipment.h"

#include "Errors.h"

QString TEquipment::*EquipmentField(TEquipmentSlot ASlot) {
  switch (ASlot) {
    case esHead: return &TEquipment::Head;
    case esAmulet: return &TEquipment::Amulet;
    case esChest: return &TEquipment::Chest;
    case esLegs: return &TEquipment::Legs;
    case esFeet: return &TEquipment::Feet;
    case esHands: return &TEquipment::Hands;
    case esRing1: return &TEquipment::Ring1;
    case esRing2: return &TEquipment::Ring2;
    case esBelt: return &TEquipment::Belt;
    case esShoulder: return &TEquipment::Shoulder;
    case esMedal: return &TEquipment::Medal;
    case esRelic: return &TEquipment::Relic;
    case esWeapon1: return &TEquipment::Weapon1;
    case esWeapon2: return &TEquipment::Weapon2;
    case esWeapon1Alt: return &TEquipment::Weapon1Alt;
    case esWeapon2Alt: return &TEquipment::Weapon2Alt;
  }
  throw EListError(ListIndexErrorMessage(static_cast<int>(ASlot)));
}

constinit const std::array<TEquipmentGridRow, EquipmentSlotCount> EquipmentGridRows = {{
    {QLatin1String("Head"), &TEquipment::Head},
    {QLatin1String("Chest"), &TEquipment::Chest},
    {QLatin1String("Shoulder"), &TEquipment::Shoulder},
    {QLatin1String("Gloves"), &TEquipment::Hands},
    {QLatin1String("Leggings"), &TEquipment::Legs},
    {QLatin1String("Boots"), &TEquipment::Feet},
    {QLatin1String("Belt"), &TEquipment::Belt},
    {QLatin1String("Ring 1"), &TEquipment::Ring1},
    {QLatin1String("Ring 2"), &TEquipment::Ring2},
    {QLatin1String("Amulet"), &TEquipment::Amulet},
    {QLatin1String("Medal"), &TEquipment::Medal},
    {QLatin1String("Relic"), &TEquipment::Relic},
    {QLatin1String("Right Hand"), &TEquipment::Weapon1},
    {QLatin1String("Left Hand"), &TEquipment::Weapon2},
    {QLatin1String("Right Hand Alt"), &TEquipment::Weapon1Alt},
    {QLatin1String("Left Hand Alt"), &TEquipment::Weapon2Alt},
}};
