#include "Thread.h"

#include "GeneralError.h"

TThread::TThread() {
  // The receiver is this object, which lives on the creating thread, so the
  // termination handling is queued to that thread's event loop.
  connect(this, &QThread::finished, this, &TThread::DoTerminate, Qt::QueuedConnection);
}

TThread::~TThread() { wait(); }

void TThread::run() {
  try {
    Execute();
  } catch (...) {
    // A thread's own errors end its body and are not reported further.
  }
}

void TThread::DoTerminate() {
  try {
    if (FOnTerminate) FOnTerminate(this);
  } catch (const std::exception& error) {
    ShowGeneralError(error);
  }
  if (FFreeOnTerminate) deleteLater();
}
