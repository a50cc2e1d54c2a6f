#include "QZ_Dialog.h"

#include "DialogSeam.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QThread>
#include <array>
#include <climits>
#include <cstdio>

namespace {

// ---- Running on the thread that owns the windows -------------------------

bool HaveWidgetApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// Runs work on the application's thread; a call from another thread waits
// there until the work (and so the modal box) has finished.
template <typename Result, typename Work>
Result OnWindowThread(Work work) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || QThread::currentThread() == app->thread()) return work();
  Result result{};
  QMetaObject::invokeMethod(app, [&result, &work] { result = work(); }, Qt::BlockingQueuedConnection);
  return result;
}

// Without a widget application (a console program) no box can be shown.
void WriteToConsole(const QString& title, const QString& message) {
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(message));
}

// ---- Placement ------------------------------------------------------------

QRect OuterRect(const QWidget& widget) {
  if (widget.isWindow()) return widget.frameGeometry();
  return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// move() places a window's frame, so placement works with the outer size.
void CenterOnScreen(QWidget& dialog) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QSize size = dialog.frameGeometry().size();
  dialog.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

// Centres the dialog on the window's centre; a centre left of or above the
// screen origin, or no window, centres it on the screen.
void PlaceDialog(QWidget& dialog, const QWidget* centerInForm) {
  if (centerInForm != nullptr) {
    const QRect outer = OuterRect(*centerInForm);
    const int x = outer.left() + outer.width() / 2;
    const int y = outer.top() + outer.height() / 2;
    if (x >= 0 && y >= 0) {
      const QSize size = dialog.frameGeometry().size();
      dialog.move(x - size.width() / 2, y - size.height() / 2);
      return;
    }
  }
  CenterOnScreen(dialog);
}

QWidget* OwnerOf(QWidget* centerInForm) { return centerInForm != nullptr ? centerInForm->window() : nullptr; }

// ---- Message boxes --------------------------------------------------------

struct TKindLook {
  QMessageBox::Icon Icon;
  const char* Title;  // nullptr: the application's title
};

TKindLook LookOf(TDialogKind kind) {
  switch (kind) {
    case TDialogKind::Warning: return {QMessageBox::Warning, "Warning"};
    case TDialogKind::Error: return {QMessageBox::Critical, "Error"};
    case TDialogKind::Information: return {QMessageBox::Information, "Information"};
    case TDialogKind::Confirmation: return {QMessageBox::Question, "Confirm"};
    case TDialogKind::Custom: break;
  }
  return {QMessageBox::NoIcon, nullptr};
}

struct TButtonInfo {
  TDialogButton Button;
  QMessageBox::StandardButton Standard;  // NoButton: a button of our own
  TDialogResult Result;
  bool TakesFocus;  // Cancel, Ignore and Close never take the focus as default
};

constexpr std::array<TButtonInfo, 12> ButtonTable{{
    {TDialogButton::Yes, QMessageBox::Yes, TDialogResult::Yes, true},
    {TDialogButton::No, QMessageBox::No, TDialogResult::No, true},
    {TDialogButton::OK, QMessageBox::Ok, TDialogResult::OK, true},
    {TDialogButton::Cancel, QMessageBox::Cancel, TDialogResult::Cancel, false},
    {TDialogButton::Abort, QMessageBox::Abort, TDialogResult::Abort, true},
    {TDialogButton::Retry, QMessageBox::Retry, TDialogResult::Retry, true},
    {TDialogButton::Ignore, QMessageBox::Ignore, TDialogResult::Ignore, false},
    {TDialogButton::All, QMessageBox::NoButton, TDialogResult::All, true},
    {TDialogButton::NoToAll, QMessageBox::NoToAll, TDialogResult::NoToAll, true},
    {TDialogButton::YesToAll, QMessageBox::YesToAll, TDialogResult::YesToAll, true},
    {TDialogButton::Help, QMessageBox::Help, TDialogResult::None, true},
    {TDialogButton::Close, QMessageBox::Close, TDialogResult::Close, false},
}};

// A message box fixes its size only when it is shown. Showing it off screen
// once lets it do so now, so that it is placed with its final size before it
// is run (and before a test handler looks at it).
void SettleSize(QMessageBox& box) {
  box.setAttribute(Qt::WA_DontShowOnScreen, true);
  box.show();
  box.hide();
  box.setAttribute(Qt::WA_DontShowOnScreen, false);
}

struct TMessageRequest {
  QString Message;
  TDialogKind Kind = TDialogKind::Custom;
  TDialogButtons Buttons;
  TDialogButton DefaultButton = TDialogButton::OK;
  QString Title;
  int HelpContext = 0;
  QWidget* CenterInForm = nullptr;
};

QString TitleFor(const TMessageRequest& request) {
  if (!request.Title.isEmpty()) return request.Title;
  const TKindLook look = LookOf(request.Kind);
  return look.Title != nullptr ? QString::fromLatin1(look.Title) : QGuiApplication::applicationDisplayName();
}

QAbstractButton* AddButton(QMessageBox& box, const TButtonInfo& info) {
  if (info.Standard != QMessageBox::NoButton) return box.addButton(info.Standard);
  return box.addButton(QStringLiteral("&All"), QMessageBox::AcceptRole);
}

TDialogResult ShowMessageDialog(const TMessageRequest& request) {
  if (!HaveWidgetApplication()) {
    WriteToConsole(TitleFor(request), request.Message);
    return TDialogResult::None;
  }
  QMessageBox box(OwnerOf(request.CenterInForm));
  box.setIcon(LookOf(request.Kind).Icon);
  box.setWindowTitle(TitleFor(request));
  box.setTextFormat(Qt::PlainText);  // file names and error texts are shown as they are
  box.setText(request.Message);
  box.setProperty("helpContext", request.HelpContext);

  std::array<QAbstractButton*, ButtonTable.size()> buttons{};
  for (std::size_t i = 0; i < ButtonTable.size(); ++i) {
    if (request.Buttons.testFlag(ButtonTable[i].Button)) buttons[i] = AddButton(box, ButtonTable[i]);
  }
  for (std::size_t i = 0; i < ButtonTable.size(); ++i) {
    auto* button = qobject_cast<QPushButton*>(buttons[i]);
    if (button != nullptr && ButtonTable[i].Button == request.DefaultButton && ButtonTable[i].TakesFocus) {
      box.setDefaultButton(button);
      button->setFocus();
    }
  }

  SettleSize(box);
  PlaceDialog(box, request.CenterInForm);
  DialogSeam::Exec(box);

  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return TDialogResult::None;
  for (std::size_t i = 0; i < ButtonTable.size(); ++i) {
    if (clicked == buttons[i]) return ButtonTable[i].Result;
  }
  // A box without buttons gets an OK button of its own.
  return box.standardButton(clicked) == QMessageBox::Ok ? TDialogResult::OK : TDialogResult::None;
}

void BeepIf(bool doBeep) {
  // Qt offers one system alert; every beep kind sounds it.
  if (doBeep) DialogSeam::Beep();
}

TDialogResult ShowSimpleMessage(const QString& message, TDialogKind kind, bool doBeep, QWidget* centerInForm) {
  return OnWindowThread<TDialogResult>([&] {
    BeepIf(doBeep);
    TMessageRequest request;
    request.Message = message;
    request.Kind = kind;
    request.Buttons = TDialogButton::OK;
    request.DefaultButton = TDialogButton::OK;
    request.CenterInForm = centerInForm;
    return ShowMessageDialog(request);
  });
}

// ---- Input boxes ----------------------------------------------------------

// Windows' MulDiv: number * numerator / denominator rounded to the nearest
// integer, halves away from zero, without intermediate overflow.
int MulDiv(int number, int numerator, int denominator) {
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = denominator / 2;
  const long long rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(rounded);
}

// Layout units of the input boxes: h(n) is n quarter character widths,
// v(n) n eighth character heights.
class TDialogUnits {
public:
  explicit TDialogUnits(const QFont& font) : FCharSize(Dialog::AverageCharSize(font)) {}
  int h(int n) const { return MulDiv(n, FCharSize.width(), 4); }
  int v(int n) const { return MulDiv(n, FCharSize.height(), 8); }

private:
  QSize FCharSize;
};

// Shows every character of a masked field as "X".
class TMaskCharacterStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_LineEdit_PasswordCharacter) return 'X';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QFont FixedPitchFont() {
  QFont font(QStringLiteral("Courier New"), 9);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

int Bottom(const QWidget& widget) { return widget.y() + widget.height(); }

// The fixed-border box with its word-wrapped prompt; returns the prompt label.
QLabel* StartInputDialog(QDialog& dialog, const QString& caption, const QString& prompt, const TDialogUnits& units) {
  dialog.setWindowTitle(caption);
  dialog.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  auto* label = new QLabel(&dialog);
  label->setObjectName(QStringLiteral("lbPrompt"));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setText(prompt);
  const int maxWidth = units.h(164);
  const QFontMetrics metrics(label->font());
  const QRect text = metrics.boundingRect(QRect(0, 0, maxWidth, INT_MAX / 2), Qt::AlignLeft | Qt::TextWordWrap, prompt);
  label->setGeometry(units.h(8), units.v(8), qMin(text.width(), maxWidth), qMax(text.height(), metrics.height()));
  return label;
}

// "Ok" (default) and "Cancel" (Escape) at the given lefts; then the box takes
// its final size and place.
void FinishInputDialog(QDialog& dialog, int clientWidth, int buttonsTop, int okLeft, int cancelLeft,
                       const TDialogUnits& units, QWidget* centerInForm) {
  auto* ok = new QPushButton(QStringLiteral("Ok"), &dialog);
  ok->setObjectName(QStringLiteral("btnOk"));
  ok->setDefault(true);
  ok->setGeometry(okLeft, buttonsTop, units.h(50), units.v(14));
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  cancel->setGeometry(cancelLeft, buttonsTop, units.h(50), units.v(14));
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);  // Escape rejects too

