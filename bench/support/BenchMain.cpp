// Entry point of the benchmark executables: temporary user folders and a Qt
// application object, then every Google Benchmark.
#include "TemporaryUserFolders.h"

#include <benchmark/benchmark.h>

#ifdef QUILLMARK_BENCH_GUI
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char* argv[]) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  const TTemporaryUserFolders userFolders;
  BenchApplication app(argc, argv);
  ::benchmark::Initialize(&argc, argv);
  if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
