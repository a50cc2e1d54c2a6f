#include "ULinks.h"

#include "QZ_ValueListEditor.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class LinksTest : public ::testing::Test {
protected:
  struct Window {
    TFLinks& Form;
    QListWidget* List() const { return Form.findChild<QListWidget*>(QStringLiteral("lbLinks")); }
    TValueListEditor* Editor() const { return Form.findChild<TValueListEditor*>(QStringLiteral("veLinks")); }
    QPushButton* Button(const char* name) const { return Form.findChild<QPushButton*>(QLatin1String(name)); }
    QStringList Titles() const {
      QStringList titles;
      for (int i = 0; i < List()->count(); ++i) titles.append(List()->item(i)->text());
      return titles;
    }
    void Edit() const { Button("btnEdit")->click(); }
    void Apply() const { Button("btnApply")->click(); }
    bool Editing() const { return Editor()->isVisible(); }
  };

  QString LinkFile() const { return FDir.filePath(QStringLiteral("WebLinks.ini")); }

  void RunLinks(const std::function<void(const Window&)>& AScript, const QString& AFile = {}) {
    TFLinks form(nullptr, nullptr);
    form.SetLinkFile(AFile.isEmpty() ? LinkFile() : AFile);
    RunWindow(form, [&] { AScript(Window{form}); });
  }

  QStringList ShownTitles() {
    QStringList titles;
    RunLinks([&](const Window& window) { titles = window.Titles(); });
    return titles;
  }

  QTemporaryDir FDir;
};

TEST_F(LinksTest, MissingFileIsCreatedWithTheGameHomePage) {
  EXPECT_EQ(ShownTitles(), QStringList({"Grim Dawn Home"}));
  EXPECT_EQ(FileBytes(LinkFile()), QByteArray("Grim Dawn Home=https://www.grimdawn.com\r\n"));
}