  dialog.setFixedSize(clientWidth, Bottom(*cancel) + 13);
  PlaceDialog(dialog, centerInForm);
}

struct TTextRequest {
  QString Caption;
  QString Prompt;
  int Width = 0;
  bool Masked = false;
  QWidget* CenterInForm = nullptr;
};

// Returns whether OK was chosen; only then is text replaced.
bool ShowTextDialog(const TTextRequest& request, QString& text) {
  if (!HaveWidgetApplication()) {
    WriteToConsole(request.Caption, request.Prompt);
    return false;
  }
  TMaskCharacterStyle maskStyle;  // outlives the dialog that uses it
  QDialog dialog(OwnerOf(request.CenterInForm));
  const TDialogUnits units(dialog.font());
  const int clientWidth = request.Width != 0 ? request.Width : units.h(180);
  const QLabel* label = StartInputDialog(dialog, request.Caption, request.Prompt, units);

  auto* edit = new QLineEdit(&dialog);
  edit->setObjectName(QStringLiteral("edValue"));
  if (request.Width != 0 || request.Masked) edit->setFont(FixedPitchFont());
  // The limit holds for typing; an incoming text that is longer stays whole.
  if (request.Width == 0) edit->setMaxLength(qMax(255, static_cast<int>(text.size())));
  if (request.Masked) {
    edit->setStyle(&maskStyle);
    edit->setEchoMode(QLineEdit::Password);
  }
  edit->setText(text);
  edit->selectAll();
  edit->setFocus();
  const int editWidth = request.Width != 0 ? request.Width - 40 : units.h(164);
  edit->setGeometry(label->x(), Bottom(*label) + 5, editWidth, edit->sizeHint().height());

  FinishInputDialog(dialog, clientWidth, Bottom(*edit) + 15, units.h(38), units.h(92), units, request.CenterInForm);
  if (DialogSeam::Exec(dialog) != QDialog::Accepted) return false;
  text = edit->text();
  return true;
}

