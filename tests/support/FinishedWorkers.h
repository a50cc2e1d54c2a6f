#pragma once

#include <QCoreApplication>
#include <QEvent>

// Frees the character workers that have finished: they delete themselves
// later, and the tests run no event loop that would get to it.
inline void FreeFinishedWorkers() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
