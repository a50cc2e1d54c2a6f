#pragma once

#include "DialogSeam.h"
#include "QZ_CorrectionDialog.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

// Scripted answers for the correction dialogs of one check, in order, and a
// record of everything shown: the words offered, their suggestions, the text
// selected in the control at that moment, and the message boxes.
class DialogScript {
public:
  struct Answer {
    enum Kind { Change, Ignore, Escape, Enter, CloseBox, AddToCustom } Action;
    // Typed into the edit box first, unless null; Pick chooses a suggestion instead.
    QString Text = QString();
    QString Pick = QString();
  };

  explicit DialogScript(std::vector<Answer> AAnswers, QPlainTextEdit* AControl = nullptr)
      : FAnswers(AAnswers.begin(), AAnswers.end()),
        FControl(AControl),
        FHandler([this](QDialog& dialog) { return Run(dialog); }) {}

  ~DialogScript() { EXPECT_TRUE(FAnswers.empty()) << FAnswers.size() << " scripted answers not used"; }

  std::vector<QString> Words;
  std::vector<QStringList> Suggestions;
  std::vector<QString> Selections;
  QStringList Messages;
  std::vector<QMessageBox::Icon> Icons;
  // The dialog's caption, client size and control rectangles as shown.
  struct Shape {
    QString Title;
    QSize Client;
    QRect Edit, List, Ignore, Change, Add;  // Add is null without the button
  };
  std::vector<Shape> Shapes;
  // Answers after which the dialog had not closed.
  int LeftOpen = 0;

private:
  int Run(QDialog& dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      Messages << box->text();
      Icons.push_back(box->icon());
      return QMessageBox::Ok;
    }
    auto* correction = qobject_cast<TCorrectionDialog*>(&dialog);
    if (!correction) {
      ADD_FAILURE() << "unexpected dialog " << dialog.metaObject()->className();
      return QDialog::Rejected;
    }
    Shapes.push_back({correction->windowTitle(), correction->size(), correction->EditBox()->geometry(),
                      correction->SuggestionList()->geometry(), correction->IgnoreButton()->geometry(),
                      correction->ChangeButton()->geometry(),
                      correction->AddButton() ? correction->AddButton()->geometry() : QRect()});
    Words.push_back(correction->EditBox()->text());
    QStringList offered;
    for (int i = 0; i < correction->SuggestionList()->count(); ++i) offered << correction->SuggestionList()->item(i)->text();
    Suggestions.push_back(offered);
    if (FControl) Selections.push_back(FControl->textCursor().selectedText());
    if (FAnswers.empty()) {
      ADD_FAILURE() << "no answer scripted for " << Words.back().toStdString();
      return QDialog::Rejected;
    }
    const Answer answer = FAnswers.front();
    FAnswers.pop_front();
    return Perform(*correction, answer);
  }

  int Perform(TCorrectionDialog& dialog, const Answer& answer) {
    if (!answer.Pick.isNull()) {
      const auto items = dialog.SuggestionList()->findItems(answer.Pick, Qt::MatchExactly);
      if (items.isEmpty()) {
        ADD_FAILURE() << "no suggestion " << answer.Pick.toStdString();
      } else {
        QTest::mouseClick(dialog.SuggestionList()->viewport(), Qt::LeftButton, {},
                          dialog.SuggestionList()->visualItemRect(items.first()).center());
      }
    }
    if (!answer.Text.isNull()) dialog.EditBox()->setText(answer.Text);
    dialog.setResult(-1);
    dialog.show();
    switch (answer.Action) {
      case Answer::Change: dialog.ChangeButton()->click(); break;
      case Answer::Ignore: dialog.IgnoreButton()->click(); break;
      case Answer::Escape: QTest::keyClick(&dialog, Qt::Key_Escape); break;
      case Answer::Enter: QTest::keyClick(dialog.EditBox(), Qt::Key_Return); break;
      case Answer::CloseBox: dialog.close(); break;
      case Answer::AddToCustom:
        if (dialog.AddButton()) {
          dialog.AddButton()->click();
        } else {
          ADD_FAILURE() << "no Add to Custom button";
        }
        break;
    }
    // A dialog still open after its answer (a failed Add to Custom) is left with Ignore.
    if (dialog.isVisible()) {
      ++LeftOpen;
      dialog.IgnoreButton()->click();
    }
    return dialog.result();
  }

  std::deque<Answer> FAnswers;
  QPlainTextEdit* FControl;
  ScopedDialogHandler FHandler;
};