struct TIntegerRequest {
  QString Caption;
  QString Prompt;
  int MinValue = 0;
  int MaxValue = 0;
  QWidget* CenterInForm = nullptr;
};

bool ShowIntegerDialog(const TIntegerRequest& request, int& value) {
  if (!HaveWidgetApplication()) {
    WriteToConsole(request.Caption, request.Prompt);
    return false;
  }
  QDialog dialog(OwnerOf(request.CenterInForm));
  const TDialogUnits units(dialog.font());
  const int clientWidth = units.h(120);
  const QLabel* label = StartInputDialog(dialog, request.Caption, request.Prompt, units);

  auto* spin = new QSpinBox(&dialog);
  spin->setObjectName(QStringLiteral("seValue"));
  spin->setRange(request.MinValue, request.MaxValue);
  spin->setValue(value);
  if (auto* field = spin->findChild<QLineEdit*>()) field->setMaxLength(9);
  spin->selectAll();
  spin->setFocus();
  spin->setGeometry(clientWidth / 2 - 40, Bottom(*label) + 5, 80, spin->sizeHint().height());

  FinishInputDialog(dialog, clientWidth, Bottom(*spin) + 15, units.h(8), units.h(62), units, request.CenterInForm);
  if (DialogSeam::Exec(dialog) != QDialog::Accepted) return false;
  spin->interpretText();
  value = spin->value();
  return true;
}

}  // namespace

