// Shows the character list as the main window sets it up, with a selected
// row and its context menu items, and saves a picture of it for looking at
// by eye:  xvfb-run -a ./listbox_screenshot /tmp/shots/listbox.png
#include "ListBoxFixtures.h"

#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: listbox_screenshot <file.png>\n", stderr);
    return 2;
  }
  QWidget window;
  window.setWindowTitle(QStringLiteral("Quillmark"));
  auto* layout = new QVBoxLayout(&window);
  auto list = MakeCharacterListBox<TDelimitedListBox>(
      CharacterFormatText(QStringLiteral("Tahoma"), QStringLiteral("Courier New")));
  list->SetHeaderFont(QFont(QStringLiteral("Tahoma"), 8));
  QMenu popupMenu1;
  popupMenu1.addAction(QStringLiteral("Edit Character's Specialised Collections"));
  list->SetPopupMenu(&popupMenu1);
  list->SetAutomaticPopup(true);
  list->Items().AddStrings(SampleCharacterRows());
  list->Items().Add(CharacterRow({"Evangeline of the Very Long Name", "Dervish", "7", "Female", "Oathkeeper",
                                  "Shaman", "0", "0", "Normal", "No"}));
  list->Sort(0);
  list->SetItemIndex(2);
  layout->addWidget(list.release());
  window.resize(1040, 160);
  window.show();
  QApplication::processEvents();
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