TEST_F(LinksTest, TitlesAreSortedAndADoubleClickOpensTheWholeTarget) {
  WriteTextFileLines(LinkFile(), {
                                     "wiki=https://grimdawn.fandom.com",
                                     "Builds=https://example.com/q?class=7&mastery=3",
                                     "no equals sign",
                                     "=nothing before",
                                     "Armory=C:\\Games\\armory.txt",
                                 });
  QStringList opened;
  const DesktopSeam::Opener previous = DesktopSeam::SetOpener([&](const QString& target) { opened.append(target); });
  RunLinks([&](const Window& window) {
    EXPECT_EQ(window.Titles(), QStringList({"", "Armory", "Builds", "", "wiki"}));
    QListWidget* list = window.List();
    const auto doubleClick = [&](int row) {
      const QPoint at = list->visualItemRect(list->item(row)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(2);
    doubleClick(3);
  });
  DesktopSeam::SetOpener(previous);
  EXPECT_EQ(opened, QStringList({"https://example.com/q?class=7&mastery=3", ""}));
}

TEST_F(LinksTest, OkWritesTheEditorRowsInTheirOrderAndListsThemSorted) {
  WriteTextFileLines(LinkFile(), {"b=2", "A=1"});
  RunLinks([&](const Window& window) {
    window.Edit();
    TValueListEditor* editor = window.Editor();
    ASSERT_EQ(editor->Strings(), QStringList({"A=1", "b=2"}));
    editor->AppendRow(QStringLiteral("c"), QStringLiteral("3=three"));
    editor->InsertBlankRow(0);  // left empty: not a link
    editor->AppendRow(QStringLiteral("Bz"), QStringLiteral("4"));
    window.Apply();
    EXPECT_FALSE(window.Editing());
    EXPECT_EQ(window.Titles(), QStringList({"A", "b", "Bz", "c"}));
  });
  EXPECT_EQ(FileBytes(LinkFile()), QByteArray("A=1\r\nb=2\r\nc=3=three\r\nBz=4\r\n"));
}

TEST_F(LinksTest, OkKeepsTextStillInTheCellEditor) {
  RunLinks([&](const Window& window) {
    window.Edit();
    TValueListEditor* editor = window.Editor();
    editor->setCurrentCell(0, TValueListEditor::ValueColumn);
    editor->editItem(editor->item(0, TValueListEditor::ValueColumn));
    auto* lineEdit = qobject_cast<QLineEdit*>(editor->indexWidget(editor->currentIndex()));
    ASSERT_NE(lineEdit, nullptr);
    lineEdit->setText(QStringLiteral("https://typed.example"));
    window.Apply();
  });
  EXPECT_EQ(FileBytes(LinkFile()), QByteArray("Grim Dawn Home=https://typed.example\r\n"));
}

TEST_F(LinksTest, ModesSwapControlsAndWidthAndRecentre) {
  RunLinks([&](const Window& window) {
    // The first width is the designed client width; a switch sets the outer width.
    const auto expectMode = [&](bool editing, int width) {
      EXPECT_EQ(window.Editing(), editing);
      EXPECT_EQ(window.List()->isVisible(), !editing);
      EXPECT_EQ(window.Button("btnEdit")->isVisible(), !editing);
      EXPECT_EQ(window.Button("btnApply")->isVisible(), editing);
      EXPECT_EQ(window.Button("btnApply")->x(), 3);
      EXPECT_EQ(width == 303 ? window.Form.width() : window.Form.frameGeometry().width(), width);
      const QPoint centre = window.Form.screen()->availableGeometry().center();
      EXPECT_LE(std::abs(window.Form.frameGeometry().center().x() - centre.x()), 1);
    };
    expectMode(false, 303);
    window.Edit();
    expectMode(true, 800);
    window.Apply();
    expectMode(false, 319);
  });
}

TEST_F(LinksTest, DeletingEveryRowLeavesAnEmptyFileWithoutTheDefault) {
  RunLinks([&](const Window& window) {
    window.Edit();
    window.Editor()->ClearRows();
    window.Apply();
    EXPECT_TRUE(window.Titles().isEmpty());
  });
  EXPECT_EQ(FileBytes(LinkFile()), QByteArray());
  EXPECT_TRUE(ShownTitles().isEmpty());
}

TEST_F(LinksTest, ClosingOrEscapeWhileEditingLeavesTheFileAsItWas) {
  WriteTextFileLines(LinkFile(), {"Home=https://www.grimdawn.com"});
  const QByteArray before = FileBytes(LinkFile());
  RunLinks([&](const Window& window) {
    window.Edit();
    window.Editor()->SetValue(0, QStringLiteral("https://elsewhere.example"));
    QTest::keyClick(&window.Form, Qt::Key_Escape);
    EXPECT_TRUE(window.Form.isVisible()) << "Escape must not throw the edits away";
    window.Form.close();
  });
  EXPECT_EQ(FileBytes(LinkFile()), before);
}

TEST_F(LinksTest, ARowWithALinkButNoTitleIsRefusedAndNothingIsWritten) {
  WriteTextFileLines(LinkFile(), {"Home=https://www.grimdawn.com"});
  const QByteArray before = FileBytes(LinkFile());
  TGeneralErrors errors;
  RunLinks([&](const Window& window) {
    window.Edit();
    window.Editor()->AppendRow(QString(), QStringLiteral("https://untitled.example"));
    window.Apply();
    EXPECT_TRUE(window.Editing());
  });
  EXPECT_EQ(errors.Messages.size(), 1);
  EXPECT_EQ(FileBytes(LinkFile()), before);
}

TEST_F(LinksTest, UnreadableFileGivesAnEmptyListSilently) {
  const QString unreadable = FDir.filePath(QStringLiteral("folder-not-file"));
  ASSERT_TRUE(QDir().mkpath(unreadable));
  TGeneralErrors errors;
  QStringList titles{"not read"};
  RunLinks([&](const Window& window) { titles = window.Titles(); }, unreadable);
  EXPECT_TRUE(titles.isEmpty());
  EXPECT_TRUE(errors.Messages.isEmpty());
}

TEST_F(LinksTest, AFailedWriteIsReportedAndTheEditorStays) {
  const QString folder = FDir.filePath(QStringLiteral("Notes"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString file = folder + QStringLiteral("/WebLinks.ini");
  TGeneralErrors errors;
  RunLinks(
      [&](const Window& window) {
        window.Edit();
        ASSERT_TRUE(QDir(folder).removeRecursively());
        window.Apply();
        EXPECT_TRUE(window.Editing());
        EXPECT_EQ(window.Editor()->Strings(), QStringList({"Grim Dawn Home=https://www.grimdawn.com"}));
      },
      file);
  ASSERT_EQ(errors.Messages.size(), 1);
  EXPECT_TRUE(errors.Messages.first().contains(file));
}

}  // namespace
