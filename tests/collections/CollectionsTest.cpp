#include "UCollections.h"

#include "WindowTestSupport.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QByteArray DefaultCollectionsBytes =
    "[Amulets]\r\n[Axes - 1 Hand]\r\n[Axes - 2 Hand]\r\n[Belts]\r\n[Bonespikes]\r\n[Boots]\r\n"
    "[Chest Armor]\r\n[Crossbows]\r\n[Daggers]\r\n[Faction Warrants]\r\n[Gloves]\r\n[Head Gear]\r\n"
    "[Maces - 1 Hand]\r\n[Maces - 2 Hand]\r\n[Medals]\r\n[Off Hands]\r\n[Pants]\r\n[Pistols]\r\n"
    "[Rifles]\r\n[Rings]\r\n[Scepters]\r\n[Shields]\r\n[Shoulders]\r\n[Swords - 1 Hand]\r\n"
    "[Swords - 2 Hand]\r\n[Yeti Horns]\r\n";

class CollectionsTest : public ::testing::Test {
protected:
  QString CollectionsFile() const { return FDir.filePath(QStringLiteral("Collections.ini")); }

  // The tree as "category" and "category/character" entries, with whether any node is expanded.
  QStringList ShownTree(bool* AnyExpanded = nullptr) {
    QStringList shown;
    bool expanded = false;
    TFCollections window(nullptr, nullptr);
    window.SetCollectionsFile(CollectionsFile());
    RunWindow(window, [&] {
      auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tvCollections"));
      for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* category = tree->topLevelItem(i);
        expanded = expanded || category->isExpanded();
        shown.append(category->text(0));
        for (int k = 0; k < category->childCount(); ++k) {
          shown.append(category->text(0) + QLatin1Char('/') + category->child(k)->text(0));
        }
      }
    });
    if (AnyExpanded != nullptr) *AnyExpanded = expanded;
    return shown;
  }

  QTemporaryDir FDir;
};

TEST_F(CollectionsTest, DefaultFileHoldsExactlyTheSortedCategoryHeaders) {
  WriteTextFileLines(CollectionsFile(), {QStringLiteral("[Old]"), QStringLiteral("Someone=1")});
  CreateDefaultCollections(CollectionsFile());
  EXPECT_EQ(FileBytes(CollectionsFile()), DefaultCollectionsBytes);

  bool anyExpanded = true;
  const QStringList shown = ShownTree(&anyExpanded);
  EXPECT_EQ(shown.size(), 26);
  EXPECT_EQ(shown.first(), QStringLiteral("Amulets"));
  EXPECT_EQ(shown.last(), QStringLiteral("Yeti Horns"));
  EXPECT_FALSE(anyExpanded);
}

TEST_F(CollectionsTest, TreeShowsCategoriesAndCollectorsInFileOrder) {
  WriteTextFileLines(CollectionsFile(), {
                                            QStringLiteral("[Rings]"),
                                            QStringLiteral("Zed=1"),
                                            QStringLiteral("amy=yes"),
                                            QStringLiteral("[My Own Category]"),
                                            QStringLiteral("; a comment"),
                                            QStringLiteral("[Amulets]"),
                                            QStringLiteral("Bob=1"),
                                        });
  EXPECT_EQ(ShownTree(), QStringList({"Rings", "Rings/Zed", "Rings/amy", "My Own Category", "Amulets",
                                      "Amulets/Bob"}));
}

TEST_F(CollectionsTest, MissingFileShowsAnEmptyTree) { EXPECT_TRUE(ShownTree().isEmpty()); }

}  // namespace
