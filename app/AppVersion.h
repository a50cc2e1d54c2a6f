#pragma once

#include <QString>

// The version text of the main window's status bar: major.minor.release
// followed by " (Build n)".
QString ProgramVersionText();
