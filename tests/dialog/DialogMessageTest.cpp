#include "DialogProbe.h"
#include "QZ_Dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>
#include <type_traits>

static_assert(!std::is_default_constructible_v<Dialog>, "Dialog offers class-level operations only");

namespace {

const QString kOk = QStringLiteral("OK");
const QString kYes = QStringLiteral("&Yes");
const QString kNo = QStringLiteral("&No");
const QString kCancel = QStringLiteral("Cancel");

struct TSimpleCase {
  const char* Name;
  void (*Show)(const QString&, bool, QWidget*);
  QMessageBox::Icon Icon;
  QString Title;
};

TEST(DialogMessage, ErrorWarningInformationShowTheirKindWithAFocusedOk) {
  const TSimpleCase cases[] = {
      {"Error", &Dialog::Error, QMessageBox::Critical, QStringLiteral("Error")},
      {"Warning", &Dialog::Warning, QMessageBox::Warning, QStringLiteral("Warning")},
      {"Information", &Dialog::Information, QMessageBox::Information, QStringLiteral("Information")},
  };
  for (const TSimpleCase& c : cases) {
    for (const bool doBeep : {true, false}) {
      SCOPED_TRACE(std::string(c.Name) + (doBeep ? " with beep" : " without beep"));
      TMessageBoxProbe probe;
      const int beepsBefore = DialogSeam::BeepCount();
      c.Show(QStringLiteral("Unable to process <b>INI</b> file\r\n/x/y.ini"), doBeep, nullptr);
      ASSERT_EQ(probe.Shown().size(), 1u);
      const TShownBox& box = probe.Last();
      EXPECT_EQ(box.Icon, c.Icon);
      EXPECT_EQ(box.Title, c.Title);
      EXPECT_EQ(box.Text, QStringLiteral("Unable to process <b>INI</b> file\r\n/x/y.ini"));
      EXPECT_EQ(box.Format, Qt::PlainText) << "message texts are never read as markup";
      EXPECT_EQ(box.Buttons, QStringList{kOk});
      EXPECT_EQ(box.Focused, kOk);
      EXPECT_EQ(DialogSeam::BeepCount() - beepsBefore, doBeep ? 1 : 0);
    }
  }
}

TEST(DialogMessage, ConfirmFocusesTheDefaultAndAnswersTrueOnlyForYes) {
  struct TCase {
    bool DefaultToYes;
    bool WarningType;
    QString Answer;
    QString ExpectedFocus;
    QMessageBox::Icon ExpectedIcon;
    QString ExpectedTitle;
    bool ExpectedResult;
  };
  const TCase cases[] = {
      {true, false, kYes, kYes, QMessageBox::Question, QStringLiteral("Confirm"), true},
      {false, false, kNo, kNo, QMessageBox::Question, QStringLiteral("Confirm"), false},
      {false, true, kYes, kNo, QMessageBox::Warning, QStringLiteral("Warning"), true},
      {true, true, kNo, kYes, QMessageBox::Warning, QStringLiteral("Warning"), false},
      {true, false, QString(), kYes, QMessageBox::Question, QStringLiteral("Confirm"), false},  // closed unanswered
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(QStringLiteral("default yes %1, warning %2, answer '%3'")
                     .arg(c.DefaultToYes)
                     .arg(c.WarningType)
                     .arg(c.Answer)
                     .toStdString());
    TMessageBoxProbe probe(c.Answer);
    const bool result = Dialog::Confirm(QStringLiteral("Delete it?"), false, c.DefaultToYes, c.WarningType, nullptr);
    ASSERT_EQ(probe.Shown().size(), 1u);
    EXPECT_EQ(probe.Last().Buttons, (QStringList{kNo, kYes}));
    EXPECT_EQ(probe.Last().Focused, c.ExpectedFocus);
    EXPECT_EQ(probe.Last().Icon, c.ExpectedIcon);
    EXPECT_EQ(probe.Last().Title, c.ExpectedTitle);
    EXPECT_EQ(result, c.ExpectedResult);
  }
}

TEST(DialogMessage, CustomTitleIconAndHelpContext) {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillmark Test"));
  {
    TMessageBoxProbe probe;
    Dialog::Custom(QStringLiteral("m"), TDialogKind::Custom, TDialogButton::OK, TDialogButton::OK, QString(), false,
                   TBeepKind::Information, nullptr, 42);
    EXPECT_EQ(probe.Last().Title, QStringLiteral("Quillmark Test"));
    EXPECT_EQ(probe.Last().Icon, QMessageBox::NoIcon);
    EXPECT_EQ(probe.Last().HelpContext.toInt(), 42);
  }
  {
    TMessageBoxProbe probe;
    Dialog::Custom(QStringLiteral("m"), TDialogKind::Error, TDialogButton::OK, TDialogButton::OK,
                   QStringLiteral("Own title"), false, TBeepKind::Error, nullptr, 0);
    EXPECT_EQ(probe.Last().Title, QStringLiteral("Own title"));
    EXPECT_EQ(probe.Last().Icon, QMessageBox::Critical);
  }
}

struct TFocus {
  QString Focused;  // caption of the focused button, or empty
  bool HasDefault = false;
};

TFocus FocusOfCustom(TDialogButtons buttons, TDialogButton defaultButton) {
  TFocus focus;
  ScopedDialogHandler handler([&focus](QDialog& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    focus.Focused = FocusedCaption(box);
    focus.HasDefault = box.defaultButton() != nullptr;
    return 0;
  });
  Dialog::Custom(QStringLiteral("m"), TDialogKind::Confirmation, buttons, defaultButton, QString(), false,
                 TBeepKind::Question, nullptr, 0);
  return focus;
}

TEST(DialogMessage, CustomFocusesTheDefaultButtonExceptCancelIgnoreAndClose) {
  struct TCase {
    TDialogButtons Buttons;
    TDialogButton Default;
    QString ExpectedFocus;  // empty: the box's own focus, as with no default at all
  };
  const TCase cases[] = {
      {TDialogButton::Yes | TDialogButton::No | TDialogButton::Cancel, TDialogButton::Cancel, QString()},
      {TDialogButton::Abort | TDialogButton::Retry | TDialogButton::Ignore, TDialogButton::Ignore, QString()},
      {TDialogButton::OK | TDialogButton::Close, TDialogButton::Close, QString()},
      {TDialogButton::Yes | TDialogButton::No, TDialogButton::OK, QString()},  // not in the set
      {TDialogButton::Abort | TDialogButton::Retry | TDialogButton::Ignore, TDialogButton::Retry,
       QStringLiteral("Retry")},
      {TDialogButton::Yes | TDialogButton::No | TDialogButton::All, TDialogButton::All, QStringLiteral("&All")},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(QStringLiteral("buttons %1, default %2")
                     .arg(c.Buttons.toInt(), 0, 16)
                     .arg(static_cast<unsigned>(c.Default), 0, 16)
                     .toStdString());
    const TFocus focus = FocusOfCustom(c.Buttons, c.Default);
    if (c.ExpectedFocus.isEmpty()) {
      // Help is never in these sets, so it asks for no default.
      const TFocus own = FocusOfCustom(c.Buttons, TDialogButton::Help);
      EXPECT_EQ(focus.Focused, own.Focused);
      EXPECT_FALSE(focus.HasDefault);
    } else {
      EXPECT_EQ(focus.Focused, c.ExpectedFocus);
      EXPECT_TRUE(focus.HasDefault);
    }
  }
}

TEST(DialogMessage, CustomReturnsTheButtonThatClosedIt) {
  const TDialogButtons all = TDialogButton::Yes | TDialogButton::No | TDialogButton::OK | TDialogButton::Cancel |
                             TDialogButton::Abort | TDialogButton::Retry | TDialogButton::Ignore |
                             TDialogButton::All | TDialogButton::NoToAll | TDialogButton::YesToAll |
                             TDialogButton::Help | TDialogButton::Close;
  const std::pair<QString, TDialogResult> cases[] = {
      {kYes, TDialogResult::Yes},
      {kNo, TDialogResult::No},
      {kOk, TDialogResult::OK},
      {kCancel, TDialogResult::Cancel},
      {QStringLiteral("Abort"), TDialogResult::Abort},
      {QStringLiteral("Retry"), TDialogResult::Retry},
      {QStringLiteral("Ignore"), TDialogResult::Ignore},
      {QStringLiteral("&All"), TDialogResult::All},
      {QStringLiteral("N&o to All"), TDialogResult::NoToAll},
      {QStringLiteral("Yes to &All"), TDialogResult::YesToAll},
      {QStringLiteral("Close"), TDialogResult::Close},
      {QStringLiteral("Help"), TDialogResult::None},
      {QString(), TDialogResult::None},
  };
  for (const auto& [answer, expected] : cases) {
    SCOPED_TRACE(answer.toStdString());
    TMessageBoxProbe probe(answer);
    const TDialogResult result = Dialog::Custom(QStringLiteral("m"), TDialogKind::Custom, all, TDialogButton::OK,
                                                QString(), false, TBeepKind::Warning, nullptr, 0);
    EXPECT_EQ(probe.Last().Buttons.size(), 12);
    EXPECT_EQ(result, expected);
  }
}

TEST(DialogMessage, ReportFromAnotherThreadIsShownOnTheApplicationThread) {
  TMessageBoxProbe probe;
  RunOnWorkerThread([] { Dialog::Information(QStringLiteral("from a worker"), false, nullptr); });
  ASSERT_EQ(probe.Shown().size(), 1u);
  EXPECT_EQ(probe.Last().Text, QStringLiteral("from a worker"));
  EXPECT_EQ(probe.Last().Thread, qApp->thread());
}

TEST(DialogMessage, Version) { EXPECT_EQ(Dialog::Version(), QStringLiteral("1.0.1")); }

}  // namespace
