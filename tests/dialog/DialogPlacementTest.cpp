#include "DialogSeam.h"
#include "QZ_Dialog.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

QPoint ScreenCentredPos(QSize size) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  return QPoint(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

struct TPlacement {
  QRect Geometry;  // outer: placement is of the frame
  QWidget* Owner = nullptr;
};

// Shows one kind of box centred in the given window and records where it stood.
using TShowBox = std::function<void(QWidget* centerInForm)>;

TPlacement PlacementOf(const TShowBox& show, QWidget* centerInForm) {
  TPlacement placement;
  ScopedDialogHandler handler([&placement](QDialog& dialog) {
    placement.Geometry = dialog.frameGeometry();
    placement.Owner = dialog.parentWidget();
    return 0;
  });
  show(centerInForm);
  return placement;
}

TEST(DialogPlacement, CentredOnTheWindowUnlessItsCentreLiesBeforeTheScreenOrigin) {
  const std::pair<const char*, TShowBox> boxes[] = {
      {"message box", [](QWidget* w) { Dialog::Warning(QStringLiteral("Please select a folder"), false, w); }},
      {"text box",
       [](QWidget* w) {
         bool cancelled = false;
         Dialog::GetText(QStringLiteral("T"), QStringLiteral("P"), cancelled, QString(), w);
       }},
      {"number box",
       [](QWidget* w) {
         bool cancelled = false;
         Dialog::GetInteger(QStringLiteral("T"), QStringLiteral("P"), cancelled, 1, 0, 10, w);
       }},
  };
  struct TWindowCase {
    const char* Name;
    QRect Window;  // empty: no window to centre on
    bool OnScreen;
  };
  const TWindowCase windows[] = {
      {"no window", QRect(), true},
      {"window on screen", QRect(100, 120, 400, 300), false},
      {"window partly left of the origin, centre right of it", QRect(-150, 40, 400, 300), false},
      {"centre left of the origin", QRect(-900, 100, 400, 300), true},
      {"centre above the origin", QRect(100, -700, 400, 300), true},
      {"centre exactly at the origin", QRect(-200, -150, 400, 300), false},
  };
  for (const auto& [boxName, show] : boxes) {
    for (const TWindowCase& c : windows) {
      SCOPED_TRACE(std::string(boxName) + ", " + c.Name);
      QWidget window;
      QWidget* centerInForm = c.Window.isNull() ? nullptr : &window;
      if (centerInForm != nullptr) window.setGeometry(c.Window);
      const TPlacement placement = PlacementOf(show, centerInForm);
      const QSize size = placement.Geometry.size();
      const QPoint expected = c.OnScreen ? ScreenCentredPos(size)
                                         : c.Window.topLeft() + QPoint(c.Window.width() / 2 - size.width() / 2,
                                                                       c.Window.height() / 2 - size.height() / 2);
      EXPECT_EQ(placement.Geometry.topLeft(), expected);
      EXPECT_EQ(placement.Owner, centerInForm) << "the window owns the box";
    }
  }
}

TEST(DialogPlacement, MessageBoxIsPlacedWithTheSizeItIsShownWith) {
  QRect beforeShow;
  QRect whenShown;
  ScopedDialogHandler handler([&](QDialog& dialog) {
    beforeShow = dialog.frameGeometry();
    dialog.show();
    whenShown = dialog.frameGeometry();
    dialog.hide();
    return 0;
  });
  QWidget window;
  window.setGeometry(50, 60, 700, 500);
  QString longText;
  for (int i = 0; i < 120; ++i) longText += QStringLiteral("word ");
  Dialog::Error(longText, false, &window);
  EXPECT_EQ(whenShown, beforeShow);
  EXPECT_EQ(beforeShow.topLeft(), QPoint(400 - beforeShow.width() / 2, 310 - beforeShow.height() / 2));
}

}  // namespace
