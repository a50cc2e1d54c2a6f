#include "UCollections.h"
#include "UEditCollector.h"

#include "IniFile.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace {

class EditCollectorTest : public ::testing::Test {
protected:
  QString CollectionsFile() const { return FDir.filePath(QStringLiteral("Collections.ini")); }

  void WriteCollections(const QStringList& ALines) { WriteTextFileLines(CollectionsFile(), ALines); }
  QStringList CollectionsLines() const { return ReadTextFileLines(CollectionsFile()); }

  // Opens the collector window for the character, lets the script work on
  // its check list, and returns what the window showed before the script ran.
  std::map<QString, bool> RunCollector(const QString& ACharacter,
                                       const std::function<void(TFEditCollector&, QListWidget&)>& AScript = {}) {
    std::map<QString, bool> shown;
    TFEditCollector window(nullptr, nullptr);
    window.SetCollectionsFile(CollectionsFile());
    window.SetCharacter(ACharacter);
    RunWindow(window, [&] {
      auto* list = window.findChild<QListWidget*>(QStringLiteral("clbCollections"));
      for (int i = 0; i < list->count(); ++i) shown[list->item(i)->text()] = list->item(i)->checkState() == Qt::Checked;
      if (AScript) AScript(window, *list);
    });
    return shown;
  }

  static void Tick(QListWidget& AList, const QString& ACategory, bool ATicked) {
    const QList<QListWidgetItem*> found = AList.findItems(ACategory, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << ACategory.toStdString();
    found.first()->setCheckState(ATicked ? Qt::Checked : Qt::Unchecked);
  }

  static void Click(TFEditCollector& AWindow, const char* AButton) {
    AWindow.findChild<QPushButton*>(QLatin1String(AButton))->click();
  }

  QTemporaryDir FDir;
};

TEST_F(EditCollectorTest, TicksTheCategoriesWhereTheCharacterIsAKeyWhateverItsCaseOrValue) {
  WriteCollections({"[Amulets]", "ROSA=yes", "[Hand Made]", "Bob=1", "[Rings]", "rosa=1", "[Medals]", "Rosalind=1"});
  QStringList order;
  const auto shown = RunCollector(QStringLiteral("Rosa"), [&](TFEditCollector& window, QListWidget& list) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rosa Collections"));
    for (int i = 0; i < list.count(); ++i) order.append(list.item(i)->text());
  });
  EXPECT_EQ(order, QStringList({"Amulets", "Hand Made", "Rings", "Medals"}));
  EXPECT_EQ(shown, (std::map<QString, bool>{{"Amulets", true}, {"Hand Made", false}, {"Rings", true}, {"Medals", false}}));
}

TEST_F(EditCollectorTest, SavedTicksAppearInTheTreeUnderEachCategory) {
  CreateDefaultCollections(CollectionsFile());
  RunCollector(QStringLiteral("Rosa"), [](TFEditCollector& window, QListWidget& list) {
    Tick(list, QStringLiteral("Rings"), true);
    Tick(list, QStringLiteral("Medals"), true);
    Click(window, "bynSave");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
  });
  const TIniFile ini(CollectionsFile());
  EXPECT_EQ(ini.ReadString(QStringLiteral("Rings"), QStringLiteral("Rosa"), QString()), QStringLiteral("1"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Medals"), QStringLiteral("Rosa"), QString()), QStringLiteral("1"));
  EXPECT_EQ(ini.ReadSections().size(), 26);

  QStringList collectors;
  TFCollections tree(nullptr, nullptr);
  tree.SetCollectionsFile(CollectionsFile());
  RunWindow(tree, [&] {
    auto* view = tree.findChild<QTreeWidget*>(QStringLiteral("tvCollections"));
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      for (int k = 0; k < view->topLevelItem(i)->childCount(); ++k) {
        collectors.append(view->topLevelItem(i)->text(0) + QLatin1Char('/') + view->topLevelItem(i)->child(k)->text(0));
      }
    }
  });
  EXPECT_EQ(collectors, QStringList({"Medals/Rosa", "Rings/Rosa"}));
}

TEST_F(EditCollectorTest, UntickingRemovesOnlyThatCharactersKey) {
  WriteCollections({"[Rings]", "Bob=1", "rOSA=yes", "Zed=1", "[Medals]", "Rosa=1"});
  RunCollector(QStringLiteral("Rosa"), [](TFEditCollector& window, QListWidget& list) {
    Tick(list, QStringLiteral("Rings"), false);
    Click(window, "bynSave");
  });
  EXPECT_EQ(CollectionsLines(), QStringList({"[Rings]", "Bob=1", "Zed=1", "[Medals]", "Rosa=1"}));
}

TEST_F(EditCollectorTest, CancelAndTheCloseBoxWriteNothing) {
  const QStringList before = {"[Rings]", "Rosa=yes", "[Medals]"};
  const std::pair<const char*, std::function<void(TFEditCollector&)>> closers[] = {
      {"Cancel", [](TFEditCollector& window) { Click(window, "btnCancel"); }},
      {"close box", [](TFEditCollector& window) { window.close(); }},
  };
  for (const auto& [name, closeWindow] : closers) {
    WriteCollections(before);
    RunCollector(QStringLiteral("Rosa"), [&](TFEditCollector& window, QListWidget& list) {
      Tick(list, QStringLiteral("Rings"), false);
      Tick(list, QStringLiteral("Medals"), true);
      closeWindow(window);
      EXPECT_EQ(window.result(), QDialog::Rejected) << name;
    });
    EXPECT_EQ(CollectionsLines(), before) << name;
  }
}

// A name that would be read back as another key, a section, a comment or
// extra lines is refused rather than written.
TEST_F(EditCollectorTest, NamesThatCannotBeStoredAreRefusedAndNothingIsWritten) {
  const QString names[] = {"Ro=sa", "[Rosa]", ";Rosa", " Rosa", "Rosa\r\n[Rings]", ""};
  for (const QString& name : names) {
    WriteCollections({"[Rings]", "[Medals]", "Bob=1"});
    TGeneralErrors errors;
    RunCollector(name, [](TFEditCollector& window, QListWidget& list) {
      Tick(list, QStringLiteral("Rings"), true);
      Click(window, "bynSave");
    });
    EXPECT_EQ(CollectionsLines(), QStringList({"[Rings]", "[Medals]", "Bob=1"})) << name.toStdString();
    EXPECT_EQ(errors.Messages.size(), 1) << name.toStdString();
  }
}

TEST_F(EditCollectorTest, AFailedWriteIsReportedWithTheFilePath) {
  const QString folder = FDir.filePath(QStringLiteral("Notes"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString file = folder + QStringLiteral("/Collections.ini");
  WriteTextFileLines(file, {"[Rings]"});
  TGeneralErrors errors;
  TFEditCollector window(nullptr, nullptr);
  window.SetCollectionsFile(file);
  window.SetCharacter(QStringLiteral("Rosa"));
  RunWindow(window, [&] {
    Tick(*window.findChild<QListWidget*>(QStringLiteral("clbCollections")), QStringLiteral("Rings"), true);
    ASSERT_TRUE(QDir(folder).removeRecursively());
    Click(window, "bynSave");
  });
  ASSERT_EQ(errors.Messages.size(), 1);
  EXPECT_TRUE(errors.Messages.first().contains(file));
}

}  // namespace
