#pragma once

#include "DialogSeam.h"
#include "ErrorRecorders.h"
#include "GdcWriter.h"
#include "IniFile.h"
#include "QStringPrinting.h"
#include "QZ_DelimitedListBox.h"
#include "QZ_ValueListEditor.h"
#include "TemporaryHome.h"
#include "TextFile.h"
#include "UMain.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// What a dialog looked like when the program showed it.
struct TShownDialog {
  QString ClassName;
  QString Title;
  QString Text;  // message boxes
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QString Directory;  // folder pickers: the folder they start in
  bool DirectoriesOnly = false;
  QWidget* Parent = nullptr;
};

// Answers every modal dialog of the program and records it: message boxes
// with OK; the folder picker with the next scripted folder (an empty one
// cancels); other windows by OnWindow, after which they are closed.
class TDialogAnswers {
public:
  TDialogAnswers() : FHandler([this](QDialog& ADialog) { return Answer(ADialog); }) {}
  ~TDialogAnswers() { EXPECT_TRUE(Folders.empty()) << Folders.size() << " scripted folders not picked"; }

  std::deque<QString> Folders;
  std::function<void(QDialog&)> OnWindow;
  std::vector<TShownDialog> Shown;

  QStringList Classes() const {
    QStringList classes;
    for (const TShownDialog& shown : Shown) classes << shown.ClassName;
    return classes;
  }

private:
  int Answer(QDialog& ADialog) {
    TShownDialog shown;
    shown.ClassName = QString::fromLatin1(ADialog.metaObject()->className());
    shown.Title = ADialog.windowTitle();
    shown.Parent = ADialog.parentWidget();
    if (auto* box = qobject_cast<QMessageBox*>(&ADialog)) {
      shown.Text = box->text();
      shown.Icon = box->icon();
      Shown.push_back(shown);
      return QMessageBox::Ok;
    }
    if (auto* picker = qobject_cast<QFileDialog*>(&ADialog)) {
      shown.Directory = picker->directory().path();
      shown.DirectoriesOnly =
          picker->fileMode() == QFileDialog::Directory && picker->testOption(QFileDialog::ShowDirsOnly);
      Shown.push_back(shown);
      if (Folders.empty()) {
        ADD_FAILURE() << "folder picker not scripted";
        return QDialog::Rejected;
      }
      const QString folder = Folders.front();
      Folders.pop_front();
      if (folder.isEmpty()) return QDialog::Rejected;
      picker->selectFile(folder);
      return QDialog::Accepted;
    }
    ADialog.show();
    shown.Title = ADialog.windowTitle();
    Shown.push_back(shown);
    if (OnWindow) OnWindow(ADialog);
    if (ADialog.isVisible()) ADialog.close();
    return ADialog.result();
  }

  ScopedDialogHandler FHandler;
};

inline const QChar kThorn(u'\u00FE');

// A program folder (settings file, Notes), a save directory and a home folder
// (where the window looks for the game), all temporary, and the main window
// run on them.
class MainWindowTest : public ::testing::Test {
protected:
  QString ProgramFile() const { return FProgram.filePath(QStringLiteral("quillmark")); }
  QString IniFile() const { return FProgram.filePath(QStringLiteral("quillmark.ini")); }
  QString NotesPath() const { return FProgram.filePath(QStringLiteral("Notes")) + QLatin1Char('/'); }
  QString NoteFile(const QString& AName) const { return NotesPath() + AName + QStringLiteral(".txt"); }
  // The save directory with its trailing separator.
  QString SaveDir() const { return FSaves.path() + QLatin1Char('/'); }

