#pragma once

// Records what a scripted dialog showed and answers it.

#include "DialogSeam.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <QRect>
#include <QThread>
#include <QWidget>
#include <functional>
#include <vector>

struct TShownBox {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  Qt::TextFormat Format = Qt::AutoText;
  QStringList Buttons;  // captions, sorted
  QString Focused;      // caption of the button with the focus, or empty
  QRect Geometry;
  QWidget* Owner = nullptr;
  QVariant HelpContext;
  QThread* Thread = nullptr;
};

inline QString FocusedCaption(QDialog& dialog) {
  auto* button = qobject_cast<QAbstractButton*>(dialog.focusWidget());
  return button != nullptr ? button->text() : QString();
}

inline TShownBox Describe(QMessageBox& box) {
  TShownBox shown;
  shown.Title = box.windowTitle();
  shown.Text = box.text();
  shown.Icon = box.icon();
  shown.Format = box.textFormat();
  for (QAbstractButton* button : box.buttons()) shown.Buttons << button->text();
  shown.Buttons.sort();
  shown.Focused = FocusedCaption(box);
  shown.Geometry = box.geometry();
  shown.Owner = box.parentWidget();
  shown.HelpContext = box.property("helpContext");
  shown.Thread = QThread::currentThread();
  return shown;
}

// Records every message box and clicks the button with the caption answer
// (no click when there is none).
class TMessageBoxProbe {
public:
  explicit TMessageBoxProbe(QString answer = QStringLiteral("OK"))
      : FAnswer(std::move(answer)), FHandler([this](QDialog& dialog) { return Answer(dialog); }) {}

  const std::vector<TShownBox>& Shown() const { return FShown; }
  const TShownBox& Last() const { return FShown.back(); }

private:
  int Answer(QDialog& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    FShown.push_back(Describe(box));
    for (QAbstractButton* button : box.buttons()) {
      if (button->text() == FAnswer) {
        button->click();
        break;
      }
    }
    return box.result();
  }

  QString FAnswer;
  std::vector<TShownBox> FShown;
  ScopedDialogHandler FHandler;
};

// Runs the work on a thread of its own while this thread's event loop runs,
// so that what the work hands to the application thread gets done; returns
// when the thread has finished.
inline void RunOnWorkerThread(const std::function<void()>& work) {
  QThread* worker = QThread::create(work);
  QEventLoop loop;
  QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  delete worker;
}
