// Entry point of the test executables: temporary user folders and a Qt
// application object for the tests' lifetime, then every GoogleTest case.
#include "TemporaryUserFolders.h"

#include <gtest/gtest.h>

#ifdef QUILLMARK_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
  const TTemporaryUserFolders userFolders;
  TestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
