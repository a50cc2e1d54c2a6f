#pragma once

#include <QString>

// The machine-wide application data folder, with a trailing separator.
QString ApplicationDataFolder();