  // Writes a character below SaveDir()/main/_<folder>/player.gdc.
  void WriteCharacter(const TGdcSave& ASave, const QString& AFolder = QString()) const {
    const QString folder = SaveDir() + QStringLiteral("main/_") + (AFolder.isEmpty() ? ASave.Name : AFolder);
    QDir().mkpath(folder);
    WriteGdcFile(folder + QStringLiteral("/player.gdc"), ASave);
  }
  static TGdcSave Character(const QString& AName, std::uint32_t ALevel = 50) {
    TGdcSave save;
    save.Name = AName;
    save.Level = ALevel;
    save.StatsLevel = ALevel;
    return save;
  }
  void WriteCharacters(const QStringList& ANames) const {
    std::uint32_t level = 10;
    for (const QString& name : ANames) WriteCharacter(Character(name, level++));
  }

  void WriteSetting(const QString& ASection, const QString& AKey, const QString& AValue) const {
    TIniFile(IniFile()).WriteString(ASection, AKey, AValue);
  }
  QString Setting(const QString& ASection, const QString& AKey) const {
    return TIniFile(IniFile()).ReadString(ASection, AKey, QStringLiteral("<absent>"));
  }
  void ChooseSaveDir() const { WriteSetting(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"), SaveDir()); }

  // Creates the window on the program folder and the temporary home folder.
  void CreateWindow() {
    Window = std::make_unique<TFMain>(ProgramFile());
    FHome.UseAsHomeOf(*Window);
  }
  // Creates the window, shows it and waits until its start-up has run.
  TFMain& Start() {
    CreateWindow();
    Window->show();
    Window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return Window->FormShown(); }));
    return *Window;
  }

  // ---- Controls ----
  TDelimitedListBox& List() const { return *Window->CharacterList(); }
  QPlainTextEdit& Memo() const { return *Window->NotesMemo(); }
  TValueListEditor& Grid() const { return *Window->EquipmentGrid(); }
  template <typename T = QWidget>
  T& Control(const char* AName) const {
    T* control = Window->findChild<T*>(QLatin1String(AName));
    if (control == nullptr) throw std::runtime_error(AName);
    return *control;
  }
  QString NoteHeader() const { return Control<QLabel>("pnNoteHeader").text(); }
  QString Equipment(const QString& AKey) const { return Grid().Value(Grid().FindRow(AKey)); }
  QStringList Names() const {
    QStringList names;
    for (int row = 0; row < List().RowCount(); ++row) names << List().GetField(row, 0);
    return names;
  }
  int RowOf(const QString& AName) const { return List().IndexOfField(AName, 0); }

  // ---- Input ----
  QWidget* Rows() const { return List().Grid()->viewport(); }
  QPoint RowPoint(int ARow) const {
    return {20, (ARow - List().TopRow()) * List().RowHeight() + List().RowHeight() / 2};
  }
  void ClickRow(int ARow) const { QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow)); }
  void ClickRow(const QString& AName) const { ClickRow(RowOf(AName)); }
  void DoubleClickRow(int ARow) const {
    QTest::mouseClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
    QTest::mouseDClick(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
    QTest::mouseRelease(Rows(), Qt::LeftButton, Qt::NoModifier, RowPoint(ARow));
  }
  void ClickHeader(int AColumn) const {
    QHeaderView* header = List().HeaderStrip();
    const int x = header->sectionViewportPosition(AColumn) + header->sectionSize(AColumn) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
  }
  void Click(const char* AButton) const { QTest::mouseClick(&Control<QPushButton>(AButton), Qt::LeftButton); }
  // Puts the focus into the memo and types the text at its end ("\n": Return).
  void TypeNote(const QString& AText) const {
    Memo().setFocus(Qt::MouseFocusReason);
    Memo().moveCursor(QTextCursor::End);
    const QStringList lines = AText.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(&Memo(), Qt::Key_Return);
      QTest::keyClicks(&Memo(), lines[i]);
    }
  }

  // ---- Files ----
  QStringList NoteFiles() const {
    return QDir(NotesPath()).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Name);
  }

  QTemporaryDir FProgram;
  QTemporaryDir FSaves;
  TTemporaryHome FHome;
  TFatalReports Fatal;
  TGeneralErrors GeneralErrors;
  TDialogAnswers Dialogs;
  std::unique_ptr<TFMain> Window;  // last: closed while the recorders still listen
};