void Dialog::Error(const QString& AMessageStr, bool ADoBeep, QWidget* ACenterInForm) {
  ShowSimpleMessage(AMessageStr, TDialogKind::Error, ADoBeep, ACenterInForm);
}

void Dialog::Warning(const QString& AMessageStr, bool ADoBeep, QWidget* ACenterInForm) {
  ShowSimpleMessage(AMessageStr, TDialogKind::Warning, ADoBeep, ACenterInForm);
}

void Dialog::Information(const QString& AMessageStr, bool ADoBeep, QWidget* ACenterInForm) {
  ShowSimpleMessage(AMessageStr, TDialogKind::Information, ADoBeep, ACenterInForm);
}

bool Dialog::Confirm(const QString& AMessageStr, bool ADoBeep, bool ADefaultToYes, bool AWarningType,
                     QWidget* ACenterInForm) {
  return OnWindowThread<bool>([&] {
    BeepIf(ADoBeep);
    TMessageRequest request;
    request.Message = AMessageStr;
    request.Kind = AWarningType ? TDialogKind::Warning : TDialogKind::Confirmation;
    request.Buttons = TDialogButton::Yes | TDialogButton::No;
    request.DefaultButton = ADefaultToYes ? TDialogButton::Yes : TDialogButton::No;
    request.CenterInForm = ACenterInForm;
    return ShowMessageDialog(request) == TDialogResult::Yes;
  });
}

TDialogResult Dialog::Custom(const QString& AMessageStr, TDialogKind ADlgType, TDialogButtons AButtons,
                             TDialogButton ADefaultButton, const QString& ACaption, bool ADoBeep,
                             TBeepKind /*ABeepKind: one system alert serves every kind*/, QWidget* ACenterInForm,
                             int AHelpContext) {
  return OnWindowThread<TDialogResult>([&] {
    BeepIf(ADoBeep);
    TMessageRequest request;
    request.Message = AMessageStr;
    request.Kind = ADlgType;
    request.Buttons = AButtons;
    request.DefaultButton = ADefaultButton;
    request.Title = ACaption;
    request.HelpContext = AHelpContext;
    request.CenterInForm = ACenterInForm;
    return ShowMessageDialog(request);
  });
}

QString Dialog::GetText(const QString& ACaption, const QString& APrompt, bool& ACancelled, const QString& AText,
                        QWidget* ACenterInForm, int AWidth) {
  ACancelled = false;
  QString text = AText;
  const bool accepted = OnWindowThread<bool>([&] {
    return ShowTextDialog({ACaption, APrompt, AWidth, false, ACenterInForm}, text);
  });
  ACancelled = !accepted;
  return text;
}

QString Dialog::GetPassword(const QString& ACaption, const QString& APrompt, bool& ACancelled,
                            QWidget* ACenterInForm) {
  ACancelled = false;
  QString text;
  const bool accepted = OnWindowThread<bool>([&] {
    return ShowTextDialog({ACaption, APrompt, 0, true, ACenterInForm}, text);
  });
  ACancelled = !accepted;
  return accepted ? text : QString();
}

int Dialog::GetInteger(const QString& ACaption, const QString& APrompt, bool& ACancelled, int AValue,
                       int AMinValue, int AMaxValue, QWidget* ACenterInForm) {
  ACancelled = false;
  int value = AValue;
  const bool accepted = OnWindowThread<bool>([&] {
    return ShowIntegerDialog({ACaption, APrompt, AMinValue, AMaxValue, ACenterInForm}, value);
  });
  ACancelled = !accepted;
  return accepted ? value : AValue;
}

QString Dialog::Version() { return QStringLiteral("1.0.1"); }

QSize Dialog::AverageCharSize(const QFont& AFont) {
  static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(AFont);
  return QSize(metrics.horizontalAdvance(letters) / 52, metrics.height());
}
