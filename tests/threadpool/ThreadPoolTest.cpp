#include "Errors.h"
#include "GeneralError.h"
#include "QZ_ThreadPool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

// A thread whose body waits until the test releases it, so tests decide the
// order in which threads end.
class GatedThread : public TThread {
public:
  explicit GatedThread(std::atomic<int>* destroyed = nullptr) : FDestroyed(destroyed) {}
  ~GatedThread() override {
    if (FDestroyed) ++*FDestroyed;
  }
  void Release() { FGate.release(); }

protected:
  void Execute() override { FGate.acquire(); }

private:
  QSemaphore FGate;
  std::atomic<int>* FDestroyed;
};

// Handles events until the condition holds (or a generous limit passes).
template <typename Condition>
bool ProcessEventsUntil(Condition condition) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > 20000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

std::vector<GatedThread*> AddThreads(TThreadPool& pool, int count, std::atomic<int>* destroyed = nullptr) {
  std::vector<GatedThread*> threads;
  for (int i = 0; i < count; ++i) {
    threads.push_back(new GatedThread(destroyed));
    pool.Add(threads.back());
  }
  return threads;
}

}  // namespace

TEST(ThreadPool, EmptyPoolExecutesNothingAndStaysCompleted) {
  TThreadPool pool;
  int allTerminated = 0;
  pool.SetOnAllTerminate([&](TThreadPool*) { ++allTerminated; });
  EXPECT_TRUE(pool.Completed());
  pool.Execute();
  QCoreApplication::processEvents();
  EXPECT_TRUE(pool.Completed());
  EXPECT_EQ(allTerminated, 0);
}

TEST(ThreadPool, ReportsEachThreadByPositionThenAllOnce) {
  TThreadPool pool;
  std::atomic<int> destroyed{0};
  auto threads = AddThreads(pool, 3, &destroyed);
  std::vector<int> positions;
  int allTerminated = 0;
  pool.SetOnThreadTerminate([&](TThread* sender, int index) {
    EXPECT_EQ(sender, threads[size_t(index)]);
    EXPECT_EQ(allTerminated, 0);
    positions.push_back(index);
  });
  pool.SetOnAllTerminate([&](TThreadPool* sender) {
    EXPECT_EQ(sender, &pool);
    EXPECT_EQ(positions.size(), 3u);
    ++allTerminated;
  });
  EXPECT_EQ(pool.ThreadCount(), 3);
  pool.Execute();
  EXPECT_EQ(pool.ThreadsRunning(), 3);
  EXPECT_FALSE(pool.Completed());

  for (int index : {2, 0, 1}) {
    const size_t handled = positions.size();
    threads[size_t(index)]->Release();
    ASSERT_TRUE(ProcessEventsUntil([&] { return positions.size() > handled; }));
    EXPECT_EQ(positions.back(), index);
  }
  EXPECT_TRUE(pool.Completed());
  EXPECT_EQ(allTerminated, 1);
  EXPECT_EQ(pool.ThreadCount(), 0);
  // The threads free themselves once handled.
  EXPECT_TRUE(ProcessEventsUntil([&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return destroyed.load() == 3;
  }));
}

TEST(ThreadPool, RefusesChangesWhileRunningAndAcceptsThemAfterwards) {
  TThreadPool pool;
  auto threads = AddThreads(pool, 1);
  pool.Execute();
  GatedThread extra;
  struct Case {
    const char* message;
    std::function<void()> call;
  };
  const Case cases[] = {
      {"TThreadPool - Can only ADD before Execute", [&] { pool.Add(&extra); }},
      {"TThreadPool - Can only CLEAR before Execute", [&] { pool.Clear(); }},
      {"TThreadPool - Execute has ALREADY been called", [&] { pool.Execute(); }},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const EError& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(pool.ThreadCount(), 1);
    EXPECT_EQ(pool.ThreadsRunning(), 1);
  }
  threads[0]->Release();
  ASSERT_TRUE(ProcessEventsUntil([&] { return pool.Completed(); }));

  auto second = AddThreads(pool, 2);
  EXPECT_EQ(pool.ThreadCount(), 2);
  pool.Execute();
  for (GatedThread* t : second) t->Release();
  EXPECT_TRUE(ProcessEventsUntil([&] { return pool.Completed(); }));
}

TEST(ThreadPool, ErrorInTerminateEventStillCountsTheThreadDown) {
  TThreadPool pool;
  auto threads = AddThreads(pool, 2);
  QStringList reported;
  const auto previous = SetGeneralErrorHandler([&](const QString& message) { reported.append(message); });
  int allTerminated = 0;
  pool.SetOnThreadTerminate([&](TThread* sender, int) {
    if (sender == threads[1]) throw EError(QStringLiteral("handler failed"));
  });
  pool.SetOnAllTerminate([&](TThreadPool*) { ++allTerminated; });
  pool.Execute();
  threads[0]->Release();
  ASSERT_TRUE(ProcessEventsUntil([&] { return pool.ThreadsRunning() == 1; }));
  threads[1]->Release();
  ASSERT_TRUE(ProcessEventsUntil([&] { return pool.Completed(); }));
  EXPECT_EQ(reported, QStringList{QStringLiteral("handler failed")});
  // The failing thread was the last: the all-terminated step did not run.
  EXPECT_EQ(allTerminated, 0);
  EXPECT_EQ(pool.ThreadCount(), 2);
  SetGeneralErrorHandler(previous);
}

TEST(ThreadPool, DestroyingARunningPoolDetachesItsThreads) {
  std::atomic<int> destroyed{0};
  std::vector<GatedThread*> threads;
  {
    TThreadPool pool;
    threads = AddThreads(pool, 2, &destroyed);
    pool.SetOnThreadTerminate([](TThread*, int) { ADD_FAILURE() << "called back after destruction"; });
    pool.Execute();
  }
  for (GatedThread* t : threads) t->Release();
  EXPECT_TRUE(ProcessEventsUntil([&] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return destroyed.load() == 2;
  }));
}
