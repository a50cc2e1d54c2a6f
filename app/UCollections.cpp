#include "UCollections.h"

#include "IniFile.h"
#include "StringList.h"
#include "TextFile.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The item categories of a new collections file.
const char* const DefaultCategories[] = {
    "Amulets",
    "Axes - 1 Hand",
    "Axes - 2 Hand",
    "Belts",
    "Bonespikes",
    "Boots",
    "Chest Armor",
    "Crossbows",
    "Daggers",
    "Faction Warrants",
    "Gloves",
    "Head Gear",
    "Maces - 1 Hand",
    "Maces - 2 Hand",
    "Medals",
    "Off Hands",
    "Pants",
    "Pistols",
    "Rifles",
    "Rings",
    "Scepters",
    "Shields",
    "Shoulders",
    "Swords - 1 Hand",
    "Swords - 2 Hand",
    "Yeti Horns",
};

}  // namespace

void CreateDefaultCollections(const QString& AFileName) {
  TStringList headers;
  for (const char* category : DefaultCategories) {
    headers.Add(QLatin1Char('[') + QLatin1String(category) + QLatin1Char(']'));
  }
  headers.Sort();
  WriteTextFileLines(AFileName, headers.ToStringList());
}

TFCollections::TFCollections(QObject* AOwner, QWidget* AParent)
    : TDialogedForm(AOwner, AParent), tvCollections(new QTreeWidget(this)) {
  setWindowTitle(QStringLiteral("Specialised Collectors"));
  SetFixedClientSize(301, 562);

  tvCollections->setObjectName(QStringLiteral("tvCollections"));
  tvCollections->setHeaderHidden(true);
  tvCollections->setIndentation(19);
  tvCollections->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvCollections->setFont(BoldListFont());
  QPalette palette = tvCollections->palette();
  palette.setColor(QPalette::Text, QColor(0, 128, 0));
  tvCollections->setPalette(palette);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 3);
  layout->addWidget(tvCollections);
}

void TFCollections::FormShow() {
  tvCollections->clear();
  const TIniFile ini(FCollectionsFile);
  for (const QString& section : ini.ReadSections()) {
    auto* category = new QTreeWidgetItem(tvCollections, QStringList(section));
    for (const QString& character : ini.ReadSection(section)) {
      new QTreeWidgetItem(category, QStringList(character));
    }
  }
}
