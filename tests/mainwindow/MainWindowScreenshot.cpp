// Shows the main window on the bundled demo save folder with a character
// selected, its note and equipment in the panel, and saves a picture of it
// for looking at by eye:
//   xvfb-run -a ./mainwindow_screenshot /tmp/shots/mainwindow.png [CHARACTER]
#include "IniFile.h"
#include "QZ_DelimitedListBox.h"
#include "TextFile.h"
#include "UMain.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: mainwindow_screenshot <file.png> [character]\n", stderr);
    return 2;
  }
  const QString character = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("Greta");
  QTemporaryDir program;
  TIniFile settings(program.filePath(QStringLiteral("quillmark.ini")));
  settings.WriteString(QStringLiteral("PATHS"), QStringLiteral("GD Save Path"),
                       QStringLiteral(QUILLMARK_SOURCE_DIR "/examples/save/"));
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Width"), 1410);
  settings.WriteInteger(QStringLiteral("FORM"), QStringLiteral("Height"), 800);
  QDir().mkpath(program.filePath(QStringLiteral("Notes")));
  WriteTextFileLines(program.filePath(QStringLiteral("Notes/%1.txt").arg(character)),
                     {QStringLiteral("Collects rings and medals for the Oathkeeper build."),
                      QStringLiteral("Next: finish Ultimate, farm the Slith ring.")});

  TFMain window(program.filePath(QStringLiteral("quillmark")));
  window.show();
  if (!QTest::qWaitFor([&] { return window.FormShown(); }, 10000)) return 1;
  TDelimitedListBox& list = *window.CharacterList();
  list.Sort(0);
  const int row = list.IndexOfField(character, 0);
  if (row < 0) {
    std::fprintf(stderr, "no character %s\n", qPrintable(character));
    return 1;
  }
  QWidget* rows = list.Grid()->viewport();
  QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier,
                    QPoint(20, (row - list.TopRow()) * list.RowHeight() + list.RowHeight() / 2));
  QTest::qWait(200);
  const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
  window.close();
  return saved ? 0 : 1;
}
