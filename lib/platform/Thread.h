#pragma once

#include <QThread>
#include <functional>

// A thread that runs its Execute once when started. It is created idle (the
// caller starts it when it wants); when Execute has returned, OnTerminate is
// called on the thread that created the object (the main thread), while that
// thread handles its pending events; with FreeOnTerminate set the object then
// deletes itself. Errors escaping Execute are the thread's own business and
// are dropped; errors escaping OnTerminate go to the general error report.
class TThread : public QThread {
  Q_OBJECT

public:
  using TerminateHandler = std::function<void(TThread* sender)>;

  TThread();
  ~TThread() override;

  void Start() { start(); }

  bool FreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool value) { FFreeOnTerminate = value; }
  const TerminateHandler& OnTerminate() const { return FOnTerminate; }
  void SetOnTerminate(TerminateHandler handler) { FOnTerminate = std::move(handler); }

protected:
  virtual void Execute() = 0;

private:
  void run() final;
  void DoTerminate();

  bool FFreeOnTerminate = false;
  TerminateHandler FOnTerminate;
};
