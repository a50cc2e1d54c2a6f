// Loads a character from the fuzzer's bytes: any input must end in a loaded
// character or an error, never a crash, a hang or a huge allocation.
#include "Errors.h"
#include "FatalError.h"
#include "UCharacter.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool handlerInstalled = [] {
    SetFatalErrorHandler([](const QString&) {});
    return true;
  }();
  (void)handlerInstalled;
  try {
    TCharacter character(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                         QStringLiteral("fuzz.gdc"));
    (void)character.Header().Name.size();
  } catch (const EError&) {
  }
  return 0;
}
