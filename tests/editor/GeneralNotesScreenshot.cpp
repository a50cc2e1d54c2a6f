// Opens "General Notes" from the main window with a sample document, a word
// selected and text typed, and saves a picture of the screen for looking at
// by eye:  xvfb-run -a ./general_notes_screenshot /tmp/shots/general-notes.png
#include "DemoWindowShot.h"
#include "DialogSeam.h"
#include "QZ_EditorForm.h"
#include "TemporaryHome.h"
#include "UFileLocations.h"
#include "UMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: general_notes_screenshot <file.png>\n", stderr);
    return 2;
  }
  const QString shot = QString::fromLocal8Bit(argv[1]);
  const QTemporaryDir program;
  const TFileLocations locations = PortableFileLocations(program.filePath(QStringLiteral("quillmark")));
  WriteDemoWindowSettings(locations);
  WriteNote(locations, QStringLiteral("GeneralNotes.doc"),
            {QStringLiteral("Shopping list"), QStringLiteral("- Aether crystals for the Oathkeeper"),
             QStringLiteral("- Farm the Slith ring in Ultimate"), QString(),
             QStringLiteral("Faction reputation: Devil's Crossing honored, Rovers friendly."),
             QStringLiteral("A long line that wraps because word wrap is on in the General Notes "
                            "configuration, so nothing disappears off the right edge of the window.")});

  const TTemporaryHome home;
  TFMain window(locations);
  home.UseAsHomeOf(window);
  if (!ShowAndWaitForStartUp(window)) return 1;

  bool saved = false;
  ScopedDialogHandler handler([&](QDialog& ADialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&ADialog)) {  // exit without saving
      box->button(QMessageBox::Yes)->click();
      return int(QMessageBox::Yes);
    }
    auto* editor = qobject_cast<TEditTextForm*>(&ADialog);
    if (editor == nullptr) return int(QDialog::Rejected);
    editor->show();
    QTest::qWait(200);
    QTest::keyClicks(editor->Memo(), QStringLiteral("Remember: "));
    QTextCursor cursor = editor->Memo()->textCursor();
    cursor.movePosition(QTextCursor::Down);
    cursor.movePosition(QTextCursor::StartOfWord);
    cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    editor->Memo()->setTextCursor(cursor);
    QTest::qWait(200);
    QScreen* screen = QGuiApplication::primaryScreen();
    saved = screen != nullptr && screen->grabWindow(0).save(shot);
    editor->close();
    return editor->result();
  });
  window.findChild<QPushButton*>(QStringLiteral("btnNotes"))->click();
  window.close();
  return saved ? 0 : 1;
}
