#include "QZ_ThreadPool.h"

#include "Errors.h"

#include <mutex>

namespace {

// The one lock of all pools, alive for the whole program.
std::mutex& PoolLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace

TThreadPool::~TThreadPool() {
  for (const QPointer<TThread>& thread : FThreadList) {
    if (thread && thread->OnTerminate()) thread->SetOnTerminate(nullptr);
  }
}

void TThreadPool::Add(TThread* AThread) {
  if (ThreadsRunning() > 0) throw EError(QStringLiteral("TThreadPool - Can only ADD before Execute"));
  AThread->SetOnTerminate([this](TThread* sender) { ThreadTerminated(sender); });
  AThread->SetFreeOnTerminate(true);
  FThreadList.append(AThread);
  ++FThreadCount;
}

void TThreadPool::Clear() {
  if (ThreadsRunning() > 0) throw EError(QStringLiteral("TThreadPool - Can only CLEAR before Execute"));
  FThreadList.clear();
  FThreadCount.store(0);
}

void TThreadPool::Execute() {
  if (ThreadsRunning() > 0) throw EError(QStringLiteral("TThreadPool - Execute has ALREADY been called"));
  const int count = ThreadCount();
  for (int i = 0; i < count; ++i) {
    std::lock_guard<std::mutex> guard(PoolLock());
    TThread* thread = FThreadList.value(i);
    if (!thread) continue;  // freed by its owner before it was started
    thread->Start();
    ++FRunningCount;
  }
}

void TThreadPool::ThreadTerminated(TThread* Sender) {
  {
    struct CountDown {
      std::atomic<int>& Count;
      ~CountDown() { --Count; }
    };
    // Declared before the lock so the lock is released first, then the
    // count drops, also when the event raises.
    CountDown countDown{FRunningCount};
    std::lock_guard<std::mutex> guard(PoolLock());
    if (FOnThreadTerminate) {
      int index = -1;
      for (int i = 0; i < FThreadList.size(); ++i) {
        if (FThreadList[i] == Sender) {
          index = i;
          break;
        }
      }
      FOnThreadTerminate(Sender, index);
    }
  }
  if (FRunningCount.load() == 0) {
    if (FOnAllTerminate) FOnAllTerminate(this);
    Clear();
  }
}
