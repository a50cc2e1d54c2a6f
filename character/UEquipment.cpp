#include "UEquipment.h"

constinit const std::array<TEquipmentGridRow, EquipmentSlotCount> EquipmentGridRows = {{
    {QLatin1String("Head"), esHead, &TEquipment::Head},
    {QLatin1String("Chest"), esChest, &TEquipment::Chest},
    {QLatin1String("Shoulder"), esShoulder, &TEquipment::Shoulder},
    {QLatin1String("Gloves"), esHands, &TEquipment::Hands},
    {QLatin1String("Leggings"), esLegs, &TEquipment::Legs},
    {QLatin1String("Boots"), esFeet, &TEquipment::Feet},
    {QLatin1String("Belt"), esBelt, &TEquipment::Belt},
    {QLatin1String("Ring 1"), esRing1, &TEquipment::Ring1},
    {QLatin1String("Ring 2"), esRing2, &TEquipment::Ring2},
    {QLatin1String("Amulet"), esAmulet, &TEquipment::Amulet},
    {QLatin1String("Medal"), esMedal, &TEquipment::Medal},
    {QLatin1String("Relic"), esRelic, &TEquipment::Relic},
    {QLatin1String("Right Hand"), esWeapon1, &TEquipment::Weapon1},
    {QLatin1String("Left Hand"), esWeapon2, &TEquipment::Weapon2},
    {QLatin1String("Right Hand Alt"), esWeapon1Alt, &TEquipment::Weapon1Alt},
    {QLatin1String("Left Hand Alt"), esWeapon2Alt, &TEquipment::Weapon2Alt},
}};
