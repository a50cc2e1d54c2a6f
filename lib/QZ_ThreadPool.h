#pragma once

#include "Thread.h"

#include <QList>
#include <QPointer>
#include <atomic>
#include <functional>

class TThreadPool;

using TOnThreadTerminate = std::function<void(TThread* ASender, int AThreadIndex)>;
using TNotifyEvent = std::function<void(TThreadPool* ASender)>;

// Runs a batch of threads created by the caller: starts them all at once and
// counts them down as their termination is handled on the main thread. Not a
// pool of reusable workers: every thread runs one task and frees itself, and
// any number run at the same time.
//
// Use: Add each thread, optionally set the events, Execute, then keep the
// main thread handling its events until Completed. The counts are atomic and
// may be read from any thread; one lock shared by every pool keeps the start
// of one thread and the termination handling of another from interleaving.
//
// Destroying a pool whose threads have not all been handled detaches them:
// they run to their end and free themselves without calling back.
class TThreadPool {
public:
  TThreadPool() = default;
  ~TThreadPool();
  TThreadPool(const TThreadPool&) = delete;
  TThreadPool& operator=(const TThreadPool&) = delete;

  void Add(TThread* AThread);
  void Clear();
  void Execute();

  bool Completed() const { return FRunningCount.load() == 0; }
  int ThreadCount() const { return FThreadCount.load(); }
  int ThreadsRunning() const { return FRunningCount.load(); }

  const TOnThreadTerminate& OnThreadTerminate() const { return FOnThreadTerminate; }
  void SetOnThreadTerminate(TOnThreadTerminate handler) { FOnThreadTerminate = std::move(handler); }
  const TNotifyEvent& OnAllTerminate() const { return FOnAllTerminate; }
  void SetOnAllTerminate(TNotifyEvent handler) { FOnAllTerminate = std::move(handler); }

  // The termination event of every pooled thread; runs on the main thread.
  void ThreadTerminated(TThread* Sender);

private:
  TOnThreadTerminate FOnThreadTerminate;
  TNotifyEvent FOnAllTerminate;
  // Guarded pointers: a handled thread frees itself while the list may still
  // hold it until the last one has been handled.
  QList<QPointer<TThread>> FThreadList;
  std::atomic<int> FRunningCount{0};
  std::atomic<int> FThreadCount{0};
};
