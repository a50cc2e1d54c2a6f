#include "AppVersion.h"

#include "Version.h"

QString ProgramVersionText() {
  return QStringLiteral("%1.%2.%3 (Build %4)")
      .arg(QUILLMARK_VERSION_MAJOR)
      .arg(QUILLMARK_VERSION_MINOR)
      .arg(QUILLMARK_VERSION_PATCH)
      .arg(QUILLMARK_BUILD_NUMBER);
}
