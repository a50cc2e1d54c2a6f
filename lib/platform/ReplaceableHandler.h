#pragma once

#include <mutex>
#include <utility>

// A program-wide handler that any thread may replace or call. A call works
// on a copy taken under the lock, so a handler may itself replace the
// handler, and a slow one holds up no other thread.
template <class THandler>
class TReplaceableHandler {
public:
  // Puts AHandler in place; returns the one it replaces.
  THandler Replace(THandler AHandler) {
    std::lock_guard<std::mutex> guard(FLock);
    return std::exchange(FHandler, std::move(AHandler));
  }
  THandler Current() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FHandler;
  }

private:
  mutable std::mutex FLock;
  THandler FHandler;
};
