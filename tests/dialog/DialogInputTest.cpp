#include "DialogSeam.h"
#include "QZ_Dialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The box's layout units, worked out independently: n quarter / eighth
// character sizes rounded to the nearest pixel.
struct TUnits {
  explicit TUnits(const QWidget& dialog) : Char(Dialog::AverageCharSize(dialog.font())) {}
  int h(int n) const { return (n * Char.width() + 2) / 4; }
  int v(int n) const { return (n * Char.height() + 4) / 8; }
  QSize Char;
};

int Bottom(const QWidget* widget) { return widget->y() + widget->height(); }

template <typename T>
T* Child(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Runs a scripted answer on the box: inspect it, then return what closes it.
using TScript = std::function<int(QDialog&)>;

int ClickOk(QDialog& dialog) {
  Child<QPushButton>(dialog, "btnOk")->click();
  return dialog.result();
}

int ClickCancel(QDialog& dialog) {
  Child<QPushButton>(dialog, "btnCancel")->click();
  return dialog.result();
}

TEST(DialogInput, TextBoxIsLaidOutInCharacterUnits) {
  ScopedDialogHandler handler([](QDialog& dialog) {
    const TUnits u(dialog);
    const QLabel* label = Child<QLabel>(dialog, "lbPrompt");
    const QLineEdit* edit = Child<QLineEdit>(dialog, "edValue");
    const QPushButton* ok = Child<QPushButton>(dialog, "btnOk");
    const QPushButton* cancel = Child<QPushButton>(dialog, "btnCancel");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Link"));
    EXPECT_EQ(label->text(), QStringLiteral("Name:"));
    EXPECT_EQ(label->pos(), QPoint(u.h(8), u.v(8)));
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(u.h(8), Bottom(label) + 5));
    EXPECT_EQ(edit->width(), u.h(164));
    EXPECT_EQ(ok->geometry(), QRect(u.h(38), Bottom(edit) + 15, u.h(50), u.v(14)));
    EXPECT_EQ(cancel->geometry(), QRect(u.h(92), Bottom(edit) + 15, u.h(50), u.v(14)));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dialog.size(), QSize(u.h(180), Bottom(cancel) + 13));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed border";
    EXPECT_EQ(edit->text(), QStringLiteral("old name"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("old name"));
    EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(dialog.focusWidget(), edit);
    return ClickCancel(dialog);
  });
  bool cancelled = false;
  Dialog::GetText(QStringLiteral("Link"), QStringLiteral("Name:"), cancelled, QStringLiteral("old name"));
}

TEST(DialogInput, LongPromptWrapsWithinTheTextWidth) {
  ScopedDialogHandler handler([](QDialog& dialog) {
    const TUnits u(dialog);
    const QLabel* label = Child<QLabel>(dialog, "lbPrompt");
    EXPECT_LE(label->width(), u.h(164));
    EXPECT_GE(label->height(), 2 * label->fontMetrics().height());
    EXPECT_EQ(Child<QLineEdit>(dialog, "edValue")->y(), Bottom(label) + 5);
    return ClickCancel(dialog);
  });
  bool cancelled = false;
  Dialog::GetText(QStringLiteral("T"), QString(12, QChar(' ')).replace(QChar(' '), QStringLiteral("many words ")),
                  cancelled, QString());
}

