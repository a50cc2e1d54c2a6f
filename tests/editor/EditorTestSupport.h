#pragma once

#include "DialogSeam.h"
#include "ErrorRecorders.h"
#include "QStringPrinting.h"
#include "QZ_CorrectionDialog.h"
#include "QZ_Editor.h"
#include "QZ_EditorForm.h"
#include "ScopedEnvironment.h"
#include "TextFile.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

// Answers every modal dialog of an editor session: the editor window itself
// (shown, then handed to Script, then closed by its close box unless the
// script closed it), message boxes (recorded, answered from Answers), file
// dialogs (answered from Files; an empty name cancels), the font dialog, the
// printer dialog and the spelling correction dialog.
class TEditorSession {
public:
  TEditorSession() : FHandler([this](QDialog& ADialog) { return Answer(ADialog); }) {}
  ~TEditorSession() {
    EXPECT_TRUE(Answers.empty()) << Answers.size() << " message answers not used";
    EXPECT_TRUE(Files.empty()) << Files.size() << " file answers not used";
  }
  TEditorSession(const TEditorSession&) = delete;
  TEditorSession& operator=(const TEditorSession&) = delete;

  std::function<void(TEditTextForm&)> Script;
  std::deque<QMessageBox::StandardButton> Answers;
  std::deque<QString> Files;
  std::optional<QFont> Font;
  bool AcceptPrinter = true;
  std::deque<QString> Corrections;

  QStringList Messages;
  QList<QFileDialog::AcceptMode> FileDialogs;
  int PrinterDialogs = 0;
  QStringList Misspelt;
  // The editor window's caption and outer size as the script left it.
  QString ShownTitle;

private:
  int Answer(QDialog& ADialog) {
    if (auto* form = qobject_cast<TEditTextForm*>(&ADialog)) return RunEditor(*form);
    if (auto* box = qobject_cast<QMessageBox*>(&ADialog)) return AnswerBox(*box);
    if (auto* files = qobject_cast<QFileDialog*>(&ADialog)) return AnswerFiles(*files);
    if (auto* fonts = qobject_cast<QFontDialog*>(&ADialog)) {
      if (!Font) return QDialog::Rejected;
      fonts->setCurrentFont(*Font);
      return QDialog::Accepted;
    }
    if (qobject_cast<QPrintDialog*>(&ADialog) != nullptr) {
      ++PrinterDialogs;
      return AcceptPrinter ? QDialog::Accepted : QDialog::Rejected;
    }
    if (auto* correction = qobject_cast<TCorrectionDialog*>(&ADialog)) return AnswerCorrection(*correction);
    ADD_FAILURE() << "unexpected dialog " << ADialog.metaObject()->className();
    return QDialog::Rejected;
  }

  int RunEditor(TEditTextForm& AForm) {
    AForm.show();
    if (Script) Script(AForm);
    ShownTitle = AForm.windowTitle();
    if (AForm.isVisible()) AForm.close();
    if (AForm.isVisible()) {
      ADD_FAILURE() << "the editor window did not close";
      AForm.hide();
    }
    return AForm.result();
  }

  int AnswerBox(QMessageBox& ABox) {
    Messages << ABox.text();
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    if (ABox.button(QMessageBox::Ok) == nullptr) {
      if (Answers.empty()) {
        ADD_FAILURE() << "no answer for " << ABox.text().toStdString();
        answer = QMessageBox::Yes;
      } else {
        answer = Answers.front();
        Answers.pop_front();
      }
    }
    if (QAbstractButton* button = ABox.button(answer)) button->click();
    return answer;
  }

  int AnswerFiles(QFileDialog& ADialog) {
    FileDialogs << ADialog.acceptMode();
    if (Files.empty()) {
      ADD_FAILURE() << "no file scripted for " << ADialog.windowTitle().toStdString();
      return QDialog::Rejected;
    }
    const QString name = Files.front();
    Files.pop_front();
    if (name.isEmpty()) return QDialog::Rejected;
    ADialog.selectFile(name);
    return QDialog::Accepted;
  }

  int AnswerCorrection(TCorrectionDialog& ADialog) {
    Misspelt << ADialog.EditBox()->text();
    ADialog.setResult(-1);
    ADialog.show();
    if (Corrections.empty()) {
      ADialog.IgnoreButton()->click();
    } else {
      ADialog.EditBox()->setText(Corrections.front());
      Corrections.pop_front();
      ADialog.ChangeButton()->click();
    }
    return ADialog.result();
  }

  ScopedDialogHandler FHandler;
};

// A fresh folder for the files of one test, with the application data and
// temporary folders pointed into it so that no test touches the user's
// custom words or leaves files behind.
class EditorTest : public ::testing::Test {
protected:
  EditorTest()
      : FDataHome("XDG_DATA_HOME", FDir.filePath(QStringLiteral("data"))),
        FTemp("TMPDIR", FDir.filePath(QStringLiteral("tmp"))) {
    QDir(FDir.path()).mkpath(QStringLiteral("data"));
    QDir(FDir.path()).mkpath(QStringLiteral("tmp"));
  }

  QString PathOf(const QString& AName) const { return FDir.filePath(AName); }
  QString TempFolder() const { return FDir.filePath(QStringLiteral("tmp")); }

  QString WriteFile(const QString& AName, const QByteArray& ABytes) const {
    const QString path = PathOf(AName);
    WriteFileBytesAtomic(path, ABytes);
    return path;
  }
  static QByteArray Bytes(const QString& APath) { return ReadFileBytes(APath); }

  // The component in the configuration the main window gives its general notes.
  static void ConfigureGeneralNotes(TEditText& AEditor, const QString& AFileName) {
    AEditor.SetCaption(QStringLiteral("General Notes"));
    AEditor.SetWordWrap(true);
    AEditor.SetOptions({edAllowSave, edAllowPrint, edAllowSpellCheck});
    AEditor.SetReadOnly(false);
    AEditor.SetToolBar(true);
    AEditor.SetColor(clWindow);
    AEditor.SetSource(esTextFile);
    AEditor.SetDisplayModal(true);
    AEditor.SetFileName(AFileName);
  }

  static QAction* ActionOf(TEditTextForm& AForm, const char* AName) {
    auto* action = AForm.findChild<QAction*>(QString::fromLatin1(AName));
    EXPECT_NE(action, nullptr) << AName;
    return action;
  }
  // Types the text key by key; characters beyond ASCII arrive as key events carrying only their text.
  static void Type(TEditTextForm& AForm, const QString& AText) {
    for (QChar c : AText) {
      if (c.unicode() < 128) {
        QTest::keyClick(AForm.Memo(), char(c.unicode()));
      } else {
        QTest::sendKeyEvent(QTest::Click, AForm.Memo(), Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }
  static void Key(TEditTextForm& AForm, Qt::Key AKey, Qt::KeyboardModifiers AModifiers = Qt::NoModifier) {
    QTest::keyClick(AForm.Memo(), AKey, AModifiers);
  }
  static void Select(TEditTextForm& AForm, int AStart, int ALength) {
    QTextCursor cursor = AForm.Memo()->textCursor();
    cursor.setPosition(AStart);
    cursor.setPosition(AStart + ALength, QTextCursor::KeepAnchor);
    AForm.Memo()->setTextCursor(cursor);
  }
  static QString Selected(TEditTextForm& AForm) { return AForm.Memo()->textCursor().selectedText(); }
  static void MoveToEnd(TEditTextForm& AForm) { AForm.Memo()->moveCursor(QTextCursor::End); }

private:
  QTemporaryDir FDir;
  ScopedEnvironment FDataHome;
  ScopedEnvironment FTemp;
};
