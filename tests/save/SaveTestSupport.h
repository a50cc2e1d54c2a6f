#pragma once

// Helpers shared by the save-file tests: the fatal-error recorder and texts
// printed as text in failure messages.

#include "ErrorRecorders.h"
#include "QStringPrinting.h"