TEST(DialogInput, GetTextReturnsTheEditOnOkAndTheOriginalOtherwise) {
  struct TCase {
    const char* Name;
    TScript Script;
    QString Expected;
    bool ExpectedCancelled;
  };
  const auto typeThen = [](int (*close)(QDialog&)) {
    return [close](QDialog& dialog) {
      Child<QLineEdit>(dialog, "edValue")->setText(QStringLiteral("new"));
      return close(dialog);
    };
  };
  const TCase cases[] = {
      {"ok", typeThen(&ClickOk), QStringLiteral("new"), false},
      {"cancel", typeThen(&ClickCancel), QStringLiteral("old"), true},
      {"escape or window closed", [](QDialog& dialog) { dialog.reject(); return dialog.result(); },
       QStringLiteral("old"), true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ScopedDialogHandler handler(c.Script);
    bool cancelled = !c.ExpectedCancelled;
    EXPECT_EQ(Dialog::GetText(QStringLiteral("T"), QStringLiteral("P"), cancelled, QStringLiteral("old")), c.Expected);
    EXPECT_EQ(cancelled, c.ExpectedCancelled);
  }
}

TEST(DialogInput, StandardWidthRefusesTypingBeyond255Characters) {
  ScopedDialogHandler handler([](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edValue")->insert(QString(300, QChar('a')));
    return ClickOk(dialog);
  });
  bool cancelled = true;
  EXPECT_EQ(Dialog::GetText(QStringLiteral("T"), QStringLiteral("P"), cancelled, QString()).size(), 255);
  EXPECT_FALSE(cancelled);
}

TEST(DialogInput, StandardWidthKeepsALongerIncomingTextWhole) {
  const QString incoming(400, QChar('b'));
  ScopedDialogHandler handler(&ClickOk);
  bool cancelled = true;
  EXPECT_EQ(Dialog::GetText(QStringLiteral("T"), QStringLiteral("P"), cancelled, incoming), incoming);
}

TEST(DialogInput, GivenWidthSetsClientWidthAndAFixedPitchField) {
  ScopedDialogHandler handler([](QDialog& dialog) {
    const QLineEdit* edit = Child<QLineEdit>(dialog, "edValue");
    EXPECT_EQ(dialog.width(), 400);
    EXPECT_EQ(edit->width(), 360);
    EXPECT_EQ(edit->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(edit->font().pointSize(), 9);
    EXPECT_GT(edit->maxLength(), 255);
    return ClickCancel(dialog);
  });
  bool cancelled = false;
  Dialog::GetText(QStringLiteral("T"), QStringLiteral("P"), cancelled, QString(), nullptr, 400);
}

TEST(DialogInput, PasswordIsMaskedWithXAndEmptyWhenCancelled) {
  const auto inspectAndType = [](int (*close)(QDialog&)) {
    return [close](QDialog& dialog) {
      const TUnits u(dialog);
      QLineEdit* edit = Child<QLineEdit>(dialog, "edValue");
      EXPECT_TRUE(edit->text().isEmpty());
      EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
      EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), int('X'));
      EXPECT_EQ(edit->font().family(), QStringLiteral("Courier New"));
      EXPECT_EQ(edit->width(), u.h(164));
      EXPECT_EQ(dialog.width(), u.h(180));
      edit->insert(QStringLiteral("secret"));
      return close(dialog);
    };
  };
  bool cancelled = false;
  {
    ScopedDialogHandler handler(inspectAndType(&ClickCancel));
    EXPECT_EQ(Dialog::GetPassword(QStringLiteral("Login"), QStringLiteral("Password:"), cancelled), QString());
    EXPECT_TRUE(cancelled);
  }
  {
    ScopedDialogHandler handler(inspectAndType(&ClickOk));
    EXPECT_EQ(Dialog::GetPassword(QStringLiteral("Login"), QStringLiteral("Password:"), cancelled),
              QStringLiteral("secret"));
    EXPECT_FALSE(cancelled);
  }
}

TEST(DialogInput, NumberBoxLayoutAndRange) {
  ScopedDialogHandler handler([](QDialog& dialog) {
    const TUnits u(dialog);
    const QLabel* label = Child<QLabel>(dialog, "lbPrompt");
    const QSpinBox* spin = Child<QSpinBox>(dialog, "seValue");
    const QPushButton* ok = Child<QPushButton>(dialog, "btnOk");
    const QPushButton* cancel = Child<QPushButton>(dialog, "btnCancel");
    EXPECT_EQ(dialog.width(), u.h(120));
    EXPECT_EQ(spin->geometry().topLeft(), QPoint(u.h(120) / 2 - 40, Bottom(label) + 5));
    EXPECT_EQ(spin->width(), 80);
    EXPECT_EQ(spin->minimum(), -5);
    EXPECT_EQ(spin->maximum(), 50);
    EXPECT_EQ(spin->value(), 7);
    EXPECT_EQ(spin->findChild<QLineEdit*>()->maxLength(), 9);
    EXPECT_EQ(ok->geometry(), QRect(u.h(8), Bottom(spin) + 15, u.h(50), u.v(14)));
    EXPECT_EQ(cancel->geometry(), QRect(u.h(62), Bottom(spin) + 15, u.h(50), u.v(14)));
    EXPECT_EQ(dialog.height(), Bottom(cancel) + 13);
    return ClickCancel(dialog);
  });
  bool cancelled = false;
  Dialog::GetInteger(QStringLiteral("Level"), QStringLiteral("Level:"), cancelled, 7, -5, 50);
}

TEST(DialogInput, GetIntegerResults) {
  struct TCase {
    const char* Name;
    int Value;
    int Typed;  // set before closing; clamped by the range -5..50
    bool Ok;
    int Expected;
  };
  const TCase cases[] = {
      {"ok", 7, 42, true, 42},
      {"ok above the range", 7, 99, true, 50},
      {"ok below the range", 7, -99, true, -5},
      {"cancel", 7, 42, false, 7},
      {"cancel keeps a value outside the range", 1000, 42, false, 1000},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ScopedDialogHandler handler([&c](QDialog& dialog) {
      Child<QSpinBox>(dialog, "seValue")->setValue(c.Typed);
      return c.Ok ? ClickOk(dialog) : ClickCancel(dialog);
    });
    bool cancelled = c.Ok;
    EXPECT_EQ(Dialog::GetInteger(QStringLiteral("T"), QStringLiteral("P"), cancelled, c.Value, -5, 50), c.Expected);
    EXPECT_EQ(cancelled, !c.Ok);
  }
}

}  // namespace
