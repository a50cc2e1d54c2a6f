#include "AppPaths.h"

#include "FileNames.h"

#include <QStandardPaths>

QString ApplicationDataFolder() {
  return IncludeTrailingPathDelimiter(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}
